#include "TRecordBytes.h"

#include <QFile>

#include <cstring>

TRecordBytes::TRecordBytes(int Size, char Fill)
    : FBytes(Size, Fill)
{
}

TRecordBytes &TRecordBytes::PutBytes(int Offset, const QByteArray &Bytes)
{
    Q_ASSERT(Offset >= 0 && Offset + Bytes.size() <= FBytes.size());
    FBytes.replace(Offset, Bytes.size(), Bytes);
    return *this;
}

TRecordBytes &TRecordBytes::PutStr(int Offset, const QByteArray &Chars, int Length)
{
    PutBytes(Offset, QByteArray(1, char(Length < 0 ? Chars.size() : Length)));
    return PutBytes(Offset + 1, Chars);
}

TRecordBytes &TRecordBytes::PutMoney(int Offset, double Value)
{
    quint64 Bits = 0;
    std::memcpy(&Bits, &Value, sizeof Bits);
    QByteArray Bytes(8, '\0');
    for (int I = 0; I < 8; ++I)
        Bytes[I] = char((Bits >> (8 * I)) & 0xFF);
    return PutBytes(Offset, Bytes);
}

TRecordBytes &TRecordBytes::PutFlag(int Offset, quint8 Value)
{
    return PutBytes(Offset, QByteArray(1, char(Value)));
}

TRecordBytes &TRecordBytes::PutInt32(int Offset, qint32 Value)
{
    const quint32 Bits = quint32(Value);
    QByteArray Bytes(4, '\0');
    for (int I = 0; I < 4; ++I)
        Bytes[I] = char((Bits >> (8 * I)) & 0xFF);
    return PutBytes(Offset, Bytes);
}

TRecordBytes &TRecordBytes::Fill(int Offset, int Count, char Value)
{
    return PutBytes(Offset, QByteArray(Count, Value));
}

void TRecordBytes::WriteFile(const QString &Path, const QList<QByteArray> &Records, const QByteArray &Tail)
{
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the fixture %s", qPrintable(Path));
    for (const QByteArray &Record : Records)
        File.write(Record);
    File.write(Tail);
}

QByteArray TRecordBytes::ReadFile(const QString &Path)
{
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        return {};
    return File.readAll();
}
