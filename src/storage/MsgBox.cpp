#include "MsgBox.h"

#include "TUserInteraction.h"
#include "TextUtils.h"

QString TildeToCR(const QString &Text)
{
    QString Result = Text;
    Result.replace(QLatin1Char('~'), QLatin1Char('\r'));
    return Result;
}

// Texts carry names and paths from files; their control characters are shown
// escaped, never acted on. The line breaks are the message's own: '~', and
// the CR and LF of texts already converted.
int MsgBox(const QString &Text, const QString &Caption, int Flags)
{
    return TUserInteraction::Current().MessageBox(
        TildeToCR(EscapeControlChars(Text, TLineBreaks::Keep)), EscapeControlChars(Caption), Flags);
}

int MsgBoxSafeAnswer(int Flags)
{
    switch (Flags & MsgFlag::ButtonsMask) {
    case MsgFlag::OkCancel:
        return MsgResult::Cancel;
    case MsgFlag::YesNo:
        return MsgResult::No;
    default:
        return MsgResult::Ok;
    }
}
