#include "PasswordCipher.h"

namespace {

static_assert(sizeof(PasswordPlainAlphabet) == 63 && sizeof(PasswordCipherAlphabet) == 63);

QString Substitute(const QString &Text, const char *From, const char *To)
{
    const QLatin1String FromSet(From);
    QString Result;
    Result.reserve(Text.size());
    for (const QChar Ch : Text) {
        const qsizetype Index = FromSet.indexOf(Ch);
        if (Index >= 0)
            Result.append(QLatin1Char(To[Index]));
    }
    return Result;
}

} // namespace

QString EncodePassword(const QString &Text)
{
    return Substitute(Text, PasswordPlainAlphabet, PasswordCipherAlphabet);
}

QString DecodePassword(const QString &Text)
{
    return Substitute(Text, PasswordCipherAlphabet, PasswordPlainAlphabet);
}
