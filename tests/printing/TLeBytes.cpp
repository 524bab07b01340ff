#include "TLeBytes.h"

#include <cstring>

TLeBytes &TLeBytes::U8(quint8 Value)
{
    FBytes.append(char(Value));
    return *this;
}

TLeBytes &TLeBytes::U16(quint16 Value)
{
    return U8(quint8(Value & 0xFF)).U8(quint8(Value >> 8));
}

TLeBytes &TLeBytes::U32(quint32 Value)
{
    return U16(quint16(Value & 0xFFFF)).U16(quint16(Value >> 16));
}

TLeBytes &TLeBytes::U64(quint64 Value)
{
    return U32(quint32(Value & 0xFFFFFFFFu)).U32(quint32(Value >> 32));
}

TLeBytes &TLeBytes::F64(double Value)
{
    quint64 Bits;
    std::memcpy(&Bits, &Value, 8);
    return U64(Bits);
}

TLeBytes &TLeBytes::Str(const QByteArray &Utf8)
{
    U32(quint32(Utf8.size()));
    FBytes.append(Utf8);
    return *this;
}

TLeBytes &TLeBytes::Raw(const QByteArray &Bytes)
{
    FBytes.append(Bytes);
    return *this;
}

quint32 TLeBytes::Crc(const QByteArray &Bytes)
{
    quint32 Crc = 0xFFFFFFFFu;
    for (const char Byte : Bytes) {
        Crc ^= quint8(Byte);
        for (int Bit = 0; Bit < 8; ++Bit)
            Crc = (Crc >> 1) ^ ((Crc & 1) ? 0xEDB88320u : 0u);
    }
    return ~Crc;
}

QByteArray TLeBytes::Block(const QByteArray &Tag, const QByteArray &Payload)
{
    return TLeBytes().Raw(Tag).U32(quint32(Payload.size())).Raw(Payload).U32(Crc(Payload)).Bytes();
}

QByteArray TLeBytes::Header(quint16 Version, quint32 PageCount, quint64 IndexOffset)
{
    TLeBytes First;
    First.Raw("QMRKSNAP").U16(Version).U16(0).U32(PageCount).U64(IndexOffset);
    return TLeBytes().Raw(First.Bytes()).U32(Crc(First.Bytes())).U32(0).Bytes();
}
