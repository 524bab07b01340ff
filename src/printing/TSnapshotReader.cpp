#include "TSnapshotReader.h"

#include "Crc32.h"
#include "ESnapshotException.h"
#include "SnapshotFormat.h"
#include "TByteReader.h"
#include "TSnapshotCodec.h"

#include <QIODevice>

using namespace SnapshotFormat;

TSnapshotReader::TSnapshotReader(QIODevice &Device, const QString &Name)
    : FDevice(Device)
    , FName(Name)
{
    if (!FDevice.isOpen() || !FDevice.isReadable() || FDevice.isSequential())
        throw ESnapshotException(QStringLiteral("The snapshot %1 cannot be read.").arg(FName));
    FSize = quint64(FDevice.size());
    quint32 Count = 0;
    quint64 IndexOffset = 0;
    ReadHeader(Count, IndexOffset);
    quint64 JobOffset = 0;
    ReadIndex(Count, IndexOffset, JobOffset);
    CheckPages(JobOffset);
    const TBlock Job = ReadBlock(JobOffset, JobTag, QStringLiteral("the printer settings block"));
    if (Job.End != IndexOffset)
        Damaged(QStringLiteral("the printer settings do not end where the index starts"));
    FJob = TSnapshotCodec::DecodeJob(
        Job.Payload, QStringLiteral("The snapshot %1 is damaged: its printer settings").arg(FName));
}

void TSnapshotReader::Damaged(const QString &Problem) const
{
    throw ESnapshotException(QStringLiteral("The snapshot %1 is damaged: %2.").arg(FName, Problem));
}

void TSnapshotReader::ReadHeader(quint32 &Count, quint64 &IndexOffset) const
{
    if (!FDevice.seek(0))
        Damaged(QStringLiteral("it cannot be read from its start"));
    const QByteArray Bytes = FDevice.read(HeaderSize);
    if (!Bytes.startsWith(Magic))
        throw ESnapshotException(QStringLiteral("%1 is not a snapshot of this program.").arg(FName));
    if (Bytes.size() < HeaderSize)
        Damaged(QStringLiteral("it is shorter than its header"));
    TByteReader In(Bytes, FName);
    In.Raw(Magic.size());
    const quint16 Version = In.U16();
    const quint16 Reserved = In.U16();
    Count = In.U32();
    IndexOffset = In.U64();
    const quint32 Sum = In.U32();
    const quint32 Reserved2 = In.U32();
    if (Sum != Crc32(QByteArrayView(Bytes).first(24)))
        Damaged(QStringLiteral("its header fails its check sum"));
    if (Version != SnapshotFormat::Version)
        throw ESnapshotException(
            QStringLiteral("The snapshot %1 is of format %2, which this version of the program cannot read.")
                .arg(FName)
                .arg(Version));
    if (Reserved != 0 || Reserved2 != 0)
        Damaged(QStringLiteral("its header holds unknown values"));
    if (IndexOffset == 0)
        throw ESnapshotException(
            QStringLiteral("The snapshot %1 is incomplete: the run that wrote it did not finish.")
                .arg(FName));
    if (Count > (FSize - HeaderSize) / BlockOverhead)
        Damaged(QStringLiteral("%1 pages cannot fit in its %2 bytes").arg(Count).arg(FSize));
}

TSnapshotReader::TBlock TSnapshotReader::ReadBlock(
    quint64 Offset, const QByteArray &Tag, const QString &What) const
{
    if (Offset < HeaderSize || Offset > FSize || FSize - Offset < BlockOverhead)
        Damaged(QStringLiteral("%1 lies outside the file").arg(What));
    if (!FDevice.seek(qint64(Offset)))
        Damaged(QStringLiteral("%1 cannot be reached").arg(What));
    const QByteArray Head = FDevice.read(8);
    if (Head.size() != 8)
        Damaged(QStringLiteral("%1 cannot be read").arg(What));
    TByteReader In(Head, FName);
    if (In.Raw(4) != Tag)
        Damaged(QStringLiteral("%1 does not start with its mark").arg(What));
    const quint32 Length = In.U32();
    if (Length > MaxBlockLength || Length > FSize - Offset - BlockOverhead)
        Damaged(QStringLiteral("%1 is longer than the file").arg(What));
    TBlock Block;
    Block.Tag = Tag;
    Block.Payload = FDevice.read(Length);
    const QByteArray SumBytes = FDevice.read(4);
    if (Block.Payload.size() != qsizetype(Length) || SumBytes.size() != 4)
        Damaged(QStringLiteral("%1 cannot be read").arg(What));
    if (TByteReader(SumBytes, FName).U32() != Crc32(Block.Payload))
        Damaged(QStringLiteral("%1 fails its check sum").arg(What));
    Block.End = Offset + BlockOverhead + Length;
    return Block;
}

void TSnapshotReader::ReadIndex(quint32 Count, quint64 IndexOffset, quint64 &JobOffset)
{
    const TBlock Index = ReadBlock(IndexOffset, IndexTag, QStringLiteral("the page index"));
    if (Index.End != FSize)
        Damaged(Index.End < FSize ? QStringLiteral("bytes follow its end")
                                  : QStringLiteral("the page index runs past its end"));
    if (quint64(Index.Payload.size()) != 8ull * (quint64(Count) + 1))
        Damaged(QStringLiteral("the page index does not list %1 pages").arg(Count));
    TByteReader In(Index.Payload, FName);
    FOffsets.reserve(Count);
    for (quint32 I = 0; I < Count; ++I)
        FOffsets.append(In.U64());
    JobOffset = In.U64();
}

void TSnapshotReader::CheckPages(quint64 JobOffset) const
{
    quint64 Expected = HeaderSize;
    for (int I = 0; I < FOffsets.size(); ++I) {
        const QString What = QStringLiteral("page %1").arg(I + 1);
        if (FOffsets.at(I) != Expected)
            Damaged(QStringLiteral("%1 is not where the index says").arg(What));
        const TBlock Block = ReadBlock(FOffsets.at(I), PageTag, What);
        // Decoded once here too, so a snapshot that opens has no page that
        // fails later in the preview or a renderer.
        TSnapshotCodec::DecodePage(
            Block.Payload, QStringLiteral("The snapshot %1 is damaged: %2").arg(FName, What));
        Expected = Block.End;
    }
    if (JobOffset != Expected)
        Damaged(QStringLiteral("the printer settings are not where the index says"));
}

TReportPage TSnapshotReader::Page(int Number) const
{
    if (Number < 1 || Number > FOffsets.size())
        throw ESnapshotException(QStringLiteral("The snapshot %1 has no page %2.").arg(FName).arg(Number));
    const QString What = QStringLiteral("page %1").arg(Number);
    const TBlock Block = ReadBlock(FOffsets.at(Number - 1), PageTag, What);
    return TSnapshotCodec::DecodePage(
        Block.Payload, QStringLiteral("The snapshot %1 is damaged: %2").arg(FName, What));
}
