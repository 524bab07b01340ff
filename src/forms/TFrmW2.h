#pragma once

#include "TFormWindow.h"

#include <QList>

#include <memory>

class EmployeeRecord;
class TDataModulePrintSource;
class TRvSystem;
class TW2Printing;
class QPushButton;
class TCheckBoxEdit;
class TCustomEdit;
class TDollarEdit;
class TFilterEdit;
class TMaskedEdit;
class TRSNavigator;
class TStateEdit;

// The employee entry window, drawn like Form W-2: one employee at a time,
// the employer's identity read-only, the navigator to move through the
// employees. Every move and the close check the employee and write it.
class TFrmW2 : public TFormWindow {
    Q_OBJECT
public:
    explicit TFrmW2(TFrmDataModule &Data, QWidget *Parent = nullptr);
    ~TFrmW2() override;

    // Checks the fields in order; on a failure the focus goes to the field
    // and EFieldException carries the message.
    void CheckFields();
    // The current employee as the fields show it.
    EmployeeRecord EmployeeFromWindow() const;

    int EmployeeCount = 0;
    // One flag per employee: shown in this window since it opened.
    QList<bool> FW2Checked;

    TMaskedEdit *Boxa = nullptr;
    TCustomEdit *W3Boxe = nullptr;
    TDollarEdit *Amount1 = nullptr;
    TDollarEdit *Amount2 = nullptr;
    TCustomEdit *W3Boxf_a = nullptr;
    TCustomEdit *W3Boxf_b = nullptr;
    TCustomEdit *W3Boxg_a = nullptr;
    TCustomEdit *W3Boxg_b = nullptr;
    TDollarEdit *Amount3 = nullptr;
    TDollarEdit *Amount4 = nullptr;
    TDollarEdit *Amount5 = nullptr;
    TDollarEdit *Amount6 = nullptr;
    TDollarEdit *Amount7 = nullptr;
    TDollarEdit *Amount8 = nullptr;
    TFilterEdit *Boxd = nullptr;
    TDollarEdit *Amount10 = nullptr;
    TCustomEdit *Boxe_a = nullptr;
    TCustomEdit *Boxe_b = nullptr;
    TCustomEdit *Suffix = nullptr;
    TCustomEdit *Boxf_a = nullptr;
    TCustomEdit *Boxf_b = nullptr;
    TStateEdit *Boxf_c = nullptr;
    TFilterEdit *Boxf_d = nullptr;
    TDollarEdit *Amount11 = nullptr;
    TFilterEdit *Box12Code_a = nullptr;
    TDollarEdit *Box12Amt_a = nullptr;
    TFilterEdit *Box12Code_b = nullptr;
    TDollarEdit *Box12Amt_b = nullptr;
    TFilterEdit *Box12Code_c = nullptr;
    TDollarEdit *Box12Amt_c = nullptr;
    TFilterEdit *Box12Code_d = nullptr;
    TDollarEdit *Box12Amt_d = nullptr;
    TCheckBoxEdit *Box13a = nullptr;
    TCheckBoxEdit *Box13b = nullptr;
    TCheckBoxEdit *Box13c = nullptr;
    TCustomEdit *Box14Desc_a = nullptr;
    TDollarEdit *Box14Amt_a = nullptr;
    TCustomEdit *Box14Desc_b = nullptr;
    TDollarEdit *Box14Amt_b = nullptr;
    TCustomEdit *Box14Desc_c = nullptr;
    TDollarEdit *Box14Amt_c = nullptr;
    TStateEdit *Box15a = nullptr;
    TFilterEdit *StateID_a = nullptr;
    TDollarEdit *Box16a = nullptr;
    TDollarEdit *Box17a = nullptr;
    TDollarEdit *Box18a = nullptr;
    TDollarEdit *Box19a = nullptr;
    TCustomEdit *Box20a = nullptr;
    TStateEdit *Box15b = nullptr;
    TFilterEdit *StateID_b = nullptr;
    TDollarEdit *Box16b = nullptr;
    TDollarEdit *Box17b = nullptr;
    TDollarEdit *Box18b = nullptr;
    TDollarEdit *Box19b = nullptr;
    TCustomEdit *Box20b = nullptr;

    QPushButton *BtnPrintOne = nullptr;
    QPushButton *BtnPrintAll = nullptr;
    TRSNavigator *RSNavigator = nullptr;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    // Runs the copy FormType of the records W2PrintFirst to W2PrintLast.
    void PrintCopy(int FormType, bool MaskSSN);
    void RptSysOverridePreview(TRvSystem &System, int Mode, QObject *&Form);
    std::unique_ptr<TDataModulePrintSource> FPrintSource;
    std::unique_ptr<TW2Printing> FPrinting;
    void CreateFields();
    void CreateEmployerBlock();
    void CreateAmounts();
    // An amount box with as many dollar digits as its record field takes.
    TDollarEdit *AddW2Amount(const char *Name, const QString &AccessibleName);
    void CreateEmployee();
    void CreateBox12To14();
    void CreateStateLines();
    void CreateButtons();
    void DrawForm();
    void ConnectHandlers();

    void FormShow() override;
    void FormClose() override;
    void PutEmployee();
    void PostEmployee();
    void MarkShown();
    void UpdatePrintButtons();
    void UpdatePrintAll();

    void Amount1Exit();
    void Amount3Exit();
    void Amount5Exit();
    void Amount7Enter();
    void Amount7Exit();
    void NameChange();
    void Box12CodeDblClick(TFilterEdit *Code);
    void RSNavigatorBeforeAction();
    void RSNavigatorAfterAction();
    void RSNavigatorBtnListClick();
    void BtnPrintOneClick();
    void BtnPrintAllClick();

    double FBox3Plus7 = 0; // box 3 plus box 7 when box 7 was entered
    int FCountBeforeAction = 0;
};
