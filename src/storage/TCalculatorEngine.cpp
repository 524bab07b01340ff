#include "TCalculatorEngine.h"

#include "AmountFormat.h"
#include "AppInfo.h"
#include "MsgBox.h"
#include "NumberUtils.h"

#include <QLocale>

TCalculatorEngine::TCalculatorEngine(int Precision, const QString &FieldText)
    : FFieldText(FieldText)
    , FPrecision(Precision)
{
    Reset();
}

void TCalculatorEngine::Reset()
{
    FOper1 = 0;
    FOper2 = 0;
    FStored = 0;
    FNumOper = 0;
    FLastInput = 0;
    FOperFlag = QLatin1Char(' ');
    FDecFlag = false;
    FPutKey = false;
    FRecallEnabled = false;
}

void TCalculatorEngine::Digit(QChar Digit)
{
    if (FLastInput != iDigit) {
        FDisplay.clear();
        FDecFlag = false;
    }
    if (FDisplay.size() < iMaxChars)
        FDisplay.append(Digit);
    FLastInput = iDigit;
}

void TCalculatorEngine::Decimal()
{
    if (FLastInput != iDigit)
        FDisplay = QStringLiteral("0.");
    else if (!FDecFlag && FDisplay.size() < iMaxChars)
        FDisplay.append(QLatin1Char('.'));
    FDecFlag = true;
    FLastInput = iDigit;
}

void TCalculatorEngine::Operator(QChar Oper)
{
    if (FLastInput == iDigit || FLastInput == iGetRcl)
        ++FNumOper;
    if (FNumOper == 1) {
        FOper1 = DisplayValue();
        ShowResult();
    } else if (FNumOper == 2) {
        FOper2 = DisplayValue();
        if (Oper == QLatin1Char('%')) {
            if (FOperFlag == QLatin1Char('*') || FOperFlag == QLatin1Char('/'))
                FOper2 = FOper2 / 100;
            else if (FOperFlag == QLatin1Char('+') || FOperFlag == QLatin1Char('-'))
                FOper2 = FOper2 * FOper1 / 100;
            // The percentage ends the sum as "=" does.
            Oper = QLatin1Char('=');
        }
        ApplyPending();
        ShowResult();
    }
    FLastInput = iOper;
    FOperFlag = Oper;
}

void TCalculatorEngine::ApplyPending()
{
    switch (FOperFlag.unicode()) {
    case '+':
        FOper1 += FOper2;
        break;
    case '-':
        FOper1 -= FOper2;
        break;
    case '*':
        FOper1 *= FOper2;
        break;
    case '/':
        if (FOper2 == 0)
            MsgBox(QStringLiteral("You cannot divide by zero"), AppTitle(), MsgFlag::IconError);
        else
            FOper1 /= FOper2;
        break;
    case '=':
        FOper1 = FOper2;
        break;
    default:
        break;
    }
}

void TCalculatorEngine::ShowResult()
{
    FOper1 = RoundValue(FOper1, FPrecision);
    FDisplay = GeneralFormat(FOper1);
    FNumOper = 1;
    if (FDisplay.size() > iMaxChars) {
        MsgBox(QStringLiteral("The calculated result will not fit~into the calculator display!"), AppTitle(),
            MsgFlag::IconError);
        Reset();
    }
}

void TCalculatorEngine::ClearEntry()
{
    FDisplay = QStringLiteral("0");
    FLastInput = iClear;
    FDecFlag = false;
}

void TCalculatorEngine::AllClear()
{
    FDisplay = QStringLiteral("0");
    FOper1 = 0;
    FOper2 = 0;
    FNumOper = 0;
    FLastInput = 0;
    FOperFlag = QLatin1Char(' ');
    FDecFlag = false;
}

void TCalculatorEngine::ChangeSign()
{
    if (FDisplay.contains(QLatin1Char('-')))
        FDisplay.remove(QLatin1Char('-'));
    else
        FDisplay.prepend(QLatin1Char('-'));
}

void TCalculatorEngine::Backspace()
{
    if (FDisplay.size() <= 1) {
        ClearEntry();
        return;
    }
    FDisplay.chop(1);
    FLastInput = iDigit;
    if (!FDisplay.contains(QLatin1Char('.')))
        FDecFlag = false;
    if (FDisplay == QLatin1String("-")) {
        FDisplay = QStringLiteral("0");
        FLastInput = iClear;
    }
}

void TCalculatorEngine::RoundDisplay()
{
    // Half away from zero, as amounts are rounded everywhere else.
    FDisplay = GeneralFormat(RoundValue(DisplayValue(), 0));
    FDecFlag = false;
}

void TCalculatorEngine::Store()
{
    FStored = DisplayValue();
    FRecallEnabled = FStored != 0;
}

void TCalculatorEngine::Sum()
{
    FStored += DisplayValue();
    FRecallEnabled = FStored != 0;
}

void TCalculatorEngine::Recall()
{
    FDisplay = GeneralFormat(FStored);
    FLastInput = iGetRcl;
}

void TCalculatorEngine::Get()
{
    FDisplay = FFieldText;
    FLastInput = iGetRcl;
    FDecFlag = FDisplay.contains(QLatin1Char('.'));
}

double TCalculatorEngine::DisplayValue() const
{
    return AmountOfText(FDisplay);
}

QString TCalculatorEngine::GeneralFormat(double Value)
{
    // Plain digits rather than an exponent: a result put into an amount field
    // must read as an amount there.
    if (Value == 0)
        return QStringLiteral("0");
    return QString::number(Value, 'f', QLocale::FloatingPointShortest);
}
