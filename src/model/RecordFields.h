#pragma once

#include "TFieldDef.h"

#include <QByteArray>
#include <QString>

// Reading and writing one field of a record held as raw bytes. Only the
// field's own bytes are touched, so filler, reserved bytes and the characters
// after a text's length stay as they were read.

// The first L characters, L being the length byte (never more than n).
QString ReadStr(const QByteArray &Record, const TFieldDef &Field);
// Value cut to n characters; the bytes after the new length keep their old
// contents.
void WriteStr(QByteArray &Record, const TFieldDef &Field, const QString &Value);

double ReadMoney(const QByteArray &Record, const TFieldDef &Field);
void WriteMoney(QByteArray &Record, const TFieldDef &Field, double Value);

// Any byte other than 0 reads as true; true is written as 1.
bool ReadFlag(const QByteArray &Record, const TFieldDef &Field);
void WriteFlag(QByteArray &Record, const TFieldDef &Field, bool Value);

qint32 ReadInt32(const QByteArray &Record, const TFieldDef &Field);
void WriteInt32(QByteArray &Record, const TFieldDef &Field, qint32 Value);
