#include "TFocusGuard.h"

#include <QFocusEvent>
#include <QWidget>

namespace {

// The field that refuses to be left, while it does.
QPointer<QWidget> RefusingField;
bool Refusing = false;

} // namespace

TFocusGuard::TFocusGuard(QWidget *Field)
    : FField(Field)
    , FOuter(RefusingField)
{
    RefusingField = Field;
    Refusing = true;
}

TFocusGuard::~TFocusGuard()
{
    RefusingField = FOuter;
    Refusing = !FOuter.isNull();
}

bool TFocusGuard::Restore()
{
    if (!FField)
        return false;
    FField->setFocus(Qt::OtherFocusReason);
    return FField->isEnabled() && FField->isVisible() && FField->window()->focusWidget() == FField;
}

bool TFocusGuard::Ignored(const QWidget *Field, const QFocusEvent *Event)
{
    if (Refusing && Field != RefusingField)
        return true;
    return Event->reason() == Qt::PopupFocusReason || Event->reason() == Qt::MenuBarFocusReason;
}

bool TFocusGuard::Enters(const QWidget *Field, const QFocusEvent *Event, bool &Entered)
{
    if (Entered || Ignored(Field, Event))
        return false;
    Entered = true;
    return true;
}

bool TFocusGuard::Leaves(const QWidget *Field, const QFocusEvent *Event, bool &Entered)
{
    if (!Entered || Ignored(Field, Event) || Event->reason() == Qt::ActiveWindowFocusReason)
        return false;
    Entered = false;
    return true;
}
