#include "TStateEdit.h"

#include "StateCodes.h"
#include "TCustomEdit.h"
#include "TStateEditAccessible.h"

#include <QKeyEvent>

TStateEdit::TStateEdit(QWidget *Parent)
    : QComboBox(Parent)
{
    TStateEditAccessible::Install();
    setEditable(false);
    addItems(StateCodes());
    setCurrentIndex(-1);
    resize(50, sizeHint().height());
}

void TStateEdit::ClearWhenAllowed()
{
    if (FOkToDel)
        setCurrentIndex(-1);
}

void TStateEdit::keyPressEvent(QKeyEvent *Event)
{
    if (Event->key() == Qt::Key_Delete) {
        ClearWhenAllowed();
        return;
    }
    const QChar Key = TCustomEdit::KeyChar(Event);
    if (Key.isNull()) {
        // Arrows, the list keys, Enter and Esc work as usual.
        QComboBox::keyPressEvent(Event);
        return;
    }
    // Every character is taken here; only backspace and letters do anything.
    if (Key == QLatin1Char('\b')) {
        ClearWhenAllowed();
        return;
    }
    const int Next = NextStateIndex(currentIndex(), Key);
    if (Key.isLetter() && Next >= 0)
        setCurrentIndex(Next);
}
