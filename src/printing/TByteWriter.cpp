#include "TByteWriter.h"

#include <QtEndian>

#include <cstring>

void TByteWriter::U8(quint8 Value)
{
    FBytes.append(char(Value));
}

void TByteWriter::U16(quint16 Value)
{
    char Bytes[2];
    qToLittleEndian(Value, Bytes);
    FBytes.append(Bytes, 2);
}

void TByteWriter::U32(quint32 Value)
{
    char Bytes[4];
    qToLittleEndian(Value, Bytes);
    FBytes.append(Bytes, 4);
}

void TByteWriter::U64(quint64 Value)
{
    char Bytes[8];
    qToLittleEndian(Value, Bytes);
    FBytes.append(Bytes, 8);
}

void TByteWriter::F64(double Value)
{
    quint64 Bits;
    std::memcpy(&Bits, &Value, sizeof Bits);
    U64(Bits);
}

void TByteWriter::Str(const QString &Text)
{
    const QByteArray Utf8 = Text.toUtf8();
    U32(quint32(Utf8.size()));
    FBytes.append(Utf8);
}
