#include "TPrintingTestData.h"

#include "TBaseReport.h"
#include "TRvProject.h"
#include "TSnapshotReader.h"
#include "TSnapshotWriter.h"

#include <QIODevice>

namespace PrintingTestData {

QString DataFile(const QString &Name)
{
    return QStringLiteral(QMRK_PRINTING_TEST_DATA "/") + Name;
}

QString SampleProject()
{
    return DataFile(QStringLiteral("Sample.RAV"));
}

QHash<QString, QString> SampleParams(int Number)
{
    return { { QStringLiteral("Boxa"), QStringLiteral("123-45-%1").arg(6780 + Number % 10) },
        { QStringLiteral("Name"), QStringLiteral("EMPLOYEE NUMBER %1").arg(Number) },
        { QStringLiteral("Amount"), QStringLiteral("%1.25").arg(1000 * Number) },
        { QStringLiteral("Caption"), QStringLiteral("Copy %1").arg(Number) },
        { QStringLiteral("Check"), Number % 2 ? QStringLiteral("X") : QString() } };
}

void WriteSampleRun(QIODevice &Device, int Pages)
{
    TRvProject Project;
    Project.ProjectFile = SampleProject();
    Project.Open();
    TSnapshotWriter Writer(Device, QStringLiteral("sample run"));
    TBaseReport Output(Writer);
    Output.BeginDoc();
    for (int Number = 1; Number <= Pages; ++Number) {
        if (Number > 1)
            Output.NewPage();
        Project.SelectReport(Number % 3 == 0 ? QStringLiteral("Wide") : QStringLiteral("Sample"));
        const QHash<QString, QString> Params = SampleParams(Number);
        for (auto It = Params.begin(); It != Params.end(); ++It)
            Project.SetParam(It.key(), It.value());
        Project.ExecuteOn(Output);
    }
    Output.EndDoc();
    Project.ClearParams();
    Project.Close();
}

QList<TReportPage> ReadPages(QIODevice &Device)
{
    const TSnapshotReader Reader(Device, QStringLiteral("pages"));
    QList<TReportPage> Pages;
    for (int Number = 1; Number <= Reader.PageCount(); ++Number)
        Pages.append(Reader.Page(Number));
    return Pages;
}

} // namespace PrintingTestData
