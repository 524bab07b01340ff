#include "TCliReport.h"

#include "CommitSaveFile.h"
#include "EException.h"
#include "TBaseReport.h"
#include "TRvProject.h"
#include "TRvRenderHTML.h"
#include "TRvRenderPDF.h"
#include "TSnapshotReader.h"
#include "TSnapshotWriter.h"
#include "TextUtils.h"

#include <QBuffer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QTextStream>

namespace {

// Draws the report once on a fresh output writing into Device.
void Generate(TRvProject &Project, QIODevice &Device, const QString &Name)
{
    TSnapshotWriter Writer(Device, Name);
    TBaseReport Output(Writer);
    TJobSettings Job;
    Job.Title = Project.CurrentReport();
    Output.SetJob(Job);
    Output.BeginDoc();
    Project.ExecuteOn(Output);
    Output.EndDoc();
}

} // namespace

TCliReport::TCliReport(QTextStream &Out, QTextStream &Err)
    : FOut(Out)
    , FErr(Err)
{
}

QString TCliReport::HelpText()
{
    return QStringLiteral("  report --project FILE --report NAME [--param NAME=VALUE ...]\n"
                          "         (--pdf OUT | --html OUT | --snapshot OUT)\n"
                          "               render one page of the report NAME of the report project\n"
                          "               FILE with the parameters given (each --param once per\n"
                          "               name; the value may be empty) to a PDF file, an HTML file\n"
                          "               or a snapshot (.ndr) the preview opens. Runs without a\n"
                          "               display.\n");
}

bool TCliReport::Parse(const QStringList &Args, TRequest &Request, QString &Problem) const
{
    for (int I = 0; I < Args.size(); ++I) {
        const QString &Option = Args.at(I);
        if (I + 1 >= Args.size()) {
            Problem = QStringLiteral("%1 needs a value").arg(Option);
            return false;
        }
        const QString Value = Args.at(++I);
        if (Option == QLatin1String("--project")) {
            Request.Project = Value;
        } else if (Option == QLatin1String("--report")) {
            Request.Report = Value;
        } else if (Option == QLatin1String("--param")) {
            const qsizetype Equals = Value.indexOf(QLatin1Char('='));
            if (Equals <= 0) {
                Problem = QStringLiteral("--param takes NAME=VALUE, not '%1'").arg(Value);
                return false;
            }
            Request.Params.append({ Value.left(Equals), Value.mid(Equals + 1) });
        } else if (Option == QLatin1String("--pdf") || Option == QLatin1String("--html")
            || Option == QLatin1String("--snapshot")) {
            if (!Request.Kind.isEmpty()) {
                Problem = QStringLiteral("give one of --pdf, --html and --snapshot");
                return false;
            }
            Request.Kind = Option.mid(2);
            Request.Output = Value;
        } else {
            Problem = QStringLiteral("unknown option '%1' for report").arg(Option);
            return false;
        }
    }
    if (Request.Project.isEmpty() || Request.Report.isEmpty() || Request.Kind.isEmpty()) {
        Problem = QStringLiteral("report needs --project, --report and one of --pdf, --html and --snapshot");
        return false;
    }
    return true;
}

void TCliReport::Render(const TRequest &Request) const
{
    TRvProject Project;
    Project.ProjectFile = Request.Project;
    Project.Open();
    if (!Project.SelectReport(Request.Report))
        throw EException(QStringLiteral("The report project %1 has no report '%2'; it has: %3.")
                             .arg(QFileInfo(Request.Project).absoluteFilePath(), Request.Report,
                                 Project.ReportNames().join(QLatin1String(", "))));
    for (const auto &[Name, Value] : Request.Params)
        Project.SetParam(Name, Value);
    if (Request.Kind == QLatin1String("snapshot")) {
        QSaveFile File(Request.Output);
        if (!File.open(QIODevice::WriteOnly))
            throw EException(
                QStringLiteral("%1 cannot be written: %2").arg(Request.Output, File.errorString()));
        Generate(Project, File, Request.Output);
        if (const QString Problem = CommitSaveFile(File); !Problem.isEmpty())
            throw EException(QStringLiteral("%1 cannot be written: %2").arg(Request.Output, Problem));
        return;
    }
    QBuffer Memory;
    Memory.open(QIODevice::ReadWrite);
    Generate(Project, Memory, QStringLiteral("the page in memory"));
    const TSnapshotReader Snapshot(Memory, QStringLiteral("the page in memory"));
    if (Request.Kind == QLatin1String("pdf")) {
        TRvRenderPDF Pdf;
        Pdf.Info = TRvRenderPDF::ProgramInfo();
        Pdf.Render(Snapshot, Request.Output);
    } else {
        TRvRenderHTML Html;
        Html.Title = Project.CurrentReport();
        Html.Render(Snapshot, Request.Output);
    }
}

int TCliReport::Run(const QStringList &Args)
{
    TRequest Request;
    QString Problem;
    if (!Parse(Args, Request, Problem)) {
        FErr << "qmrk-w2-cli: " << EscapeControlChars(Problem) << "\nTry 'qmrk-w2-cli --help'.\n";
        return 2;
    }
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        FErr << "qmrk-w2-cli: report needs a QGuiApplication for its fonts\n";
        return 1;
    }
    try {
        Render(Request);
    } catch (const EException &Error) {
        FErr << "qmrk-w2-cli: " << EscapeControlChars(Error.Message()) << "\n";
        return 1;
    }
    FOut << EscapeControlChars(QFileInfo(Request.Output).absoluteFilePath()) << "\n";
    return 0;
}
