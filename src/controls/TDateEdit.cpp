#include "TDateEdit.h"

#include "AppInfo.h"
#include "DateCommands.h"
#include "DateUtils.h"
#include "FieldColors.h"
#include "MsgBox.h"
#include "TClock.h"
#include "TFrmCalendar.h"
#include "TextUtils.h"

#include <QKeyEvent>

TDateEdit::TDateEdit(QWidget *Parent)
    : TMaskedEdit(Parent)
{
    SetEditMask(QStringLiteral("99/99/9999"));
    setAttribute(Qt::WA_InputMethodEnabled, false);
    resize(75, 21);
    connect(this, &QLineEdit::textChanged, this, &TDateEdit::CheckTypedDate);
}

void TDateEdit::DoEnter()
{
    TMaskedEdit::DoEnter();
    selectAll();
}

void TDateEdit::DoExit()
{
    TMaskedEdit::DoExit();
    if (Text() == EmptyDateText() || IsValidDateText(Text()))
        return;
    RefuseExit(Text() + QStringLiteral(" is not a valid date."), MsgFlag::IconError,
        QStringLiteral("A non fatal error has occured in the program.~Click on OK to continue."));
}

void TDateEdit::CheckTypedDate()
{
    if (TrimText(Text()).size() == 10 && !IsValidDateText(Text()))
        ShowInvalidDate();
}

void TDateEdit::ShowInvalidDate()
{
    MsgBox(Text() + QStringLiteral(" is not a valid date."), AppTitle(), MsgFlag::IconError);
}

void TDateEdit::EditKeyPress(QKeyEvent *Event)
{
    const QChar Key = KeyChar(Event).toUpper();
    const bool Command = IsDateCommandKey(Key) || Key == QLatin1Char('C');
    if (!Command) {
        TMaskedEdit::EditKeyPress(Event);
        return;
    }
    // A read-only date is shown, never changed.
    if (isReadOnly())
        return;
    if (Key == QLatin1Char('C'))
        OpenCalendar();
    else
        SetText(ApplyDateCommand(Key, Text(), TClock::Today()));
}

void TDateEdit::mouseDoubleClickEvent(QMouseEvent *Event)
{
    if (isReadOnly()) {
        TMaskedEdit::mouseDoubleClickEvent(Event);
        return;
    }
    OpenCalendar();
}

void TDateEdit::OpenCalendar()
{
    TFrmCalendar Calendar(this);
    Calendar.PutDate(Text());
    // The colour the field had, the window's highlight included, comes back.
    const QColor Before = Color();
    SetColor(PopupOpenColor());
    Calendar.exec();
    if (Calendar.Paste())
        SetText(Calendar.GetDate());
    SetColor(Before);
}
