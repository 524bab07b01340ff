#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <atomic>
#include <thread>

// Files that are no regular files of a sane size, put where a reader expects
// one of its files: a named pipe, a device, a folder, a sparse file far over
// the reader's limit (no disk used).
namespace THostileFiles {

// Kind: "fifo", "zero" (a link to /dev/zero), "null" (a link to /dev/null),
// "folder" or "oversized" (a sparse file of Size bytes). Fails the test run
// when it cannot be made.
void Make(const QString &Path, const QString &Kind, qint64 Size = 0);
// Rows File, Kind, Size, MaxSize for the two files of the company "Acme": a
// pipe, an endless device and a file over the limit in place of each (the
// limits are 10000 employee records of 480 bytes and 1000 employer records
// of 608, each with room for one more).
void AddCompanyFileRows();
// What the refusal says about Path of that Kind, after the path.
QString Problem(const QString &Kind, qint64 Size = 0, qint64 MaxSize = 0);

// The command-line tool run as a process; a run that does not end within
// the timeout is killed and reported, so a reader waiting on a pipe fails
// the test instead of hanging it.
struct TCliRun {
    bool Finished = false;
    int Code = -1;
    QByteArray Out;
    QByteArray Err;
};
TCliRun RunCli(const QString &Program, const QStringList &Args, int TimeoutMs = 30000);

} // namespace THostileFiles

// While it lives, opens Path, when it is a named pipe, for writing whenever a reader
// waits on it and closes it again at once: a reader that opened the pipe and
// blocks is let go with an empty read, so a test of it fails instead of
// hanging.
class TFifoReleaser {
public:
    explicit TFifoReleaser(const QString &Path);
    ~TFifoReleaser();
    TFifoReleaser(const TFifoReleaser &) = delete;
    TFifoReleaser &operator=(const TFifoReleaser &) = delete;

    // How many times a reader was found waiting.
    int Released() const { return FReleased; }

private:
    QByteArray FPath;
    std::atomic<bool> FStop { false };
    std::atomic<int> FReleased { 0 };
    std::thread FThread;
};
