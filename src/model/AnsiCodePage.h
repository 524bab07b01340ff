#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Conversion between the program's texts and the single-byte Windows-1252
// characters the record files hold. Every byte value has a character; a
// character that has no byte becomes '?', one byte per character (a
// character outside the Basic Multilingual Plane counts as one).
QByteArray ToAnsi(const QString &Text);
QString FromAnsi(QByteArrayView Bytes);
