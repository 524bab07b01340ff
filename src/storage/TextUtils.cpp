#include "TextUtils.h"

#include <bitset>

namespace {

bool IsBlankChar(QChar Ch)
{
    return Ch.unicode() <= 0x20;
}

} // namespace

QString TrimText(const QString &Text)
{
    qsizetype First = 0;
    qsizetype Last = Text.size();
    while (First < Last && IsBlankChar(Text.at(First)))
        ++First;
    while (Last > First && IsBlankChar(Text.at(Last - 1)))
        --Last;
    return Text.mid(First, Last - First);
}

bool IsBlank(const QString &Text)
{
    for (QChar Ch : Text)
        if (!IsBlankChar(Ch))
            return false;
    return true;
}

QString RightText(const QString &Text, int N)
{
    return N <= 0 ? QString() : Text.right(N);
}

QString LeftText(const QString &Text, int N)
{
    return N <= 0 ? QString() : Text.left(N);
}

QString MidText(const QString &Text, int Index, int N)
{
    if (N <= 0)
        return QString();
    if (Index < 1) {
        N += Index - 1;
        Index = 1;
    }
    return N <= 0 ? QString() : Text.mid(Index - 1, N);
}

QString TextBefore(const QString &Text, QChar Ch)
{
    const qsizetype At = Text.indexOf(Ch);
    return At < 0 ? QString() : Text.left(At);
}

QString KeepChars(const QString &Text, const QString &Set)
{
    std::bitset<256> Allowed;
    for (QChar Ch : Set)
        if (Ch.unicode() < 256)
            Allowed.set(Ch.unicode());
    QString Result;
    Result.reserve(Text.size());
    for (QChar Ch : Text)
        if (Ch.unicode() < 256 && Allowed.test(Ch.unicode()))
            Result.append(Ch);
    return Result;
}

QString PadLeft(const QString &Text, int Len)
{
    return Text.rightJustified(Len, QLatin1Char(' '));
}

QString PadRight(const QString &Text, int Len)
{
    return Text.leftJustified(Len, QLatin1Char(' '));
}

QString PadZeros(const QString &Text, int Len)
{
    return Text.rightJustified(Len, QLatin1Char('0'));
}

QString DoubleAmpersands(const QString &Text)
{
    QString Result = Text;
    Result.replace(QLatin1Char('&'), QLatin1String("&&"));
    return Result;
}

int IndexOfText(const QString &Text, const QStringList &List, int HighIndex)
{
    const int High = qMin(HighIndex, int(List.size()) - 1);
    for (int I = 0; I <= High; ++I)
        if (List.at(I).compare(Text, Qt::CaseInsensitive) == 0)
            return I + 1;
    return 0;
}

QString AddPathDelimiter(const QString &Path)
{
    return Path.endsWith(QLatin1Char('/')) ? Path : Path + QLatin1Char('/');
}

bool IsControlChar(QChar Ch)
{
    const char16_t Code = Ch.unicode();
    return Code < 0x20 || (Code >= 0x7F && Code <= 0x9F);
}

QString EscapeControlChars(const QString &Text, TLineBreaks LineBreaks)
{
    QString Result;
    Result.reserve(Text.size());
    for (QChar Ch : Text) {
        const bool LineBreak = Ch == QLatin1Char('\r') || Ch == QLatin1Char('\n');
        if (IsControlChar(Ch) && !(LineBreak && LineBreaks == TLineBreaks::Keep))
            Result += QStringLiteral("\\x%1").arg(Ch.unicode(), 2, 16, QLatin1Char('0'));
        else
            Result += Ch;
    }
    return Result;
}

QString CountText(qsizetype Count, const QString &One, const QString &Many)
{
    return QStringLiteral("%1 %2").arg(Count).arg(Count == 1 ? One : Many);
}
