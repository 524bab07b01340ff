#include "TCliTransfer.h"

#include "AppInfo.h"
#include "CompanyFiles.h"
#include "ShellRules.h"
#include "TTransferRun.h"
#include "TextUtils.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString LastYearW3Extension()
{
    return W3FileExtension(TaxYear - 1);
}

QString Line(const TTransferOutcome &Outcome)
{
    const QString W2 = Outcome.NewW2File;
    switch (Outcome.Kind) {
    case TTransferOutcome::TKind::Transferred:
        return QStringLiteral("%1: transferred to %2 and %3 (%4)")
            .arg(Outcome.Name, W3FileFor(W2), QFileInfo(W2).fileName(),
                CountText(Outcome.Employees, QStringLiteral("employee record"),
                    QStringLiteral("employee records")));
    case TTransferOutcome::TKind::Skipped:
        return QStringLiteral("%1: skipped, %2 already exists (--overwrite replaces it)")
            .arg(Outcome.Name, QFileInfo::exists(W3FileFor(W2)) ? W3FileFor(W2) : W2);
    case TTransferOutcome::TKind::Failed:
        break;
    }
    return QStringLiteral("%1: failed: %2").arg(Outcome.Name, Outcome.Reason);
}

} // namespace

TCliTransfer::TCliTransfer(QTextStream &Out, QTextStream &Err)
    : FOut(Out)
    , FErr(Err)
{
}

QString TCliTransfer::HelpText()
{
    return QStringLiteral("  transfer --from DIR [--to DIR] [--overwrite] [NAME%1 ...]\n"
                          "               carry last year's companies of DIR (NAME%1 and NAME%2,\n"
                          "               letter case ignored; all of them when no name is given)\n"
                          "               into new %3 and %4 files in --to, or in this year's\n"
                          "               data folder: identities, names and addresses kept,\n"
                          "               amounts cleared. Last year's files are only read. A\n"
                          "               company that exists already is skipped unless\n"
                          "               --overwrite. One line per company: transferred,\n"
                          "               skipped or failed with the reason.\n")
        .arg(LastYearW3Extension(), W2FileExtension(TaxYear - 1), W3FileExtension(), W2FileExtension());
}

bool TCliTransfer::Parse(const QStringList &Args, TRequest &Request, QString &Problem) const
{
    for (int I = 0; I < Args.size(); ++I) {
        const QString &Arg = Args.at(I);
        if (Arg == QLatin1String("--overwrite")) {
            Request.Overwrite = true;
        } else if (Arg == QLatin1String("--from") || Arg == QLatin1String("--to")) {
            if (++I >= Args.size() || IsBlank(Args.at(I))) {
                Problem = QStringLiteral("%1 needs a folder").arg(Arg);
                return false;
            }
            (Arg == QLatin1String("--from") ? Request.From : Request.To) = Args.at(I);
        } else if (Arg.startsWith(QLatin1String("--"))) {
            Problem = QStringLiteral("unknown option '%1'").arg(Arg);
            return false;
        } else if (Arg.contains(QLatin1Char('/')) || !Arg.endsWith(LastYearW3Extension(), Qt::CaseInsensitive)
            || Arg.size() == LastYearW3Extension().size()) {
            Problem = QStringLiteral("'%1' is not a file name ending in %2 (the folder is given by --from)")
                          .arg(Arg, LastYearW3Extension());
            return false;
        } else {
            Request.Names.append(Arg);
        }
    }
    if (Request.From.isEmpty()) {
        Problem = QStringLiteral("transfer needs --from DIR, the folder of last year's files");
        return false;
    }
    return true;
}

int TCliTransfer::Run(const QStringList &Args)
{
    TRequest Request;
    QString Problem;
    if (!Parse(Args, Request, Problem))
        return Usage(Problem);
    if (!QFileInfo(Request.From).isDir())
        return Fail(QStringLiteral("%1 is not a folder").arg(Request.From));
    if (Request.To.isEmpty())
        Request.To = PrepareDataDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (!QFileInfo(Request.To).isDir())
        return Fail(QStringLiteral("%1 is not a folder").arg(Request.To));
    if (Request.Names.isEmpty())
        Request.Names = TTransferRun::LastYearFiles(Request.From);
    if (Request.Names.isEmpty())
        return Fail(QStringLiteral("no %1 files in %2").arg(LastYearW3Extension(), Request.From));

    bool AnyFailed = false;
    TTransferRun Run(Request.From, Request.To, !Request.Overwrite);
    const int Transferred = Run.Run(Request.Names, [&](const TTransferOutcome &Outcome) {
        AnyFailed = AnyFailed || Outcome.Kind == TTransferOutcome::TKind::Failed;
        FOut << EscapeControlChars(Line(Outcome)) << "\n";
        FOut.flush();
    });
    FOut << CountText(Transferred, QStringLiteral("company"), QStringLiteral("companies"))
         << " transferred\n";
    return AnyFailed ? 1 : 0;
}

int TCliTransfer::Usage(const QString &Problem)
{
    FErr << "qmrk-w2-cli: " << EscapeControlChars(Problem) << "\nTry 'qmrk-w2-cli transfer --help'.\n";
    return 2;
}

int TCliTransfer::Fail(const QString &Problem)
{
    FErr << "qmrk-w2-cli: " << EscapeControlChars(Problem) << "\n";
    return 1;
}
