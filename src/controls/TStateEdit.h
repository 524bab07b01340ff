#pragma once

#include <QComboBox>

// The state selector: the 54 postal codes, chosen by first-letter keys that
// cycle through the codes of that letter (T: TN, TX, TN, ...). Backspace and
// Delete clear the choice when OkToDel is set.
class TStateEdit : public QComboBox {
    Q_OBJECT
public:
    explicit TStateEdit(QWidget *Parent = nullptr);

    bool OkToDel() const { return FOkToDel; }
    void SetOkToDel(bool OkToDel) { FOkToDel = OkToDel; }
    // The chosen code, empty when none.
    QString State() const { return currentText(); }

protected:
    void keyPressEvent(QKeyEvent *Event) override;

private:
    void ClearWhenAllowed();

    bool FOkToDel = true;
};
