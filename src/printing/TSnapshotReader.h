#pragma once

#include "TJobSettings.h"
#include "TReportPage.h"

#include <QList>
#include <QString>

class QIODevice;

// Reads a snapshot from a seekable device. The constructor checks the whole
// snapshot (header, every block's length, check sum and contents, the index)
// and refuses a damaged or incomplete one with ESnapshotException; pages are
// then read one at a time, when they are asked for, and only their offsets
// stay in memory.
class TSnapshotReader {
public:
    // The largest snapshot file opened: a 10,000-page run of W-2s takes
    // about 11 MiB, so this leaves room for any run the program makes.
    static constexpr qint64 MaxFileSize = qint64(1) << 30;

    // Name: the file's path or a description, for messages.
    TSnapshotReader(QIODevice &Device, const QString &Name);

    int PageCount() const { return int(FOffsets.size()); }
    // Number counts from 1.
    TReportPage Page(int Number) const;
    const TJobSettings &Job() const { return FJob; }
    QIODevice &Device() const { return FDevice; }
    const QString &Name() const { return FName; }

private:
    struct TBlock {
        QByteArray Tag;
        QByteArray Payload;
        quint64 End = 0;
    };
    [[noreturn]] void Damaged(const QString &Problem) const;
    void ReadHeader(quint32 &Count, quint64 &IndexOffset) const;
    TBlock ReadBlock(quint64 Offset, const QByteArray &Tag, const QString &What) const;
    void ReadIndex(quint32 Count, quint64 IndexOffset, quint64 &JobOffset);
    void CheckPages(quint64 JobOffset) const;

    QIODevice &FDevice;
    QString FName;
    quint64 FSize = 0;
    QList<quint64> FOffsets;
    TJobSettings FJob;
};
