#pragma once

#include <QString>

// The pocket calculator behind the amount fields: a display of at most
// iMaxChars characters, a pending operator, two operands and a memory.
// Results are rounded to Precision decimals, the cent digits of the amount
// field the calculator serves.
class TCalculatorEngine {
public:
    // Kinds of the last input.
    static constexpr int iDigit = 1;
    static constexpr int iDecimal = 2;
    static constexpr int iClear = 3;
    static constexpr int iOper = 4;
    static constexpr int iGetRcl = 5;
    static constexpr int iMaxChars = 17;

    explicit TCalculatorEngine(int Precision = 2, const QString &FieldText = QString());

    // The state of a calculator just opened; the display is left alone.
    void Reset();
    void Digit(QChar Digit);
    void Decimal();
    // '+', '-', '*', '/', '=' or '%'.
    void Operator(QChar Oper);
    void ClearEntry();
    void AllClear();
    void ChangeSign();
    void Backspace();
    void RoundDisplay();
    void Store();
    void Sum();
    void Recall();
    void Get();
    void Put() { FPutKey = true; }

    const QString &Display() const { return FDisplay; }
    bool RecallEnabled() const { return FRecallEnabled; }
    bool PutKey() const { return FPutKey; }
    double Oper1() const { return FOper1; }
    double Oper2() const { return FOper2; }
    double Stored() const { return FStored; }
    int NumOper() const { return FNumOper; }
    int LastInput() const { return FLastInput; }
    QChar OperFlag() const { return FOperFlag; }
    bool DecFlag() const { return FDecFlag; }
    int Precision() const { return FPrecision; }

    // The shortest plain decimal text that reads back to Value, '.' as point.
    static QString GeneralFormat(double Value);

private:
    double DisplayValue() const;
    void ApplyPending();
    void ShowResult();

    QString FDisplay = QStringLiteral("0");
    QString FFieldText;
    double FOper1 = 0;
    double FOper2 = 0;
    double FStored = 0;
    int FNumOper = 0;
    int FLastInput = 0;
    QChar FOperFlag = QLatin1Char(' ');
    bool FDecFlag = false;
    bool FPutKey = false;
    bool FRecallEnabled = false;
    int FPrecision = 2;
};
