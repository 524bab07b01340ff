#include "TMaskedEdit.h"

#include <QKeyEvent>
#include <QSignalBlocker>

namespace {

// Whether the mask character Mask (a position of a Qt input mask) takes Key.
bool PositionTakes(QChar Mask, QChar Key)
{
    switch (Mask.unicode()) {
    case 'A':
    case 'a':
        return Key.isLetter();
    case 'N':
    case 'n':
        return Key.isLetterOrNumber();
    case 'X':
    case 'x':
        return Key.isPrint();
    case '9':
    case '0':
        return Key >= QLatin1Char('0') && Key <= QLatin1Char('9');
    case 'D':
    case 'd':
        return Key >= QLatin1Char('1') && Key <= QLatin1Char('9');
    case '#':
        return (Key >= QLatin1Char('0') && Key <= QLatin1Char('9')) || Key == QLatin1Char('+')
            || Key == QLatin1Char('-');
    case 'H':
    case 'h':
        return QStringLiteral("0123456789abcdefABCDEF").contains(Key);
    case 'B':
    case 'b':
        return Key == QLatin1Char('0') || Key == QLatin1Char('1');
    default:
        return false;
    }
}

} // namespace

TMaskedEdit::TMaskedEdit(QWidget *Parent)
    : TCustomEdit(Parent)
{
}

void TMaskedEdit::SetEditMask(const QString &Mask)
{
    FEditMask = Mask;
    setInputMask(Mask + QStringLiteral("; "));
}

QString TMaskedEdit::StoredText() const
{
    // With a blank as the mask's blank character the shown text is exactly
    // the stored one (masked fields are never password fields).
    return FEditMask.isEmpty() ? text() : displayText();
}

bool TMaskedEdit::MaskTakes(QChar Key) const
{
    for (qsizetype I = 0; I < FEditMask.size(); ++I) {
        // A backslash makes the next mask character a literal.
        if (FEditMask.at(I) == QLatin1Char('\\')) {
            ++I;
            continue;
        }
        if (PositionTakes(FEditMask.at(I), Key))
            return true;
    }
    return false;
}

void TMaskedEdit::EditKeyPress(QKeyEvent *Event)
{
    const QChar Key = KeyChar(Event);
    if (FEditMask.isEmpty() || Key == QLatin1Char('\b') || MaskTakes(Key))
        TCustomEdit::EditKeyPress(Event);
}

void TMaskedEdit::SetStoredText(const QString &Text)
{
    if (FEditMask.isEmpty()) {
        setText(Text);
        return;
    }
    const QString Before = StoredText();
    {
        // QLineEdit::setText would close up the blanks; each character goes
        // to its own position instead, and one change is reported at the end.
        const QSignalBlocker Blocker(this);
        setText(QString());
        const QString Empty = displayText();
        for (qsizetype I = 0; I < Empty.size() && I < Text.size(); ++I) {
            if (Empty.at(I) != QLatin1Char(' ') || Text.at(I) == QLatin1Char(' '))
                continue;
            setSelection(int(I), 1);
            insert(Text.mid(I, 1));
        }
        setCursorPosition(0);
    }
    if (StoredText() != Before)
        Q_EMIT textChanged(text());
}
