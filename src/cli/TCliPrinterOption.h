#pragma once

#include <QString>
#include <QStringList>

class TRvSystem;

// The option "--printer [NAME]" of the commands that print: the run goes to
// a CUPS queue instead of a file, with the printer setup the program stores
// (Print Setup), as the program's own runs print. NAME takes the place of the
// stored printer; without it the stored printer serves, or the default one
// when none is stored.
class TCliPrinterOption {
public:
    TCliPrinterOption() = default;
    ~TCliPrinterOption();
    TCliPrinterOption(const TCliPrinterOption &) = delete;
    TCliPrinterOption &operator=(const TCliPrinterOption &) = delete;

    // True when Args[I] is "--printer" or "--printer=NAME"; I then stands on
    // the last argument taken. The next argument is taken as NAME unless it
    // begins with '-' or is a company file (ends in .W225).
    bool Take(const QStringList &Args, int &I);
    bool Requested() const { return FRequested; }
    QString Name() const { return FName; }

    // The lines of the commands' help that describe the option.
    static QString HelpText();
    // The program's settings as the program reads them, for the commands
    // that print (stored printer setup, data only).
    static void UseProgramSettings();

    // Why the run cannot print, before anything is done: a printer that is
    // not installed, or no printer at all. Empty when it can.
    QString Problem() const;
    // Sends System's run to the printer without dialogs; NAME, when given,
    // replaces the stored printer until this option is destroyed.
    void Apply(TRvSystem &System);
    // The printer the run goes to.
    QString Printer() const;

private:
    QString StoredPrinter() const;

    bool FRequested = false;
    QString FName;
    bool FOverriding = false;
};
