#include "EFW2Ascii.h"

namespace {

constexpr char16_t Blank = u' ';

// Characters whose ASCII stand-in is not their canonical decomposition.
char16_t SpecialFold(char16_t Ch)
{
    switch (Ch) {
    case u'\u2018': // left single quotation mark
    case u'\u2019': // right single quotation mark
    case u'\u201A': // single low-9 quotation mark
    case u'\u201B': // single high-reversed-9 quotation mark
    case u'\u2032': // prime
    case u'\u2039': // single left-pointing angle quotation mark
    case u'\u203A': // single right-pointing angle quotation mark
    case u'\u00B4': // acute accent, often typed as an apostrophe
        return u'\'';
    case u'\u201C': // left double quotation mark
    case u'\u201D': // right double quotation mark
    case u'\u201E': // double low-9 quotation mark
    case u'\u201F': // double high-reversed-9 quotation mark
    case u'\u2033': // double prime
    case u'\u00AB': // left-pointing double angle quotation mark
    case u'\u00BB': // right-pointing double angle quotation mark
        return u'"';
    case u'\u00AD': // soft hyphen
    case u'\u2010': // hyphen
    case u'\u2011': // non-breaking hyphen
    case u'\u2012': // figure dash
    case u'\u2013': // en dash
    case u'\u2014': // em dash
    case u'\u2015': // horizontal bar
    case u'\u2212': // minus sign
        return u'-';
    // Letters with a stroke have no decomposition.
    case u'\u00D8':
        return u'O';
    case u'\u00F8':
        return u'o';
    case u'\u00D0':
    case u'\u0110':
        return u'D';
    case u'\u00F0':
    case u'\u0111':
        return u'd';
    case u'\u0141':
        return u'L';
    case u'\u0142':
        return u'l';
    case u'\u0131': // dotless i
        return u'i';
    default:
        return 0;
    }
}

// The base letter of a letter with diacritics (é, Ñ, Š, ǖ), from its
// canonical decomposition; 0 when there is none.
char16_t BaseLetter(QChar Ch)
{
    while (Ch.decompositionTag() == QChar::Canonical) {
        const QString Parts = Ch.decomposition();
        if (Parts.isEmpty())
            break;
        Ch = Parts.at(0);
    }
    const char16_t Base = Ch.unicode();
    const bool AsciiLetter = (Base >= u'A' && Base <= u'Z') || (Base >= u'a' && Base <= u'z');
    return AsciiLetter ? Base : 0;
}

char16_t FoldChar(QChar Ch)
{
    const char16_t Code = Ch.unicode();
    if (Code < 0x20 || Code == 0x7F)
        return Blank;
    if (Code < 0x80)
        return Code;
    if (const char16_t Special = SpecialFold(Code))
        return Special;
    if (const char16_t Base = BaseLetter(Ch))
        return Base;
    return Blank;
}

} // namespace

QString ToEFW2Ascii(const QString &Text)
{
    QString Result;
    Result.reserve(Text.size());
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar Ch = Text.at(I);
        // A character outside the Basic Multilingual Plane is still one character.
        if (Ch.isHighSurrogate() && I + 1 < Text.size() && Text.at(I + 1).isLowSurrogate()) {
            Result += QChar(Blank);
            ++I;
            continue;
        }
        Result += QChar(FoldChar(Ch));
    }
    return Result;
}

QString ToEFW2Upper(const QString &Text)
{
    QString Result = ToEFW2Ascii(Text);
    for (QChar &Ch : Result)
        if (Ch >= QLatin1Char('a') && Ch <= QLatin1Char('z'))
            Ch = QChar(Ch.unicode() - 'a' + 'A');
    return Result;
}
