// Forms W-2 at their largest: 10,000 employees (the most a file holds)
// printed by qmrk-w2-cli print with the installed TaxForms.RAV, as the SSA's
// Copy A (two a page, 5,000 pages) and as the employee copies (one a page,
// 10,000 pages), each into one PDF. Prints the time, the tool's peak memory
// and the PDF bytes a page. Usage: bench_formprinting [RUNS]
#include "TBenchCompany.h"
#include "TBenchToolRun.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>

namespace {

constexpr int EmployeeCount = 10000;

// One print run of Form into Pdf.
TBenchToolRun::TRun PrintOnce(const QString &Form, const QString &Company, const QString &Pdf)
{
    return TBenchToolRun::RunOnce(
        { QStringLiteral("print"), QStringLiteral("--form"), Form, QStringLiteral("--pdf"), Pdf, Company },
        Pdf, QStringLiteral("print --form ") + Form);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    const int Runs = std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("3")).toInt());
    QTemporaryDir Folder;
    const QString Company = TBenchCompany::WriteCompany(Folder.path(), QStringLiteral("Acme"), EmployeeCount);
    const QString Pdf = Folder.filePath(QStringLiteral("forms.pdf"));
    TBenchToolRun::Report("10,000 employees as Copy A (SSA)", EmployeeCount / 2, Runs,
        [&] { return PrintOnce(QStringLiteral("ssa"), Company, Pdf); });
    TBenchToolRun::Report("10,000 employees as employee copies", EmployeeCount, Runs,
        [&] { return PrintOnce(QStringLiteral("employee"), Company, Pdf); });
    return 0;
}
