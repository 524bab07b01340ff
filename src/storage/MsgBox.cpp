#include "MsgBox.h"

#include "TUserInteraction.h"

QString TildeToCR(const QString &Text)
{
    QString Result = Text;
    Result.replace(QLatin1Char('~'), QLatin1Char('\r'));
    return Result;
}

int MsgBox(const QString &Text, const QString &Caption, int Flags)
{
    return TUserInteraction::Current().MessageBox(TildeToCR(Text), Caption, Flags);
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
