// The entry windows' work over a company of 10,000 employees (the most a
// file may hold): building the sorted name index, the W-3 totals, opening
// the employee list, and one Next of the W-2 window's navigator with its
// checks and post. Prints the median and best of several runs of each.
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "TApplication.h"
#include "TBenchTiming.h"
#include "TFrmDataModule.h"
#include "TFrmRecList.h"
#include "TFrmW2.h"
#include "TRSNavigator.h"
#include "TRecordIndex.h"
#include "TRecordSet.h"
#include "W3Totals.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

constexpr int Count = 10000;
constexpr int Runs = 21;

EmployeeRecord Employee(int I)
{
    static const char *Last[] = { "Smith", "adams", "Nguyen", "O'Brien", "Garcia", "Lee", "Muller" };
    EmployeeRecord E;
    E.SetEmployeeSSN(QStringLiteral("123-45-%1").arg(1000 + I % 9000));
    E.SetFirstName(QStringLiteral("First%1").arg(Count - I));
    E.SetLastName(QLatin1String(Last[I % 7]));
    E.SetStreetAddress(QStringLiteral("%1 Elm Street").arg(I));
    E.SetCity(QStringLiteral("Springfield"));
    E.SetState(QStringLiteral("IL"));
    E.SetZipCode(QStringLiteral("62704"));
    E.SetBox1Wages(20000 + I);
    E.SetBox3SocSecWages(20000 + I);
    E.SetBox5MedicareWages(20000 + I);
    E.SetBox12Code_a(I % 2 ? QStringLiteral("D") : QStringLiteral("DD"));
    E.SetBox12Amt_a(100);
    E.SetBox15State_a(QStringLiteral("IL"));
    E.SetStateID_a(QStringLiteral("12345678"));
    E.SetBox16StateWages_a(20000 + I);
    return E;
}

void MakeCompany(const QString &W2File, const QString &W3File)
{
    QFile Employer(W3File);
    QFile Employees(W2File);
    if (!Employer.open(QIODevice::WriteOnly) || !Employees.open(QIODevice::WriteOnly))
        qFatal("cannot write the company files");
    Employer.write(EmployerRecord().Bytes());
    for (int I = 0; I < Count; ++I)
        Employees.write(Employee(I).Bytes());
}

// Between runs before each timed Work, untimed.
void Measure(const char *What, const std::function<void()> &Work, const std::function<void()> &Between = {})
{
    const TBenchTiming::TTimes Times = TBenchTiming::Time(Runs, Between, Work);
    std::printf("%-58s median %8.3f ms, best %8.3f ms (%d runs)\n", What, Times.MedianMs, Times.BestMs, Runs);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication App(argc, argv);
    QTemporaryDir Dir;
    const QString W2File = Dir.filePath(QStringLiteral("Bench.W225"));
    MakeCompany(W2File, Dir.filePath(QStringLiteral("Bench.W325")));
    TFrmDataModule Data;
    Data.OpenCompany(W2File);
    if (!Data.CompanyFileOpen || Data.RSW2->RecordCount() != Count)
        qFatal("the company did not open");
    std::printf("%d employees\n", Count);

    TRecordIndex &Index = TRecordIndex::Instance();
    Measure(
        "Build the sorted index", [&] { Index.Build(Data, Count); }, [&] { Data.RecordIndexDirty = true; });
    Measure("W-3 totals", [&] { ComputeW3Totals(Data); });
    Measure(
        "Open the employee list (index, fill, show)",
        [&] {
            Index.Build(Data, Count);
            QStringList Names;
            Names.reserve(Count);
            for (const RecIndexData &Entry : Index.Entries())
                Names.append(Entry.Name);
            TFrmRecList List(Names);
            List.show();
            QCoreApplication::processEvents();
        },
        [&] { Data.RecordIndexDirty = true; });

    Data.RSW2->FirstRec();
    TFrmW2 Window(Data);
    Window.show();
    QCoreApplication::processEvents();
    Measure("Navigator Next with the checks and the post", [&] {
        Window.RSNavigator->Click(nbNext);
        QCoreApplication::processEvents();
    });
    if (Data.RSW2->CurrentRecord() != Runs + 1)
        qFatal("the navigator did not move on every Next");
    Window.hide();
    Data.CloseCompany();
    return 0;
}
