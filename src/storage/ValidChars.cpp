#include "ValidChars.h"

namespace {

// One item of the set while it is read.
struct TItem {
    QChar Low;
    QChar High;
    bool HasLow = false;
    bool HasHigh = false;
    bool Range = false;

    void Take(QChar Ch)
    {
        if (Range) {
            High = Ch;
            HasHigh = true;
        } else {
            Low = Ch;
            HasLow = true;
        }
    }

    // An empty item ("[]", "[A,,B]") adds nothing, so "[]" stays the empty
    // set that accepts every key.
    void AddTo(TCharSet &Set) const
    {
        if (!HasLow)
            return;
        if (Range && HasHigh) {
            for (unsigned Code = Low.unicode(); Code <= High.unicode() && Code < Set.size(); ++Code)
                Set.set(Code);
        } else if (!Range && Low.unicode() < Set.size()) {
            Set.set(Low.unicode());
        }
    }
};

} // namespace

bool ParseValidChars(const QString &Text, TCharSet &Set)
{
    if (Text.size() < 2 || !Text.startsWith(QLatin1Char('[')) || !Text.endsWith(QLatin1Char(']')))
        return false;
    TCharSet Result;
    TItem Item;
    bool Literal = false;
    bool AfterLiteral = false;
    for (qsizetype I = 1; I < Text.size(); ++I) {
        const QChar Ch = Text.at(I);
        if (Literal) {
            Item.Take(Ch);
            Literal = false;
            AfterLiteral = true;
            continue;
        }
        // The quote after a quoted character closes it, as in "','".
        const bool ClosingQuote = AfterLiteral && Ch == QLatin1Char('\'');
        AfterLiteral = false;
        if (ClosingQuote)
            continue;
        if (Ch == QLatin1Char('\''))
            Literal = true;
        else if (Ch == QLatin1Char(',') || Ch == QLatin1Char(']')) {
            Item.AddTo(Result);
            Item = TItem();
        } else if (Ch == QLatin1Char('.'))
            Item.Range = true;
        else
            Item.Take(Ch);
    }
    // A quote just before the closing bracket took the bracket as the item.
    Item.AddTo(Result);
    Set = Result;
    return true;
}

bool CharInSet(QChar Ch, const TCharSet &Set)
{
    return Ch.unicode() < Set.size() && Set.test(Ch.unicode());
}
