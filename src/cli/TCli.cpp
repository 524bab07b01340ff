#include "TCli.h"

#include "AppInfo.h"
#include "CompanyFiles.h"
#include "TCliCsv.h"
#include "TCliLabels.h"
#include "TCliPrint.h"
#include "TCliPrinters.h"
#include "TCliReport.h"
#include "TCliTransfer.h"
#include "TCompanyDump.h"
#include "TEFW2Batch.h"
#include "TextUtils.h"

#include <QCoreApplication>
#include <QTextStream>

TCli::TCli(QTextStream &Out, QTextStream &Err)
    : FOut(Out)
    , FErr(Err)
{
}

int TCli::Run(const QStringList &Args)
{
    const QString Command = Args.value(1);
    if (IsHelp(Command))
        return Help();
    if (Command == QLatin1String("--version")) {
        FOut << "qmrk-w2-cli " << AppVersion() << " (" << AppTitle() << ")\n";
        return 0;
    }
    if (IsHelp(Args.value(2)) && CommandHelp(Command))
        return 0;
    if (Command == QLatin1String("dump"))
        return Dump(Args.mid(2));
    if (Command == QLatin1String("efw2"))
        return TEFW2Batch(FOut, FErr).Run(Args.mid(2));
    if (Command == QLatin1String("report"))
        return TCliReport(FOut, FErr).Run(Args.mid(2));
    if (Command == QLatin1String("print"))
        return TCliPrint(FOut, FErr).Run(Args.mid(2), ProgramDir());
    if (Command == QLatin1String("printers"))
        return TCliPrinters(FOut).Run(Args.mid(2), FErr);
    if (Command == QLatin1String("labels"))
        return TCliLabels(FOut, FErr).Run(Args.mid(2));
    if (Command == QLatin1String("transfer"))
        return TCliTransfer(FOut, FErr).Run(Args.mid(2));
    if (Command == QLatin1String("import"))
        return TCliCsv(FOut, FErr).Import(Args.mid(2));
    if (Command == QLatin1String("export"))
        return TCliCsv(FOut, FErr).Export(Args.mid(2));
    if (Command.isEmpty())
        return Usage(QStringLiteral("no command given"));
    return Usage(QStringLiteral("unknown command '%1'").arg(Command));
}

int TCli::Help()
{
    FOut << "Usage: qmrk-w2-cli COMMAND [ARGUMENTS]\n\n"
         << AppTitle() << ": Forms W-2 and W-3 for tax year " << YearText() << ", without a display.\n\n"
         << "Commands:\n"
            "  --help       show this text\n"
            "  --version    show the program's version\n"
         << DumpHelpText() << TEFW2Batch::HelpText() << TCliReport::HelpText() << TCliPrint::HelpText()
         << TCliPrinters::HelpText() << TCliLabels::HelpText() << TCliTransfer::HelpText()
         << TCliCsv::HelpText()
         << "\n"
            "Exit status: 0 done, 1 a file could not be read or written, 2 wrong command line.\n";
    return 0;
}

bool TCli::IsHelp(const QString &Arg)
{
    return Arg == QLatin1String("--help") || Arg == QLatin1String("-h");
}

QString TCli::DumpHelpText()
{
    return QStringLiteral("  dump PATH%1\n"
                          "               print a company (PATH%1 and the %2 of the same name)\n"
                          "               as one JSON object {\"employer\": {...}, \"employees\": [...]},\n"
                          "               every field under its name. The files are only read, never\n"
                          "               created, locked or changed. The name must end in %1,\n"
                          "               in upper case.\n")
        .arg(W2FileExtension(), W3FileExtension());
}

bool TCli::CommandHelp(const QString &Command)
{
    QString Text;
    if (Command == QLatin1String("dump"))
        Text = DumpHelpText();
    else if (Command == QLatin1String("efw2"))
        Text = TEFW2Batch::HelpText();
    else if (Command == QLatin1String("report"))
        Text = TCliReport::HelpText();
    else if (Command == QLatin1String("print"))
        Text = TCliPrint::HelpText();
    else if (Command == QLatin1String("printers"))
        Text = TCliPrinters::HelpText();
    else if (Command == QLatin1String("labels"))
        Text = TCliLabels::HelpText();
    else if (Command == QLatin1String("transfer"))
        Text = TCliTransfer::HelpText();
    else if (Command == QLatin1String("import") || Command == QLatin1String("export"))
        Text = TCliCsv::HelpText();
    else
        return false;
    FOut << "Usage: qmrk-w2-cli " << Command << " ...\n\n"
         << Text << "\nExit status: 0 done, 1 a file could not be read or written, 2 wrong command line"
         << (Command == QLatin1String("efw2") ? ", 3 the data was refused" : "")
         << (Command == QLatin1String("import") ? " (or the CSV file was refused)" : "") << ".\n";
    return true;
}

QString TCli::ProgramDir()
{
    return AddPathDelimiter(QCoreApplication::applicationDirPath());
}

int TCli::Dump(const QStringList &Args)
{
    if (Args.size() != 1)
        return Usage(QStringLiteral("dump takes one argument, the path of a %1 file").arg(W2FileExtension()));
    TCompanyDump Company;
    if (!Company.Read(Args.first())) {
        FErr << "qmrk-w2-cli: " << EscapeControlChars(Company.Error()) << "\n";
        return 1;
    }
    for (const QString &Warning : Company.Warnings())
        FErr << "qmrk-w2-cli: warning: " << EscapeControlChars(Warning) << "\n";
    FOut << Company.ToJson();
    return 0;
}

int TCli::Usage(const QString &Problem)
{
    FErr << "qmrk-w2-cli: " << EscapeControlChars(Problem) << "\nTry 'qmrk-w2-cli --help'.\n";
    return 2;
}
