#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The prompt for a company's file password.
class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget *Parent = nullptr);

    QLabel *LblPrompt = nullptr;
    QLineEdit *Password = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;
};
