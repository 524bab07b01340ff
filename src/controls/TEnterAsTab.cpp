#include "TEnterAsTab.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

TEnterAsTab::TEnterAsTab(QWidget *ParentForm)
    : QObject(ParentForm)
{
    SetParentForm(ParentForm);
}

TEnterAsTab::~TEnterAsTab()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void TEnterAsTab::SetParentForm(QWidget *Form)
{
    FParentForm = Form;
    // Watching the application lets the window see every key before the
    // field that has the focus, whichever field that is.
    qApp->removeEventFilter(this);
    if (Form)
        qApp->installEventFilter(this);
}

bool TEnterAsTab::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() != QEvent::KeyPress || !FParentForm || !Watched->isWidgetType())
        return false;
    auto *Receiver = static_cast<QWidget *>(Watched);
    if (Receiver->window() != FParentForm)
        return false;
    return HandleKey(Receiver, static_cast<QKeyEvent *>(Event));
}

bool TEnterAsTab::HandleKey(QWidget *Receiver, const QKeyEvent *Event)
{
    const Qt::KeyboardModifiers Mods = Event->modifiers() & ~Qt::KeypadModifier;
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // A focused button takes Enter as a press of itself.
        if (!FEnterAsTabKey || (Mods & (Qt::ControlModifier | Qt::AltModifier))
            || qobject_cast<QAbstractButton *>(Receiver))
            return false;
        MoveToNextField();
        return true;
    case Qt::Key_Escape:
        if (!FEscapeAsClose || Mods != Qt::NoModifier)
            return false;
        FParentForm->close();
        return true;
    default:
        return false;
    }
}

void TEnterAsTab::MoveToNextField()
{
    // The window moves on as for Tab, in its own tab order.
    QKeyEvent Tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(FParentForm, &Tab);
}
