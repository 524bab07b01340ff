#pragma once

#include "TAlignment.h"

#include <QLineEdit>

#include <functional>

// Base of the single-line entry fields: alignment that works in a one-line
// field, a background colour, enter and exit notifications for the window
// (only for moves between fields, see TFocusGuard), and a paste that goes
// through the field's own key rules.
class TCustomEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCustomEdit(QWidget *Parent = nullptr);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Alignment);
    QColor Color() const;
    void SetColor(const QColor &Color);

    // The character a key types: '\b' for backspace, a null character for
    // keys that type nothing (moves, shortcuts, Enter, Esc).
    static QChar KeyChar(const QKeyEvent *Event);

Q_SIGNALS:
    // The window's own handlers, run where each field's rules say.
    void Enter();
    void Exit();

protected:
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void contextMenuEvent(QContextMenuEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

    virtual void DoEnter() { Q_EMIT Enter(); }
    virtual void DoExit() { Q_EMIT Exit(); }
    // A key that types a character; the default lets the edit take it.
    virtual void EditKeyPress(QKeyEvent *Event) { QLineEdit::keyPressEvent(Event); }
    // Text pasted from the clipboard; the default inserts it as it is.
    virtual void InsertPasted(const QString &Text) { insert(Text); }
    // The field refuses to be left: Message is shown with Flags, then
    // BeforeRestore runs, then the focus goes back to the field; when it
    // cannot, FailureText is shown as an error.
    void RefuseExit(const QString &Message, int Flags, const QString &FailureText,
        const std::function<void()> &BeforeRestore = {});

private:
    void PasteFromClipboard();

    bool FEntered = false;
    TAlignment FAlignment = TAlignment::LeftJustify;
};
