#include "TFocusGuard.h"

#include <QFocusEvent>
#include <QWidget>

namespace {

bool RestoringFocus = false;

} // namespace

bool TFocusGuard::Restore(QWidget *Field)
{
    RestoringFocus = true;
    Field->setFocus(Qt::OtherFocusReason);
    RestoringFocus = false;
    return Field->isEnabled() && Field->isVisible() && Field->window()->focusWidget() == Field;
}

bool TFocusGuard::Restoring()
{
    return RestoringFocus;
}

bool TFocusGuard::IsFieldMove(const QFocusEvent *Event)
{
    switch (Event->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        // While a field takes the focus back, the one that was about to get
        // it loses it again without ever having been entered.
        return Event->gotFocus() || !RestoringFocus;
    }
}
