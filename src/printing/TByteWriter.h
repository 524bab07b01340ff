#pragma once

#include <QByteArray>
#include <QString>

// Appends little-endian values to a byte array, for the snapshot format.
class TByteWriter {
public:
    void U8(quint8 Value);
    void U16(quint16 Value);
    void U32(quint32 Value);
    void U64(quint64 Value);
    void F64(double Value);
    // UTF-8 bytes after their count (u32).
    void Str(const QString &Text);
    void Raw(const QByteArray &Bytes) { FBytes.append(Bytes); }

    const QByteArray &Bytes() const { return FBytes; }
    void Clear() { FBytes.clear(); }

private:
    QByteArray FBytes;
};
