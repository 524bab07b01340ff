// ValidEmployeeCount over a company of 10,000 employee records (the most the
// program lets a file hold): one walk reads every record through the record
// set into CurrentEmployee. Prints median and best of several runs.
#include "EmployeeRecord.h"
#include "TBenchTiming.h"
#include "TFrmDataModule.h"
#include "TRecordSet.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Count = 10000;
constexpr int Runs = 30;

// Two records in three with wages, every tenth with sub-cent or negative ones.
void MakeCompany(const QString &W2File, const QString &W3File)
{
    QFile Employer(W3File);
    QFile Employees(W2File);
    if (!Employer.open(QIODevice::WriteOnly) || !Employees.open(QIODevice::WriteOnly))
        qFatal("cannot write the company files");
    Employer.write(QByteArray(EmployerRecord::RecSize, '\0'));
    for (int I = 0; I < Count; ++I) {
        EmployeeRecord Record;
        Record.SetFirstName(QStringLiteral("E%1").arg(I));
        if (I % 10 == 0)
            Record.SetBox1Wages(I % 20 == 0 ? 0.004 : -5.0);
        else if (I % 3 != 0)
            Record.SetBox1Wages(1000.0 + I);
        else
            Record.SetBox16StateWages_a(I % 2 ? 0.005 : 0.0);
        Employees.write(Record.Bytes());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    QTemporaryDir Dir;
    const QString W2File = Dir.filePath(QStringLiteral("Bench.W225"));
    MakeCompany(W2File, Dir.filePath(QStringLiteral("Bench.W325")));

    TFrmDataModule Module;
    Module.OpenCompany(W2File);
    if (!Module.CompanyFileOpen || Module.RSW2->RecordCount() != Count)
        qFatal("the company did not open");

    int Valid = 0;
    const TBenchTiming::TTimes Times
        = TBenchTiming::Time(Runs, {}, [&] { Valid = Module.ValidEmployeeCount(); });
    Module.CloseCompany();
    std::printf("ValidEmployeeCount over %d records: %d valid; median %.3f ms, best %.3f ms (%d runs)\n",
        Count, Valid, Times.MedianMs, Times.BestMs, Runs);
    return 0;
}
