#pragma once

#include "TPageSink.h"

#include <QList>
#include <QString>

class QIODevice;

// Writes a snapshot into a seekable device, page by page. Until EndDoc the
// header says "no pages", so a run that breaks off leaves a snapshot that is
// refused as incomplete rather than one that looks whole.
class TSnapshotWriter : public TPageSink {
public:
    // Name: the file's path or a description, for messages.
    TSnapshotWriter(QIODevice &Device, const QString &Name);

    void BeginDoc() override;
    void AddPage(const TReportPage &Page) override;
    void EndDoc(const TJobSettings &Job) override;

    int PageCount() const { return int(FOffsets.size()); }

private:
    void WriteBlock(const QByteArray &Tag, const QByteArray &Payload);
    void Write(const QByteArray &Bytes);
    QByteArray Header(quint32 PageCount, quint64 IndexOffset) const;

    QIODevice &FDevice;
    QString FName;
    qint64 FStart = 0;
    QList<quint64> FOffsets;
};
