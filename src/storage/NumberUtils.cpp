#include "NumberUtils.h"

#include "EConvertError.h"
#include "TextUtils.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace {

constexpr int SignificantDigits = 15;

// An optional minus, then digits with at most one point (when allowed), and
// at least one digit. The text holds only characters of the filter sets.
bool IsPlainNumber(const std::string &Text, bool AllowPoint)
{
    std::size_t I = 0;
    if (I < Text.size() && Text[I] == '-')
        ++I;
    bool HasDigit = false;
    bool HasPoint = false;
    for (; I < Text.size(); ++I) {
        const char Ch = Text[I];
        if (Ch >= '0' && Ch <= '9')
            HasDigit = true;
        else if (Ch == '.' && AllowPoint && !HasPoint)
            HasPoint = true;
        else
            return false;
    }
    return HasDigit;
}

// Reads a number written by this unit or checked by IsPlainNumber; from_chars
// ignores the locale.
bool ReadDouble(const std::string &Text, std::chars_format Format, double &Value, std::errc &Error)
{
    const char *End = Text.data() + Text.size();
    const std::from_chars_result Result = std::from_chars(Text.data(), End, Value, Format);
    Error = Result.ec;
    return Result.ec == std::errc() && Result.ptr == End;
}

bool HasNonZeroIntegerDigit(const std::string &Text)
{
    for (const char Ch : Text) {
        if (Ch == '.')
            return false;
        if (Ch >= '1' && Ch <= '9')
            return true;
    }
    return false;
}

} // namespace

double RoundValue(double Value, int N)
{
    if (!std::isfinite(Value))
        return 0;
    // Beyond these the value is kept whole or is zero; the clamp also keeps
    // the digit arithmetic below from overflowing.
    N = std::clamp(N, -400, 400);

    // d.dddddddddddddde±xx, correctly rounded to 15 significant digits.
    char Buffer[64];
    const std::to_chars_result Written = std::to_chars(Buffer, Buffer + sizeof Buffer, std::fabs(Value),
        std::chars_format::scientific, SignificantDigits - 1);
    if (Written.ec != std::errc())
        return 0;
    const std::string Scientific(Buffer, Written.ptr);
    const std::size_t ExponentAt = Scientific.find('e');
    if (ExponentAt == std::string::npos)
        return 0;
    std::string Digits;
    for (std::size_t I = 0; I < ExponentAt; ++I)
        if (Scientific[I] != '.')
            Digits += Scientific[I];
    std::size_t ExponentStart = ExponentAt + 1;
    if (ExponentStart < Scientific.size() && Scientific[ExponentStart] == '+')
        ++ExponentStart;
    int Exponent = 0;
    const std::from_chars_result ExponentRead
        = std::from_chars(Scientific.data() + ExponentStart, Scientific.data() + Scientific.size(), Exponent);
    if (ExponentRead.ec != std::errc())
        return 0;

    double Result = 0;
    std::errc Error {};
    // The digits in front of the (N+1)-th decimal are kept.
    const int Kept = Exponent + 1 + N;
    if (Kept >= SignificantDigits) {
        // No significant digit is dropped.
        if (!ReadDouble(Scientific, std::chars_format::scientific, Result, Error))
            return 0;
    } else if (Kept >= 0) {
        std::int64_t Scaled = 0; // the magnitude in units of 10^-N
        for (int I = 0; I < Kept; ++I)
            Scaled = Scaled * 10 + (Digits[I] - '0');
        if (Digits[Kept] >= '5')
            ++Scaled;
        if (Scaled == 0)
            return 0;
        const std::string Rounded = std::to_string(Scaled) + 'e' + std::to_string(-N);
        if (!ReadDouble(Rounded, std::chars_format::scientific, Result, Error))
            return 0;
    } else {
        // Less than a tenth of 10^-N: rounds to zero.
        return 0;
    }
    return Value < 0 ? -Result : Result;
}

double TextToFloat(const QString &Text)
{
    QString Kept = KeepChars(Text, QStringLiteral("0123456789-."));
    if (Kept.isEmpty())
        Kept = QStringLiteral("0");
    else if (Kept == QLatin1String("-"))
        Kept = QStringLiteral("-0");
    else if (Kept == QLatin1String("."))
        Kept = QStringLiteral("0.");
    const std::string Plain = Kept.toStdString();
    if (IsPlainNumber(Plain, true)) {
        double Result = 0;
        std::errc Error {};
        if (ReadDouble(Plain, std::chars_format::fixed, Result, Error))
            return Result;
        // Too small for a double is zero; too large is not a number we can hold.
        if (Error == std::errc::result_out_of_range && !HasNonZeroIntegerDigit(Plain))
            return Plain.front() == '-' ? -0.0 : 0.0;
    }
    throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(Kept));
}

int TextToInt(const QString &Text)
{
    QString Kept = KeepChars(Text, QStringLiteral("0123456789-"));
    if (Kept.isEmpty())
        Kept = QStringLiteral("0");
    else if (Kept == QLatin1String("-"))
        Kept = QStringLiteral("-0");
    const std::string Plain = Kept.toStdString();
    if (IsPlainNumber(Plain, false)) {
        int Result = 0;
        const char *End = Plain.data() + Plain.size();
        const std::from_chars_result Read = std::from_chars(Plain.data(), End, Result);
        if (Read.ec == std::errc() && Read.ptr == End)
            return Result;
    }
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(Kept));
}
