#include "EmailCheck.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>

namespace {

// Atomic groups, look-around, a named group and a conditional on it: the
// angle bracket closes only when one was opened.
constexpr char EmailPattern[]
    = R"PCRE(^((?>[a-zA-Z\d!#$%&'*+\-/=?^_`{|}~]+\x20*|"((?=[\x01-\x7f])[^"\\]|\\[\x01-\x7f])*"\x20*)*(?<angle><))?((?!\.)(?>\.?[a-zA-Z\d!#$%&'*+\-/=?^_`{|}~]+)+|"((?=[\x01-\x7f])[^"\\]|\\[\x01-\x7f])*")@(((?!-)[a-zA-Z\d\-]+(?<!-)\.)+[a-zA-Z]{2,}|\[(((?(?<!\[)\.)(25[0-5]|2[0-4]\d|[01]?\d?\d)){4}|[a-zA-Z\d\-]*[a-zA-Z\d]:((?=[\x01-\x7f])[^\\\[\]]|\\[\x01-\x7f])+)\])(?(angle)>)$)PCRE";

// Compiled once, on first use; the pattern is fixed, so a failure here is a
// programming error and ends the program with PCRE2's reason.
class TEmailRegex {
public:
    TEmailRegex()
    {
        int ErrorCode = 0;
        PCRE2_SIZE ErrorOffset = 0;
        FCode = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(EmailPattern), PCRE2_ZERO_TERMINATED,
            PCRE2_DOLLAR_ENDONLY, &ErrorCode, &ErrorOffset, nullptr);
        if (!FCode) {
            PCRE2_UCHAR Message[256];
            pcre2_get_error_message(ErrorCode, Message, sizeof Message);
            qFatal("E-mail pattern does not compile at offset %zu: %s", std::size_t(ErrorOffset),
                reinterpret_cast<const char *>(Message));
        }
    }
    ~TEmailRegex() { pcre2_code_free(FCode); }
    TEmailRegex(const TEmailRegex &) = delete;
    TEmailRegex &operator=(const TEmailRegex &) = delete;

    bool MatchesWhole(const QByteArray &Subject) const
    {
        pcre2_match_data *Match = pcre2_match_data_create_from_pattern(FCode, nullptr);
        if (!Match)
            return false;
        const int Result = pcre2_match(FCode, reinterpret_cast<PCRE2_SPTR>(Subject.constData()),
            PCRE2_SIZE(Subject.size()), 0, PCRE2_ANCHORED | PCRE2_ENDANCHORED | PCRE2_NOTEMPTY, Match,
            nullptr);
        pcre2_match_data_free(Match);
        return Result >= 0;
    }

private:
    pcre2_code *FCode = nullptr;
};

} // namespace

bool IsValidEmail(const QString &Text)
{
    static const TEmailRegex Regex;
    // Without PCRE2_UTF every byte of a non-ASCII character is above 0x7f,
    // which the pattern never accepts.
    return Regex.MatchesWhole(Text.toUtf8());
}
