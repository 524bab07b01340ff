#pragma once

#include <QByteArrayView>
#include <QString>

// Reads little-endian values from bytes, refusing to read past their end: a
// short or damaged block raises ESnapshotException with What and the place.
class TByteReader {
public:
    TByteReader(QByteArrayView Bytes, const QString &What);

    quint8 U8();
    quint16 U16();
    quint32 U32();
    quint64 U64();
    // A finite number; NaN and infinities are damage.
    double F64();
    QString Str();
    QByteArray Raw(qsizetype Count);

    qsizetype Position() const { return FPos; }
    bool AtEnd() const { return FPos == FBytes.size(); }
    [[noreturn]] void Fail(const QString &Problem) const;

private:
    const char *Take(qsizetype Count);

    QByteArrayView FBytes;
    QString FWhat;
    qsizetype FPos = 0;
};
