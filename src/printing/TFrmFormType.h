#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class QRadioButton;

// "Form W-2 Type": which copy Print All prints. Every close, OK or Cancel,
// keeps the chosen copy in W2FormType for the next time; the caller prints
// only after OK.
class TFrmFormType : public QDialog {
    Q_OBJECT
public:
    explicit TFrmFormType(QWidget *Parent = nullptr);

    // Shows the window modally; true when it closed with OK. MaskSSN tells
    // whether the employee copy is to be masked in the run that follows.
    static bool Execute(QWidget *Parent, bool &MaskSSN);

    bool MaskSSN() const;

    QRadioButton *RbEmployee = nullptr;
    QRadioButton *RbEmployer = nullptr;
    QRadioButton *RbState = nullptr;
    QRadioButton *RbSSA = nullptr;
    QCheckBox *ChkMaskSSN = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;

    void FormShow();
    void FormClose();

protected:
    void showEvent(QShowEvent *Event) override;
    void done(int Result) override;
};
