#include "TMemoryStatus.h"

#include "AmountFormat.h"

#include <QFile>

#include <algorithm>

namespace {

QString TestMeminfoFile;

} // namespace

TMemoryStatus TMemoryStatus::FromMeminfo(const QByteArray &Text)
{
    TMemoryStatus Status;
    for (const QByteArray &Line : Text.split('\n')) {
        const QList<QByteArray> Parts = Line.simplified().split(' ');
        if (Parts.size() < 2)
            continue;
        bool Ok = false;
        const qint64 Value = Parts.at(1).toLongLong(&Ok);
        if (!Ok || Value < 0)
            continue;
        if (Parts.at(0) == "MemTotal:")
            Status.FTotalKiB = Value;
        else if (Parts.at(0) == "MemAvailable:")
            Status.FAvailableKiB = Value;
    }
    return Status;
}

TMemoryStatus TMemoryStatus::Current()
{
    QFile File(TestMeminfoFile.isEmpty() ? QStringLiteral("/proc/meminfo") : TestMeminfoFile);
    // /proc files report no size: read until the end.
    if (!File.open(QIODevice::ReadOnly))
        return {};
    return FromMeminfo(File.readAll());
}

void TMemoryStatus::SetMeminfoFileForTest(const QString &Path)
{
    TestMeminfoFile = Path;
}

int TMemoryStatus::LoadPercent() const
{
    if (FTotalKiB <= 0)
        return 0;
    const qint64 Used = std::clamp<qint64>(FTotalKiB - FAvailableKiB, 0, FTotalKiB);
    return int(Used * 100 / FTotalKiB);
}

QString TMemoryStatus::TotalText() const
{
    return FormatAmount(double(TotalBytes() / 1024), 0, false) + QStringLiteral(" KB");
}

QString TMemoryStatus::LoadText() const
{
    return QString::asprintf("%d %%", LoadPercent());
}
