#pragma once

#include <QString>

class TBaseReport;
class TRvProject;
class TRvSystem;
struct TPrinterSettings;

// The stored printer choice of Print Setup applied to the runs of the
// program. Every report system of the program calls BeforePrint from its
// before-print event; nothing here needs the printer setup window.
class TPrinterSetup {
public:
    // The before-print step of every run: the stored printer choice onto
    // Output; for a tax form run (Forms given) also the printing of the data
    // alone onto printed forms, with its offsets. Runs that are no tax forms
    // (the labels) pass no project and are not moved.
    static void BeforePrint(const TRvSystem &System, TBaseReport &Output, TRvProject *Forms);

    // The stored settings read into the program's record (not cleared
    // first), when the program has its settings store.
    static TPrinterSettings &LoadStored();

    // Reads the stored settings into the program's record (not cleared
    // first) and, when they name a printer, selects it, the paper, the source,
    // the orientation, collation and two-sided printing where the printer
    // supports them, and the copies. OnPaper: the pages may reach a printer
    // (preview or printer); a saved printer that is gone is then asked about,
    // and EPrintCancelled raised when the person cancels.
    static void SetPrinterSetup(TBaseReport &Output, bool OnPaper);

    // Data only: the background left out of print and greyed in the preview,
    // the data moved by the offsets. Off: the whole form, unmoved.
    static void SetFormPrinting(TRvProject &Forms, const TPrinterSettings &Settings);

    // A printer that takes the place of the stored one for the runs that
    // follow (qmrk-w2-cli print --printer NAME); empty restores the stored one.
    static void SetPrinterOverride(const QString &Name);
    static QString PrinterOverride();

    // "The printer ... saved in Print Setup is not installed." with the choice.
    static QString MissingPrinterText(const QString &Name, const QString &Default);
};
