#pragma once

#include <QByteArray>
#include <QString>

// Builds little-endian bytes by hand for snapshot fixtures, with a CRC-32 of
// its own, so fixtures never come from the code under test.
class TLeBytes {
public:
    TLeBytes &U8(quint8 Value);
    TLeBytes &U16(quint16 Value);
    TLeBytes &U32(quint32 Value);
    TLeBytes &U64(quint64 Value);
    TLeBytes &F64(double Value);
    TLeBytes &Str(const QByteArray &Utf8);
    TLeBytes &Raw(const QByteArray &Bytes);

    const QByteArray &Bytes() const { return FBytes; }
    qsizetype Size() const { return FBytes.size(); }

    // Bit by bit, as the standard defines it.
    static quint32 Crc(const QByteArray &Bytes);
    // Tag, length, payload, CRC-32 of the payload.
    static QByteArray Block(const QByteArray &Tag, const QByteArray &Payload);
    // The 32-byte header with its check sum.
    static QByteArray Header(quint16 Version, quint32 PageCount, quint64 IndexOffset);

private:
    QByteArray FBytes;
};
