#include "TFilterEdit.h"

#include "AppInfo.h"
#include "MsgBox.h"
#include "TextUtils.h"

#include <QApplication>
#include <QKeyEvent>

TFilterEdit::TFilterEdit(QWidget *Parent)
    : TCustomEdit(Parent)
{
    setAcceptDrops(false);
    resize(121, 21);
}

void TFilterEdit::SetValidChars(const QString &ValidChars)
{
    if (ValidChars == FValidChars)
        return;
    FValidChars
        = ParseValidChars(ValidChars, FCharSet) ? ValidChars : QStringLiteral("Invalid format ") + ValidChars;
}

QString TFilterEdit::NameCase(const QString &Text)
{
    QString Result = TrimText(Text.toLower());
    for (qsizetype I = 0; I < Result.size(); ++I)
        if (I == 0 || Result.at(I - 1) == QLatin1Char(' '))
            Result[I] = Result.at(I).toUpper();
    return Result;
}

QChar TFilterEdit::ConvertCase(QChar Key) const
{
    if (FCharCase == TCharCase::UpperCase && Key >= QLatin1Char('a') && Key <= QLatin1Char('z'))
        return Key.toUpper();
    if (FCharCase == TCharCase::LowerCase && Key >= QLatin1Char('A') && Key <= QLatin1Char('Z'))
        return Key.toLower();
    return Key;
}

bool TFilterEdit::Accepts(QChar Key) const
{
    // An empty set takes every key.
    return FCharSet.none() || Key == QLatin1Char('\b') || CharInSet(Key, FCharSet);
}

bool TFilterEdit::IsCaseShortcut(const QKeyEvent *Event) const
{
    return Event->modifiers() == Qt::ControlModifier
        && (Event->key() == Qt::Key_L || Event->key() == Qt::Key_U);
}

bool TFilterEdit::event(QEvent *Event)
{
    // Ctrl+L and Ctrl+U belong to the field even where a menu uses them.
    if (Event->type() == QEvent::ShortcutOverride && IsCaseShortcut(static_cast<QKeyEvent *>(Event))) {
        Event->accept();
        return true;
    }
    return TCustomEdit::event(Event);
}

void TFilterEdit::DoEnter()
{
    TCustomEdit::DoEnter();
    selectAll();
}

void TFilterEdit::DoExit()
{
    TCustomEdit::DoExit();
    if (!FRequired || !TrimText(text()).isEmpty())
        return;
    RefuseExit(QStringLiteral("This field is required!"), MsgFlag::IconWarning,
        QStringLiteral("A non-fatal error has occured in the\r\nprogram. Click on Ok to continue."));
}

void TFilterEdit::keyPressEvent(QKeyEvent *Event)
{
    if (IsCaseShortcut(Event)) {
        if (!isReadOnly())
            setText(Event->key() == Qt::Key_L ? NameCase(text()) : text().toUpper());
        return;
    }
    TCustomEdit::keyPressEvent(Event);
}

void TFilterEdit::EditKeyPress(QKeyEvent *Event)
{
    const QChar Typed = KeyChar(Event);
    QChar Key = ConvertCase(Typed);
    if (!Accepts(Key)) {
        if (FBeepOnInvalid)
            QApplication::beep();
        return;
    }
    if (FOnKeyPress)
        FOnKeyPress(Key);
    if (Key.isNull())
        return;
    if (Key == Typed) {
        TCustomEdit::EditKeyPress(Event);
        return;
    }
    QKeyEvent Converted(Event->type(), Event->key(), Event->modifiers(), QString(Key), Event->isAutoRepeat());
    TCustomEdit::EditKeyPress(&Converted);
}

void TFilterEdit::InsertPasted(const QString &Text)
{
    QString Kept;
    for (const QChar Typed : Text) {
        const QChar Key = ConvertCase(Typed);
        if (Key.isPrint() && Accepts(Key))
            Kept.append(Key);
    }
    insert(Kept);
}
