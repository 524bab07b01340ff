#pragma once

#include "TCustomEdit.h"

// The amount field of the forms. Left, it shows the amount with thousands
// separators ("1,234.56"); entered, plain digits ("1234.56") that only a
// well-formed amount can be typed into. "C" or a double-click opens the
// calculator, whose result can be put back into the field.
class TDollarEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TDollarEdit(QWidget *Parent = nullptr);

    // The amount the text shows (read from the text, so always what is seen).
    double Value() const;
    // Shows Value in the display form; amounts above 999,999,999,999.99 are
    // cut to it.
    void SetValue(double Value);

    bool RequiredField() const { return FRequired; }
    void SetRequiredField(bool Required) { FRequired = Required; }
    bool MinusKey() const { return FMinuskey; }
    void SetMinusKey(bool MinusKey) { FMinuskey = MinusKey; }
    int DollarDigits() const { return FDollarDigits; }
    void SetDollarDigits(int Digits);
    int CentDigits() const { return FCentDigits; }
    void SetCentDigits(int Digits);
    bool Currency() const { return FCurrency; }
    void SetCurrency(bool Currency) { FCurrency = Currency; }
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double Value) { FMaxValue = Value; }
    double MinValue() const { return FMinValue; }
    void SetMinValue(double Value) { FMinValue = Value; }
    QColor FontColor() const { return FontClr; }
    void SetFontColor(const QColor &Color);
    // Most characters that can be typed: DollarDigits + CentDigits + 2.
    int MaxLength() const { return FMaxLength; }

    double FieldValue() const { return FFieldValue; }
    bool FirstTime() const { return FFirstTime; }
    // Decimals the calculator rounds to: those of the amount field that last
    // got the focus.
    static int CalculatorPrecision();

    void OpenCalculator();

protected:
    void DoEnter() override;
    void DoExit() override;
    void EditKeyPress(QKeyEvent *Event) override;
    void InsertPasted(const QString &Text) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;

private:
    bool FilterKey(QChar Key, bool Typed);
    bool RefusedByLimits(QChar Key);
    // The message that keeps the field from being left; empty when none.
    QString ExitRefusal(int &Flags) const;
    void ShowEditForm();
    void ShowDisplayForm();
    void PutCalculatorResult(const QString &Display);
    bool FitsField(const QString &Amount) const;
    QString DisplayPattern(double Amount) const;

    bool FRequired = false;
    bool FMinuskey = true;
    int FDollarDigits = 9;
    int FCentDigits = 2;
    int FMaxLength = 13;
    double FMaxValue = 0;
    double FMinValue = 0;
    bool FCurrency = false;
    QColor FontClr;
    bool FFirstTime = false;
    double FFieldValue = 0;
};
