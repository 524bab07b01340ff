#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class TEnterAsTab;
class TFrmDataModule;

// "Set/Change Password": sets, changes or removes the open company's file password.
class TFrmPassword : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPassword(TFrmDataModule &Data, QWidget *Parent = nullptr);

    QLineEdit *PW1 = nullptr;
    QLineEdit *PW2 = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void BtnOkClick();
    void StorePassword(const QString &Stored);

    TFrmDataModule &FData;
    TEnterAsTab *FEnterAsTab = nullptr;
};
