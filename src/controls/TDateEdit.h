#pragma once

#include "TMaskedEdit.h"

// The date field "mm/dd/yyyy". Besides digits it takes one-key commands:
// T today, + and - a day later or earlier, M and H the first and last day of
// the month, Y and R of the year, W and K the Sunday before and the Saturday
// after; C or a double-click opens the calendar.
class TDateEdit : public TMaskedEdit {
    Q_OBJECT
public:
    explicit TDateEdit(QWidget *Parent = nullptr);

    // The date as the records store it, "  /  /    " when empty.
    QString Text() const { return StoredText(); }
    void SetText(const QString &Text) { SetStoredText(Text); }
    void OpenCalendar();

protected:
    void DoEnter() override;
    void DoExit() override;
    void EditKeyPress(QKeyEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;

private:
    void CheckTypedDate();
    void ShowInvalidDate();
};
