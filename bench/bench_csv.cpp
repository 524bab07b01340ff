// Figures for employees to and from CSV files: export of a 10,000-employee
// company, import of that file into a new company (read, check, write), and
// the preview window filled with its rows. Prints median and best of several
// runs in milliseconds.
#include "AddressLine.h"
#include "EmployeeExport.h"
#include "NumberUtils.h"
#include "TBenchCompany.h"
#include "TBenchTiming.h"
#include "TCompanyDump.h"
#include "TEmployeeImport.h"
#include "TFrmImportPreview.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Count = 10000;

void Measure(
    const char *Name, int Runs, const std::function<void()> &Setup, const std::function<void()> &Work)
{
    const TBenchTiming::TTimes Times = TBenchTiming::Time(Runs, Setup, Work);
    std::printf(
        "%-48s median %9.1f ms   best %9.1f ms   (%d runs)\n", Name, Times.MedianMs, Times.BestMs, Runs);
}

void WriteFile(const QString &Path, const QByteArray &Bytes)
{
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate) || File.write(Bytes) != Bytes.size())
        qFatal("cannot write %s", qPrintable(Path));
}

// The benchmark company as the W-2 window saves it: every SSN its own (the
// import refuses a file that holds one twice), amounts in cents, box 12
// codes in capitals, the address line derived. Its export imported into a
// new company then gives the same bytes.
QString WriteCompany(const QString &Folder, const QString &Name)
{
    WriteFile(
        Folder + QLatin1Char('/') + Name + QStringLiteral(".W325"), TBenchCompany::Employer(Name).Bytes());
    QByteArray Employees;
    for (int I = 0; I < Count; ++I) {
        EmployeeRecord E = TBenchCompany::Employee(I);
        E.SetEmployeeSSN(QStringLiteral("%1-56-%2").arg(234 + I / 9000).arg(1000 + I % 9000));
        const double Wages = RoundValue(E.Box1Wages(), 2);
        E.SetBox1Wages(Wages);
        E.SetBox3SocSecWages(Wages);
        E.SetBox5MedicareWages(Wages);
        E.SetBox16StateWages_a(Wages);
        E.SetBox2FedIncomeTax(RoundValue(E.Box2FedIncomeTax(), 2));
        E.SetBox4SocSecTax(RoundValue(E.Box4SocSecTax(), 2));
        E.SetBox6MedicareTax(RoundValue(E.Box6MedicareTax(), 2));
        E.SetBox12Code_b(E.Box12Code_b().toUpper());
        E.SetCityStateZip(CityStateZipLine(E.City(), E.State(), E.ZipCode()));
        Employees.append(E.Bytes());
    }
    const QString W2 = Folder + QLatin1Char('/') + Name + QStringLiteral(".W225");
    WriteFile(W2, Employees);
    return W2;
}

QByteArray ReadAll(const QString &Path)
{
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(Path));
    return File.readAll();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication App(argc, argv);
    QTemporaryDir Dir;
    const QString From = WriteCompany(Dir.path(), QStringLiteral("From"));
    const QString Csv = Dir.filePath(QStringLiteral("employees.csv"));
    const QString To = Dir.filePath(QStringLiteral("To.W225"));

    Measure(
        "export 10,000 employees (read, CSV, write)", 5, [] {},
        [&] {
            TCompanyDump Company;
            QString Problem;
            if (!Company.ReadComplete(From, QStringLiteral("nothing"), Problem))
                qFatal("%s", qPrintable(Problem));
            if (const QString Failure = WriteEmployeesCsv(Csv, Company.Employees()); !Failure.isEmpty())
                qFatal("%s", qPrintable(Failure));
        });
    std::printf("CSV file: %lld bytes\n", static_cast<long long>(QFile(Csv).size()));

    const auto NewCompany = [&] {
        QFile::remove(To);
        QFile::remove(Dir.filePath(QStringLiteral("To.W325")));
        QFile::copy(Dir.filePath(QStringLiteral("From.W325")), Dir.filePath(QStringLiteral("To.W325")));
        WriteFile(To, QByteArray(480, '\0'));
    };
    Measure("import 10,000 employees (read, check, write)", 5, NewCompany, [&] {
        TEmployeeImport Import;
        QString Problem;
        if (!Import.ReadCompany(To, Problem))
            qFatal("%s", qPrintable(Problem));
        Import.Load(ReadAll(Csv));
        if (!Import.Ready())
            qFatal("%s", qPrintable(Import.Problems().first().Text()));
        if (const QString Failure = Import.WriteCompany(To); !Failure.isEmpty())
            qFatal("%s", qPrintable(Failure));
    });
    if (ReadAll(To) != ReadAll(From))
        qFatal("the imported company differs from the exported one");
    std::printf("imported company equals the exported one byte for byte\n");

    TEmployeeImport Import;
    NewCompany();
    QString Problem;
    Import.ReadCompany(To, Problem);
    Import.Load(ReadAll(Csv));
    Measure(
        "preview window with 10,000 rows (built, shown)", 3, [] {},
        [&] {
            TFrmImportPreview Window(Import, QStringLiteral("employees.csv"));
            Window.show();
            QApplication::processEvents();
        });
    return 0;
}
