#pragma once

#include <QDialog>

class QPushButton;
class TFilterEdit;

// Asks for the name of a new company file.
class TFrmNewFileDlg : public QDialog {
    Q_OBJECT
public:
    explicit TFrmNewFileDlg(QWidget *Parent = nullptr);

    TFilterEdit *NewFileName = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
};
