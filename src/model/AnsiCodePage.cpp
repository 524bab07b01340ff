#include "AnsiCodePage.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace {

// The code page as Qt's ICU converter defines it, taken once byte by byte:
// decoding is then a table look-up and encoding its reverse, which also tells
// exactly which characters have no byte.
struct TAnsiTables {
    std::array<char16_t, 256> ToUnicode {};
    QHash<char16_t, char> FromUnicode;

    TAnsiTables()
    {
        QByteArray AllBytes(256, '\0');
        for (int I = 0; I < 256; ++I)
            AllBytes[I] = char(I);
        QStringDecoder Decoder("windows-1252");
        QString Decoded = Decoder.isValid() ? Decoder.decode(AllBytes) : QString();
        if (Decoded.size() != 256) {
            // Only a Qt built without ICU lacks the code page; its Latin-1
            // part is then still right.
            qCritical("The Windows-1252 code page is not available; using Latin-1.");
            Decoded = QString::fromLatin1(AllBytes);
        }
        for (int I = 0; I < 256; ++I) {
            ToUnicode[I] = Decoded.at(I).unicode();
            FromUnicode.insert(ToUnicode[I], char(I));
        }
    }
};

const TAnsiTables &Tables()
{
    static const TAnsiTables Instance;
    return Instance;
}

} // namespace

QByteArray ToAnsi(const QString &Text)
{
    const TAnsiTables &T = Tables();
    QByteArray Result;
    Result.reserve(Text.size());
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar Ch = Text.at(I);
        if (Ch.isHighSurrogate() && I + 1 < Text.size() && Text.at(I + 1).isLowSurrogate()) {
            Result.append('?');
            ++I;
            continue;
        }
        Result.append(T.FromUnicode.value(Ch.unicode(), '?'));
    }
    return Result;
}

QString FromAnsi(QByteArrayView Bytes)
{
    const TAnsiTables &T = Tables();
    QString Result(Bytes.size(), Qt::Uninitialized);
    QChar *Out = Result.data();
    for (qsizetype I = 0; I < Bytes.size(); ++I)
        Out[I] = QChar(T.ToUnicode[quint8(Bytes[I])]);
    return Result;
}
