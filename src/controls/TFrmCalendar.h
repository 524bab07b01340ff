#pragma once

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

// The month calendar of the date fields: weeks from Sunday, a heading such as
// "May, 2025", a month back or forward with the buttons or Page Up and Page
// Down, a year with Alt. A double-click on a day or "Paste Date" gives the
// date to the field.
class TFrmCalendar : public QDialog {
    Q_OBJECT
public:
    explicit TFrmCalendar(QWidget *Parent = nullptr);

    // Shows the month of Text when it is a valid date, else today's.
    void PutDate(const QString &Text);
    // The chosen date as "mm/dd/yyyy".
    QString GetDate() const;
    bool Paste() const { return FPaste; }
    void MoveMonths(int Months);

    QCalendarWidget *Calendar = nullptr;
    QLabel *Panel = nullptr;
    QPushButton *BtnPrior = nullptr;
    QPushButton *BtnNext = nullptr;
    QPushButton *BtnPasteDate = nullptr;
    QPushButton *BtnCancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    bool MoveByKey(const QKeyEvent *Event);
    void UpdateHeading();
    void PasteAndClose();

    bool FPaste = false;
};
