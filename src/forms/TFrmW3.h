#pragma once

#include "TFormWindow.h"

#include <QList>

#include <memory>

class TRvSystem;
class TW3Printing;
class EmployerRecord;
class QPushButton;
class TCheckBoxEdit;
class TCustomEdit;
class TDateEdit;
class TDollarEdit;
class TFilterEdit;
class TMaskedEdit;

// The employer entry window, drawn like Form W-3: the totals of every
// employee, computed afresh at each opening, and the employer's identity,
// kind of payer and employer, state, contact and signer. The window closes
// only once the employer passes its checks.
class TFrmW3 : public TFormWindow {
    Q_OBJECT
public:
    explicit TFrmW3(TFrmDataModule &Data, QWidget *Parent = nullptr);
    ~TFrmW3() override;

    // Checks the fields in order; on a failure the focus goes to the field
    // and EFieldException carries the message.
    void CheckFields();
    // The employer as the fields show it.
    EmployerRecord EmployerFromWindow() const;

    TFilterEdit *Boxa = nullptr;
    // Kind of Payer (1 to 7), Kind of Employer (8 to 12), third-party sick pay (13).
    TCheckBoxEdit *Boxb1 = nullptr;
    TCheckBoxEdit *Boxb2 = nullptr;
    TCheckBoxEdit *Boxb3 = nullptr;
    TCheckBoxEdit *Boxb4 = nullptr;
    TCheckBoxEdit *Boxb5 = nullptr;
    TCheckBoxEdit *Boxb6 = nullptr;
    TCheckBoxEdit *Boxb7 = nullptr;
    TCheckBoxEdit *Boxb8 = nullptr;
    TCheckBoxEdit *Boxb9 = nullptr;
    TCheckBoxEdit *Boxb10 = nullptr;
    TCheckBoxEdit *Boxb11 = nullptr;
    TCheckBoxEdit *Boxb12 = nullptr;
    TCheckBoxEdit *Boxb13 = nullptr;
    TFilterEdit *Boxc = nullptr;
    TFilterEdit *Boxd = nullptr;
    TDollarEdit *Amount1 = nullptr;
    TDollarEdit *Amount2 = nullptr;
    TMaskedEdit *Boxe = nullptr;
    TDollarEdit *Amount3 = nullptr;
    TDollarEdit *Amount4 = nullptr;
    TCustomEdit *Boxf_a = nullptr;
    TDollarEdit *Amount5 = nullptr;
    TDollarEdit *Amount6 = nullptr;
    TCustomEdit *Boxf_b = nullptr;
    TCustomEdit *Boxg_a = nullptr;
    TCustomEdit *Boxg_b = nullptr;
    TFilterEdit *Boxg_c = nullptr;
    TFilterEdit *Boxg_d = nullptr;
    TDollarEdit *Amount7 = nullptr;
    TDollarEdit *Amount8 = nullptr;
    TDollarEdit *Amount10 = nullptr;
    TDollarEdit *Amount11 = nullptr;
    TDollarEdit *Box12a = nullptr;
    TMaskedEdit *Boxh = nullptr;
    TFilterEdit *Box13 = nullptr;
    TFilterEdit *Box15 = nullptr;
    TFilterEdit *StateID = nullptr;
    TDollarEdit *Box14 = nullptr;
    TDollarEdit *Box16 = nullptr;
    TDollarEdit *Box17 = nullptr;
    TDollarEdit *Box18 = nullptr;
    TDollarEdit *Box19 = nullptr;
    TCustomEdit *Contact = nullptr;
    TMaskedEdit *TelNum = nullptr;
    TCustomEdit *Email = nullptr;
    TMaskedEdit *FaxNum = nullptr;
    TCustomEdit *SignerName = nullptr;
    TCustomEdit *Title = nullptr;
    TDateEdit *W3Date = nullptr;
    TCheckBoxEdit *FinalReturn = nullptr;

    QPushButton *BtnPrint = nullptr;

    // The box b check boxes 1 to 12, looked up by name.
    QList<TCheckBoxEdit *> Boxb;

private:
    void RptFormW3OverridePreview(TRvSystem &System, int Mode, QObject *&Form);
    std::unique_ptr<TW3Printing> FPrinting;
    void CreateHeader();
    void CreateKinds();
    void CreateIdentity();
    void CreateTotals();
    void CreateStateAndContact();
    void CreateButtons();
    void DrawForm();
    void DrawKinds();
    void ConnectHandlers();
    TDollarEdit *AddTotal(const char *Name, const QString &AccessibleName, int Digits);
    TCheckBoxEdit *AddCheck(const char *Name, const QString &AccessibleName, double X, double Y);
    TCustomEdit *AddEdit(const char *Name, const QString &AccessibleName, int MaxLength);
    TFilterEdit *AddStateBox(const char *Name, const QString &AccessibleName);

    void FormShow() override;
    void FormClose() override;
    void BoxbChange(int Index);
    void StateKeyPress(TFilterEdit *Box, QChar &Key);
    void Box13KeyPress(QChar &Key);
    void Box15Change();
    void BtnPrintClick();

    bool FSettingGroup = false;
};
