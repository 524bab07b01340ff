#pragma once

#include <QString>

// The stored form of a company file password: each letter or digit replaced
// by the character at its position in the cipher alphabet. It keeps the
// password out of plain sight in the .W325 file; it is not encryption.

// The 62 characters a password may hold, in this order.
inline constexpr char PasswordPlainAlphabet[]
    = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
// Changing this table makes every password stored so far unreadable: a file
// written with one table cannot be opened with another.
inline constexpr char PasswordCipherAlphabet[]
    = "T8hOscyNGMpSviJVkQtdgnUx9bFl0uKARmwLBX3Z5aDCPWH6r4YzjfoeIq71E2";

// Characters outside the plain alphabet are dropped.
QString EncodePassword(const QString &Text);
// Characters outside the cipher alphabet are dropped.
QString DecodePassword(const QString &Text);
