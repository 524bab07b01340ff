#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Builds the bytes of a record by offset for test fixtures, without the
// program's record code: what a file written by another copy of the program
// holds, byte by byte.
class TRecordBytes {
public:
    explicit TRecordBytes(int Size, char Fill = '\0');

    TRecordBytes &PutBytes(int Offset, const QByteArray &Bytes);
    // A text slot: the length byte (Chars' size unless Length is given), then
    // Chars as single bytes (Windows-1252 already).
    TRecordBytes &PutStr(int Offset, const QByteArray &Chars, int Length = -1);
    // Eight bytes, least significant first, of the IEEE 754 double.
    TRecordBytes &PutMoney(int Offset, double Value);
    TRecordBytes &PutFlag(int Offset, quint8 Value);
    // Four bytes, least significant first.
    TRecordBytes &PutInt32(int Offset, qint32 Value);
    TRecordBytes &Fill(int Offset, int Count, char Value);

    const QByteArray &Bytes() const { return FBytes; }
    operator QByteArray() const { return FBytes; }

    // Writes the records one after the other, then Tail; fails the test run
    // when the file cannot be written.
    static void WriteFile(const QString &Path, const QList<QByteArray> &Records, const QByteArray &Tail = {});
    static QByteArray ReadFile(const QString &Path);

private:
    QByteArray FBytes;
};
