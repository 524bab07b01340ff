#pragma once

#include "TCustomEdit.h"

// The check boxes drawn on the forms: a one-character field showing "X" when
// checked. The space bar or a click toggles it; nothing else can be typed.
class TCheckBoxEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TCheckBoxEdit(QWidget *Parent = nullptr);

    // True exactly when the field shows "X".
    bool Checked() const;
    // Changes the text only on a real change, so the change notification
    // (textChanged) comes only then.
    void SetChecked(bool Checked);

Q_SIGNALS:
    void Click();

protected:
    void keyPressEvent(QKeyEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;

private:
    void Toggle();
};
