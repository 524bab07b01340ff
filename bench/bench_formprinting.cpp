// Forms W-2 at their largest: 10,000 employees (the most a file holds)
// printed by qmrk-w2-cli print with the installed TaxForms.RAV, as the SSA's
// Copy A (two a page, 5,000 pages) and as the employee copies (one a page,
// 10,000 pages), each into one PDF. Prints the time, the tool's peak memory
// and the PDF bytes a page. Usage: bench_formprinting [RUNS]
#include "EmployeeRecord.h"
#include "EmployerRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int EmployeeCount = 10000;

EmployerRecord Employer()
{
    EmployerRecord R;
    R.SetKindOfPayer941(true);
    R.SetKindOfEmployerNoneApply(true);
    R.SetEmployerEIN(QStringLiteral("12-3456789"));
    R.SetEmployerName(QStringLiteral("Acme Hardware and Supply"));
    R.SetEmployerTradeName(QStringLiteral("Acme Tools"));
    R.SetEmployerAddress(QStringLiteral("100 Industrial Way"));
    R.SetEmployerCity(QStringLiteral("Springfield"));
    R.SetEmployerState(QStringLiteral("IL"));
    R.SetEmployerZipCode(QStringLiteral("62701-4321"));
    R.SetBox15State(QStringLiteral("IL"));
    R.SetEmployerStateID(QStringLiteral("12345678"));
    return R;
}

// Every box that most employees fill, so each page carries a full set of texts.
EmployeeRecord Employee(int I)
{
    const double Wages = 20000.0 + I * 3.17;
    EmployeeRecord E;
    E.SetEmployeeSSN(QStringLiteral("234-56-%1").arg(1000 + I % 9000, 4, 10, QLatin1Char('0')));
    E.SetFirstName(QStringLiteral("Jos\u00e9 %1").arg(I));
    E.SetLastName(QStringLiteral("Mu\u00f1oz-%1").arg(I % 97));
    E.SetStreetAddress(QStringLiteral("%1 Elm Street").arg(I));
    E.SetCity(QStringLiteral("Springfield"));
    E.SetState(QStringLiteral("IL"));
    E.SetZipCode(QStringLiteral("62704-1234"));
    E.SetBox1Wages(Wages);
    E.SetBox2FedIncomeTax(Wages * 0.1);
    E.SetBox3SocSecWages(Wages);
    E.SetBox4SocSecTax(Wages * 0.062);
    E.SetBox5MedicareWages(Wages);
    E.SetBox6MedicareTax(Wages * 0.0145);
    E.SetBox12Code_a(QStringLiteral("D"));
    E.SetBox12Amt_a(1000);
    E.SetBox12Code_b(QStringLiteral("DD"));
    E.SetBox12Amt_b(5000.55);
    E.SetBox15State_a(QStringLiteral("IL"));
    E.SetStateID_a(QStringLiteral("12345678"));
    E.SetBox16StateWages_a(Wages);
    E.SetBox17StateTax_a(Wages * 0.0495);
    return E;
}

QString WriteCompany(const QString &Folder)
{
    const QString Base = QDir(Folder).filePath(QStringLiteral("Acme"));
    QFile W3(Base + QStringLiteral(".W325"));
    QFile W2(Base + QStringLiteral(".W225"));
    if (!W3.open(QIODevice::WriteOnly) || !W2.open(QIODevice::WriteOnly))
        qFatal("cannot write the company files");
    W3.write(Employer().Bytes());
    QByteArray Employees;
    for (int I = 0; I < EmployeeCount; ++I)
        Employees += Employee(I).Bytes();
    W2.write(Employees);
    return W2.fileName();
}

// The peak resident memory of a running process, in KiB; 0 once it is gone.
qint64 PeakKiB(qint64 Pid)
{
    QFile Status(QStringLiteral("/proc/%1/status").arg(Pid));
    if (!Status.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression Hwm(QStringLiteral(R"(VmHWM:\s+(\d+) kB)"));
    const QRegularExpressionMatch Match = Hwm.match(QString::fromLatin1(Status.readAll()));
    return Match.hasMatch() ? Match.captured(1).toLongLong() : 0;
}

struct TRun {
    double Seconds = 0;
    qint64 PeakKiB = 0;
    qint64 Bytes = 0;
};

// One print run as the tool itself; the peak memory is read while it runs.
TRun PrintOnce(const QString &Form, const QString &Company, const QString &Pdf)
{
    QFile::remove(Pdf);
    QProcess Cli;
    QElapsedTimer Clock;
    Clock.start();
    Cli.start(QStringLiteral(QMRK_CLI_PATH),
        { QStringLiteral("print"), QStringLiteral("--form"), Form, QStringLiteral("--pdf"), Pdf, Company });
    if (!Cli.waitForStarted())
        qFatal("qmrk-w2-cli did not start");
    TRun Run;
    while (!Cli.waitForFinished(20))
        Run.PeakKiB = std::max(Run.PeakKiB, PeakKiB(Cli.processId()));
    Run.Seconds = Clock.nsecsElapsed() / 1e9;
    if (Cli.exitStatus() != QProcess::NormalExit || Cli.exitCode() != 0)
        qFatal("print --form %s failed: %s", qPrintable(Form), Cli.readAllStandardError().constData());
    Run.Bytes = QFileInfo(Pdf).size();
    return Run;
}

void Report(const char *What, int Pages, const QString &Form, const QString &Company, const QString &Pdf,
    int Runs)
{
    std::vector<TRun> All;
    for (int I = 0; I < Runs; ++I)
        All.push_back(PrintOnce(Form, Company, Pdf));
    std::sort(All.begin(), All.end(), [](const TRun &A, const TRun &B) { return A.Seconds < B.Seconds; });
    const TRun &Median = All[All.size() / 2];
    std::printf("%-44s median %7.2f s   best %7.2f s   peak %6.1f MiB   %7.1f KiB a page (%d pages, %d runs)\n",
        What, Median.Seconds, All.front().Seconds, Median.PeakKiB / 1024.0, Median.Bytes / 1024.0 / Pages,
        Pages, Runs);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    const int Runs = std::max(1, QCoreApplication::arguments().value(1, QStringLiteral("3")).toInt());
    QTemporaryDir Folder;
    const QString Company = WriteCompany(Folder.path());
    const QString Pdf = Folder.filePath(QStringLiteral("forms.pdf"));
    Report("10,000 employees as Copy A (SSA)", EmployeeCount / 2, QStringLiteral("ssa"), Company, Pdf, Runs);
    Report("10,000 employees as employee copies", EmployeeCount, QStringLiteral("employee"), Company, Pdf, Runs);
    return 0;
}
