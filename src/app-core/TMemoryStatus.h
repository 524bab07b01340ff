#pragma once

#include <QByteArray>
#include <QString>

// The memory figures the About box shows, from the kernel's /proc/meminfo:
// the total physical memory and the share of it in use.
class TMemoryStatus {
public:
    // From the text of /proc/meminfo (values in KiB). Missing lines count as 0.
    static TMemoryStatus FromMeminfo(const QByteArray &Text);
    // Reads /proc/meminfo, or the file a test names.
    static TMemoryStatus Current();
    static void SetMeminfoFileForTest(const QString &Path);

    qint64 TotalBytes() const { return FTotalKiB * 1024; }
    // (MemTotal - MemAvailable) / MemTotal in whole percent; 0 without a total.
    int LoadPercent() const;

    // "16,318,412 KB": the total in bytes / 1024 with thousands separators.
    QString TotalText() const;
    // "42 %".
    QString LoadText() const;

private:
    qint64 FTotalKiB = 0;
    qint64 FAvailableKiB = 0;
};
