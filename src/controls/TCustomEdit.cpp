#include "TCustomEdit.h"

#include "AppInfo.h"
#include "FieldColors.h"
#include "MsgBox.h"
#include "TFocusGuard.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

TCustomEdit::TCustomEdit(QWidget *Parent)
    : QLineEdit(Parent)
{
    setAlignment(ToQtAlignment(FAlignment));
}

void TCustomEdit::SetAlignment(TAlignment Alignment)
{
    FAlignment = Alignment;
    setAlignment(ToQtAlignment(Alignment));
}

QColor TCustomEdit::Color() const
{
    return FieldColor(this);
}

void TCustomEdit::SetColor(const QColor &Color)
{
    SetFieldColor(this, Color);
}

QChar TCustomEdit::KeyChar(const QKeyEvent *Event)
{
    if (Event->key() == Qt::Key_Backspace)
        return QLatin1Char('\b');
    const Qt::KeyboardModifiers Mods = Event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    // Ctrl or Alt alone make a shortcut; both together are AltGr on some
    // keyboards and type a character.
    if (Mods == Qt::ControlModifier || Mods == Qt::AltModifier)
        return QChar();
    const QString Text = Event->text();
    if (Text.isEmpty() || !Text.at(0).isPrint())
        return QChar();
    return Text.at(0);
}

void TCustomEdit::focusInEvent(QFocusEvent *Event)
{
    QLineEdit::focusInEvent(Event);
    if (TFocusGuard::Enters(this, Event, FEntered))
        DoEnter();
}

void TCustomEdit::focusOutEvent(QFocusEvent *Event)
{
    QLineEdit::focusOutEvent(Event);
    if (TFocusGuard::Leaves(this, Event, FEntered))
        DoExit();
}

void TCustomEdit::keyPressEvent(QKeyEvent *Event)
{
    if (Event->matches(QKeySequence::Paste)) {
        PasteFromClipboard();
        return;
    }
    // Keys that type nothing keep their usual meaning; Enter and Esc reach
    // the window whatever a field's rules are.
    if (KeyChar(Event).isNull()) {
        QLineEdit::keyPressEvent(Event);
        return;
    }
    EditKeyPress(Event);
}

void TCustomEdit::contextMenuEvent(QContextMenuEvent *Event)
{
    QMenu *Menu = createStandardContextMenu();
    Menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString PasteSuffix
        = QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction *Action : Menu->actions()) {
        if (!Action->text().endsWith(PasteSuffix))
            continue;
        disconnect(Action, &QAction::triggered, this, nullptr);
        connect(Action, &QAction::triggered, this, &TCustomEdit::PasteFromClipboard);
    }
    Menu->popup(Event->globalPos());
}

void TCustomEdit::mouseReleaseEvent(QMouseEvent *Event)
{
    // The X11 selection pasted with the middle button follows the same rules.
    if (Event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        if (!isReadOnly())
            InsertPasted(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(Event);
}

void TCustomEdit::PasteFromClipboard()
{
    if (!isReadOnly())
        InsertPasted(QGuiApplication::clipboard()->text());
}

void TCustomEdit::RefuseExit(
    const QString &Message, int Flags, const QString &FailureText, const std::function<void()> &BeforeRestore)
{
    bool Restored = false;
    {
        TFocusGuard Guard(this);
        MsgBox(Message, AppTitle(), Flags);
        if (BeforeRestore)
            BeforeRestore();
        Restored = Guard.Restore();
    }
    if (!Restored)
        MsgBox(FailureText, AppTitle(), MsgFlag::IconError);
}
