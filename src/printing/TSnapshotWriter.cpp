#include "TSnapshotWriter.h"

#include "Crc32.h"
#include "EReportException.h"
#include "SnapshotFormat.h"
#include "TByteWriter.h"
#include "TSnapshotCodec.h"

#include <QIODevice>

TSnapshotWriter::TSnapshotWriter(QIODevice &Device, const QString &Name)
    : FDevice(Device)
    , FName(Name)
{
}

QByteArray TSnapshotWriter::Header(quint32 PageCount, quint64 IndexOffset) const
{
    TByteWriter Out;
    Out.Raw(SnapshotFormat::Magic);
    Out.U16(SnapshotFormat::Version);
    Out.U16(0);
    Out.U32(PageCount);
    Out.U64(IndexOffset);
    Out.U32(Crc32(Out.Bytes()));
    Out.U32(0);
    return Out.Bytes();
}

void TSnapshotWriter::Write(const QByteArray &Bytes)
{
    if (FDevice.write(Bytes) != Bytes.size())
        throw EReportException(
            QStringLiteral("The snapshot %1 could not be written: %2").arg(FName, FDevice.errorString()));
}

void TSnapshotWriter::WriteBlock(const QByteArray &Tag, const QByteArray &Payload)
{
    TByteWriter Out;
    Out.Raw(Tag);
    Out.U32(quint32(Payload.size()));
    Out.Raw(Payload);
    Out.U32(Crc32(Payload));
    Write(Out.Bytes());
}

void TSnapshotWriter::BeginDoc()
{
    FOffsets.clear();
    FStart = FDevice.pos();
    Write(Header(0, 0));
}

void TSnapshotWriter::AddPage(const TReportPage &Page)
{
    FOffsets.append(quint64(FDevice.pos() - FStart));
    WriteBlock(SnapshotFormat::PageTag, TSnapshotCodec::EncodePage(Page));
}

void TSnapshotWriter::EndDoc(const TJobSettings &Job)
{
    const quint64 JobOffset = quint64(FDevice.pos() - FStart);
    WriteBlock(SnapshotFormat::JobTag, TSnapshotCodec::EncodeJob(Job));
    const quint64 IndexOffset = quint64(FDevice.pos() - FStart);
    TByteWriter Index;
    for (quint64 Offset : FOffsets)
        Index.U64(Offset);
    Index.U64(JobOffset);
    WriteBlock(SnapshotFormat::IndexTag, Index.Bytes());
    const qint64 End = FDevice.pos();
    if (!FDevice.seek(FStart))
        throw EReportException(QStringLiteral("The snapshot %1 could not be completed.").arg(FName));
    Write(Header(quint32(FOffsets.size()), IndexOffset));
    FDevice.seek(End);
}
