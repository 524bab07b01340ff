#pragma once

#include "TCustomEdit.h"

// A field with an input mask ("999-99-9999", "99/99/9999") whose text is kept
// the way the records store it: the mask's literals included and every
// position not yet typed as a blank, so an untouched SSN field reads
// "   -  -    ". QLineEdit::text() drops those blanks.
class TMaskedEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TMaskedEdit(QWidget *Parent = nullptr);

    // A Qt input mask without the blank character part; blanks are spaces.
    void SetEditMask(const QString &Mask);
    QString EditMask() const { return FEditMask; }
    QString StoredText() const;
    // Puts each character of Text at its own position; a blank leaves the
    // position empty and the literals come from the mask.
    void SetStoredText(const QString &Text);
    // True when some position of the mask takes Key.
    bool MaskTakes(QChar Key) const;

protected:
    // A character no position takes is dropped; the edit alone would clear
    // the selected text first.
    void EditKeyPress(QKeyEvent *Event) override;

private:
    QString FEditMask;
};
