#include "PostNet.h"

#include <array>

namespace {

// Tall bars of each digit, from the left.
constexpr std::array<const char *, 10> DigitBars { "11000", "00011", "00101", "00110", "01001", "01010",
    "01100", "10001", "10010", "10100" };

bool AllDigits(const QString &Digits)
{
    for (const QChar Ch : Digits)
        if (Ch < QLatin1Char('0') || Ch > QLatin1Char('9'))
            return false;
    return true;
}

void AppendDigit(QList<bool> &Bars, int Digit)
{
    for (const char *Bar = DigitBars[size_t(Digit)]; *Bar; ++Bar)
        Bars.append(*Bar == '1');
}

} // namespace

int PostNetCheckDigit(const QString &Digits)
{
    if (!AllDigits(Digits))
        return -1;
    int Sum = 0;
    for (const QChar Ch : Digits)
        Sum += Ch.digitValue();
    return (10 - Sum % 10) % 10;
}

QList<bool> PostNetBars(const QString &Digits)
{
    if (Digits.isEmpty() || !AllDigits(Digits))
        return {};
    QList<bool> Bars { true };
    for (const QChar Ch : Digits)
        AppendDigit(Bars, Ch.digitValue());
    AppendDigit(Bars, PostNetCheckDigit(Digits));
    Bars.append(true);
    return Bars;
}
