// Figures for the record file engine on a 10,000-record file of 480-byte
// records, beside raw pread(2) on the same file. Prints median and best of
// several runs in milliseconds.
#include "MsgBox.h"
#include "TBenchTiming.h"
#include "TConsoleInteraction.h"
#include "TRecordSet.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

constexpr int RecSize = 480;
constexpr int Count = 10000;

// Confirms every question: the benchmark deletes without a person.
class TConfirmAll : public TConsoleInteraction {
public:
    int MessageBox(const QString &, const QString &, int) override { return MsgResult::Ok; }
};

void MakeFile(const QString &Path, int Records)
{
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(Path));
    QByteArray Record(RecSize, 'r');
    for (int I = 0; I < Records; ++I)
        File.write(Record);
}

void Measure(
    const char *Name, int Runs, const std::function<void()> &Setup, const std::function<void()> &Work)
{
    const TBenchTiming::TTimes Times = TBenchTiming::Time(Runs, Setup, Work);
    std::printf(
        "%-44s median %8.3f ms   best %8.3f ms   (%d runs)\n", Name, Times.MedianMs, Times.BestMs, Runs);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication App(argc, argv);
    TConfirmAll Confirm;
    TUserInteraction::Install(&Confirm);
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("bench.W225"));
    const auto NoSetup = [] {};

    MakeFile(Path, Count);
    std::vector<char> Buffer(RecSize);
    Measure("raw pread x 10,000 (480 bytes)", 30, NoSetup, [&] {
        const int Fd = ::open(QFile::encodeName(Path).constData(), O_RDONLY);
        for (int I = 0; I < Count; ++I)
            if (::pread(Fd, Buffer.data(), RecSize, off_t(I) * RecSize) != RecSize)
                qFatal("short read");
        ::close(Fd);
    });

    TRecordSet Set;
    Set.SetRecSize(RecSize);
    Set.SetFileName(Path);
    Set.SetFileShareMode(TFileShareMode::smShareDenyWrite);
    long Sum = 0;
    Set.OnAfterRead = [&Sum](TRecordSet *Sender) { Sum += Sender->RecordBuffer()[0]; };
    Set.OpenRecSet();
    Measure("walk: RootRec, 10,000 NextRec, PopRec", 30, NoSetup, [&] {
        Set.RootRec();
        const int Records = Set.RecordCount();
        for (int I = 0; I < Records; ++I)
            Set.NextRec();
        Set.PopRec();
    });
    Set.CloseRecSet();

    Measure(
        "10,000 NewRec on a one-record file", 10,
        [&] {
            MakeFile(Path, 1);
            Set.OpenRecSet();
        },
        [&] {
            for (int I = 0; I < Count; ++I)
                Set.NewRec();
            Set.CloseRecSet();
        });

    Measure(
        "DeleteRec of record 1 of 10,000", 10,
        [&] {
            MakeFile(Path, Count);
            Set.OpenRecSet();
            Set.FirstRec();
        },
        [&] {
            Set.DeleteRec();
            Set.CloseRecSet();
        });
    std::printf("(checksum %ld)\n", Sum);
    TUserInteraction::Install(nullptr);
    return 0;
}
