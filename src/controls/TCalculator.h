#pragma once

#include "TCalculatorEngine.h"

#include <QDialog>
#include <QHash>

#include <functional>

class QLabel;
class QToolButton;

// The calculator window of the amount fields: a display, buttons that take
// no focus, and a key for every button. "Get" copies the field's amount in,
// "Put" closes the window to put the display into the field.
class TCalculator : public QDialog {
    Q_OBJECT
public:
    TCalculator(const QString &FieldText, int Precision, QWidget *Parent = nullptr);

    QString Display() const { return FEngine.Display(); }
    bool PutKey() const { return FEngine.PutKey(); }
    const TCalculatorEngine &Engine() const { return FEngine; }
    // The button a key stands for (letters in either case); null when none.
    QToolButton *ButtonForKey(const QKeyEvent *Event) const;

protected:
    void keyPressEvent(QKeyEvent *Event) override;

private:
    QToolButton *AddButton(const QString &Name, const QString &Caption, const QString &Hint,
        const std::function<void()> &Action);
    void BuildButtons();
    void LayOut();
    void Refresh();

    TCalculatorEngine FEngine;
    QLabel *FDisplay = nullptr;
    QHash<QString, QToolButton *> FButtons;
};
