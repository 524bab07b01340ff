#include "TModalReturn.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>

namespace {

// Each modal window that is up, with the window that was active when it came.
QHash<const QObject *, QPointer<QWidget>> &CameFrom()
{
    static QHash<const QObject *, QPointer<QWidget>> Windows;
    return Windows;
}

bool IsModalWindow(const QObject *Receiver)
{
    if (!Receiver->isWidgetType())
        return false;
    const auto *Widget = static_cast<const QWidget *>(Receiver);
    return Widget->isWindow() && Widget->isModal();
}

void Shown(const QWidget *Modal)
{
    QWidget *Active = QApplication::activeWindow();
    if (!Active || Active == Modal)
        Active = Modal->parentWidget() ? Modal->parentWidget()->window() : nullptr;
    CameFrom().insert(Modal, Active);
}

void Hidden(const QWidget *Modal)
{
    const QPointer<QWidget> Back = CameFrom().take(Modal);
    // Another modal window over it takes the focus instead. The window may
    // still count as active when the modal one closed before it was ever
    // activated; activating it again undoes that late activation.
    QWidget *Up = QApplication::activeModalWidget();
    if (!Back || !Back->isVisible() || (Up && Up != Back))
        return;
    Back->activateWindow();
}

} // namespace

void TModalReturn::Delivered(QObject *Receiver, const QEvent *Event)
{
    if (Event->type() != QEvent::Show && Event->type() != QEvent::Hide)
        return;
    if (!IsModalWindow(Receiver))
        return;
    const auto *Modal = static_cast<const QWidget *>(Receiver);
    if (Event->type() == QEvent::Show)
        Shown(Modal);
    else
        Hidden(Modal);
}
