#pragma once

#include <QString>
#include <QStringList>

// Text helpers. Positions are 1-based and lengths count characters; shorter
// texts give what there is.

// Empty once leading and trailing blanks and control characters are gone.
bool IsBlank(const QString &Text);
// Text without leading and trailing blanks and control characters.
QString TrimText(const QString &Text);
QString RightText(const QString &Text, int N);
QString LeftText(const QString &Text, int N);
QString MidText(const QString &Text, int Index, int N);
// The text before the first Ch; empty when Ch does not occur.
QString TextBefore(const QString &Text, QChar Ch);
// Text without the characters that are not in Set. Characters above 255 are
// always dropped, as the sets are of single-byte characters.
QString KeepChars(const QString &Text, const QString &Set);
QString PadLeft(const QString &Text, int Len);
QString PadRight(const QString &Text, int Len);
QString PadZeros(const QString &Text, int Len);
// Every '&' doubled, so captions show it instead of taking it as an accelerator.
QString DoubleAmpersands(const QString &Text);
// 1-based position of the first of List[0 .. HighIndex] equal to Text
// ignoring letter case; 0 when none.
int IndexOfText(const QString &Text, const QStringList &List, int HighIndex);
// Path with a trailing '/' added when missing.
QString AddPathDelimiter(const QString &Path);

// Control characters: C0 (U+0000 to U+001F), DEL and C1 (U+0080 to U+009F),
// which a terminal acts on instead of showing.
bool IsControlChar(QChar Ch);
enum class TLineBreaks { Escape, Keep };
// Text with every control character written as \xHH (ESC as \x1b), so text
// taken from a file can be shown on a terminal or in a message box without
// acting on it. Keep leaves CR and LF, the line breaks a message makes.
QString EscapeControlChars(const QString &Text, TLineBreaks LineBreaks = TLineBreaks::Escape);

// "1 employee", "12 employees": a count with its noun in the right number.
QString CountText(qsizetype Count, const QString &One, const QString &Many);
