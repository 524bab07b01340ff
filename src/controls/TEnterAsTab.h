#pragma once

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QWidget;

// Makes Enter move to the next field of ParentForm, as Tab does, and,
// when EscapeAsClose is set, Esc close the window. It sees the keys before
// the fields do, so no field's own rules can swallow them.
class TEnterAsTab : public QObject {
    Q_OBJECT
public:
    explicit TEnterAsTab(QWidget *ParentForm = nullptr);
    ~TEnterAsTab() override;

    bool EnterAsTabKey() const { return FEnterAsTabKey; }
    void SetEnterAsTabKey(bool Enabled) { FEnterAsTabKey = Enabled; }
    bool EscapeAsClose() const { return FEscapeAsClose; }
    void SetEscapeAsClose(bool Enabled) { FEscapeAsClose = Enabled; }
    QWidget *ParentForm() const { return FParentForm; }
    void SetParentForm(QWidget *Form);

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    bool HandleKey(QWidget *Receiver, const QKeyEvent *Event);
    void MoveToNextField();

    bool FEnterAsTabKey = true;
    bool FEscapeAsClose = false;
    QPointer<QWidget> FParentForm;
};
