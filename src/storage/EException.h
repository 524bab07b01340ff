#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

// Base of every exception the program raises: it carries the text shown to
// the user, which the application's default handler puts in an error box.
class EException : public std::exception
{
public:
    explicit EException(const QString &Message);
    const QString &Message() const { return FMessage; }
    const char *what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};
