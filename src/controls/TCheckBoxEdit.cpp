#include "TCheckBoxEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>

TCheckBoxEdit::TCheckBoxEdit(QWidget *Parent)
    : TCustomEdit(Parent)
{
    setMaxLength(1);
    SetAlignment(TAlignment::Center);
    setCursor(Qt::PointingHandCursor);
    QFont Font;
    // Tahoma where the machine has it, else the metric twin of Arial.
    Font.setFamilies({ QStringLiteral("Tahoma"), QStringLiteral("Arial") });
    Font.setPointSize(10);
    Font.setBold(true);
    setFont(Font);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::NoContextMenu);
    resize(21, 21);
}

bool TCheckBoxEdit::Checked() const
{
    return text() == QLatin1String("X");
}

void TCheckBoxEdit::SetChecked(bool Checked)
{
    // Compared with what is shown: the windows may also set the text itself.
    if (Checked == this->Checked())
        return;
    setText(Checked ? QStringLiteral("X") : QString());
}

void TCheckBoxEdit::Toggle()
{
    if (!isReadOnly())
        SetChecked(!Checked());
}

void TCheckBoxEdit::keyPressEvent(QKeyEvent *Event)
{
    switch (Event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // For the window: next field, default button or close.
        Event->ignore();
        return;
    default:
        break;
    }
    if (KeyChar(Event) == QLatin1Char(' '))
        Toggle();
    // Every other key is taken and does nothing.
}

void TCheckBoxEdit::mouseReleaseEvent(QMouseEvent *Event)
{
    TCustomEdit::mouseReleaseEvent(Event);
    if (Event->button() != Qt::LeftButton || !rect().contains(Event->position().toPoint()))
        return;
    Toggle();
    Q_EMIT Click();
}
