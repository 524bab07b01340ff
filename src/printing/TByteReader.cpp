#include "TByteReader.h"

#include "ESnapshotException.h"

#include <QtEndian>

#include <cmath>
#include <cstring>

TByteReader::TByteReader(QByteArrayView Bytes, const QString &What)
    : FBytes(Bytes)
    , FWhat(What)
{
}

void TByteReader::Fail(const QString &Problem) const
{
    throw ESnapshotException(
        QStringLiteral("%1: %2 (at byte %3 of %4).").arg(FWhat, Problem).arg(FPos).arg(FBytes.size()));
}

const char *TByteReader::Take(qsizetype Count)
{
    if (Count < 0 || FBytes.size() - FPos < Count)
        Fail(QStringLiteral("the data ends too soon"));
    const char *Start = FBytes.data() + FPos;
    FPos += Count;
    return Start;
}

quint8 TByteReader::U8()
{
    return quint8(*Take(1));
}

quint16 TByteReader::U16()
{
    return qFromLittleEndian<quint16>(Take(2));
}

quint32 TByteReader::U32()
{
    return qFromLittleEndian<quint32>(Take(4));
}

quint64 TByteReader::U64()
{
    return qFromLittleEndian<quint64>(Take(8));
}

double TByteReader::F64()
{
    const quint64 Bits = U64();
    double Value;
    std::memcpy(&Value, &Bits, sizeof Value);
    if (!std::isfinite(Value)) {
        FPos -= 8;
        Fail(QStringLiteral("a number is not finite"));
    }
    return Value;
}

QString TByteReader::Str()
{
    const quint32 Length = U32();
    const char *Start = Take(qsizetype(Length));
    const QByteArrayView Utf8(Start, Length);
    if (!Utf8.isValidUtf8()) {
        FPos -= Length;
        Fail(QStringLiteral("a text is not valid UTF-8"));
    }
    return QString::fromUtf8(Utf8);
}

QByteArray TByteReader::Raw(qsizetype Count)
{
    const char *Start = Take(Count);
    return QByteArray(Start, Count);
}
