#include "TFieldHighlight.h"

#include "FieldColors.h"
#include "TFocusGuard.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

TFieldHighlight::TFieldHighlight(QWidget *Window)
    : QObject(Window)
{
    for (QWidget *Child : Window->findChildren<QWidget *>()) {
        // The edit inside a spin box or an editable list is watched through
        // its owner.
        if (qobject_cast<QAbstractSpinBox *>(Child->parentWidget())
            || qobject_cast<QComboBox *>(Child->parentWidget()))
            continue;
        if (qobject_cast<QLineEdit *>(Child) || qobject_cast<QComboBox *>(Child)
            || qobject_cast<QAbstractSpinBox *>(Child) || qobject_cast<QPlainTextEdit *>(Child))
            Watch(Child);
    }
}

void TFieldHighlight::Watch(QWidget *Field)
{
    Field->installEventFilter(this);
}

bool TFieldHighlight::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() != QEvent::FocusIn && Event->type() != QEvent::FocusOut)
        return false;
    const auto *Focus = static_cast<QFocusEvent *>(Event);
    auto *Field = static_cast<QWidget *>(Watched);
    bool Entered = FCurrent == Field;
    if (TFocusGuard::Enters(Field, Focus, Entered)) {
        if (FCurrent)
            SetFieldColor(FCurrent, FOldColor);
        FCurrent = Field;
        FOldColor = FieldColor(Field);
        SetFieldColor(Field, HighlightColor());
    } else if (TFocusGuard::Leaves(Field, Focus, Entered)) {
        SetFieldColor(Field, FOldColor);
        FCurrent = nullptr;
    }
    return false;
}
