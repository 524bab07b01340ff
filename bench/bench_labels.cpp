// Mailing labels at their largest: 10,000 employees (the most a file holds)
// printed by qmrk-w2-cli labels into one PDF, 334 Avery 5160 sheets, every
// label with its POSTNET bar code. Prints the time, the tool's peak memory
// and the PDF bytes a page. Usage: bench_labels [RUNS]
#include "TBenchCompany.h"
#include "TBenchToolRun.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>

namespace {

constexpr int EmployeeCount = 10000;
constexpr int Sheets = (EmployeeCount + 29) / 30;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    const int Runs = std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("3")).toInt());
    QTemporaryDir Folder;
    const QString Company = TBenchCompany::WriteCompany(Folder.path(), QStringLiteral("Acme"), EmployeeCount);
    const QString Pdf = Folder.filePath(QStringLiteral("labels.pdf"));
    TBenchToolRun::Report("10,000 employee labels with bar codes", Sheets, Runs, [&] {
        return TBenchToolRun::RunOnce({ QStringLiteral("labels"), QStringLiteral("--pdf"), Pdf, Company },
            Pdf, QStringLiteral("labels"));
    });
    return 0;
}
