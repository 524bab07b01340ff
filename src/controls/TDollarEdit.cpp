#include "TDollarEdit.h"

#include "AmountFormat.h"
#include "AppInfo.h"
#include "FieldColors.h"
#include "MsgBox.h"
#include "TCalculator.h"
#include "TextUtils.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

int SharedPrecision = 2;

bool IsDigit(QChar Key)
{
    return Key >= QLatin1Char('0') && Key <= QLatin1Char('9');
}

bool IsCalculatorKey(QChar Key)
{
    return Key == QLatin1Char('C') || Key == QLatin1Char('c');
}

const char *NonFatalError = "A non fatal error has occured in the program.~Click on OK to continue.";

} // namespace

TDollarEdit::TDollarEdit(QWidget *Parent)
    : TCustomEdit(Parent)
    , FontClr(palette().color(QPalette::Text))
{
    SetAlignment(TAlignment::RightJustify);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    resize(121, 21);
    SetValue(0);
}

double TDollarEdit::Value() const
{
    return AmountOfText(text());
}

void TDollarEdit::SetValue(double Value)
{
    FFieldValue = LimitAmount(Value);
    ShowDisplayForm();
}

void TDollarEdit::SetDollarDigits(int Digits)
{
    FDollarDigits = std::clamp(Digits, 1, MaxDollarDigits);
    FMaxLength = FDollarDigits + FCentDigits + 2;
}

void TDollarEdit::SetCentDigits(int Digits)
{
    FCentDigits = std::clamp(Digits, 0, MaxCentDigits);
    FMaxLength = FDollarDigits + FCentDigits + 2;
}

void TDollarEdit::SetFontColor(const QColor &Color)
{
    FontClr = Color;
    if (FFieldValue >= 0) {
        QPalette Palette = palette();
        Palette.setColor(QPalette::Text, Color);
        setPalette(Palette);
    }
}

int TDollarEdit::CalculatorPrecision()
{
    return SharedPrecision;
}

QString TDollarEdit::DisplayPattern(double Amount) const
{
    return FormatAmount(Amount, FCentDigits, FCurrency);
}

void TDollarEdit::ShowEditForm()
{
    setText(AmountEditText(text(), FCentDigits, FFieldValue));
}

void TDollarEdit::ShowDisplayForm()
{
    setText(DisplayPattern(FFieldValue));
    QPalette Palette = palette();
    Palette.setColor(QPalette::Text, FFieldValue < 0 ? QColor(Qt::red) : FontClr);
    setPalette(Palette);
}

void TDollarEdit::DoEnter()
{
    ShowEditForm();
    SharedPrecision = FCentDigits;
    FFirstTime = true;
    selectAll();
    TCustomEdit::DoEnter();
}

void TDollarEdit::DoExit()
{
    ShowEditForm();
    int Flags = 0;
    const QString Refusal = ExitRefusal(Flags);
    if (Refusal.isEmpty()) {
        ShowDisplayForm();
        TCustomEdit::DoExit();
        return;
    }
    RefuseExit(Refusal, Flags, QString::fromLatin1(NonFatalError), [this] { TCustomEdit::DoExit(); });
}

QString TDollarEdit::ExitRefusal(int &Flags) const
{
    if (FRequired && FFieldValue == 0) {
        Flags = MsgFlag::IconWarning;
        return QStringLiteral("This field is required!");
    }
    // A lower limit above zero cannot be checked while the amount is typed
    // (every amount starts small), so it is checked when the field is left.
    if (FMinValue > 0 && FFieldValue != 0 && FFieldValue < FMinValue) {
        Flags = MsgFlag::IconError;
        return QStringLiteral("This field does not accept amounts less than ") + DisplayPattern(FMinValue);
    }
    return QString();
}

void TDollarEdit::EditKeyPress(QKeyEvent *Event)
{
    if (FilterKey(KeyChar(Event), true))
        TCustomEdit::EditKeyPress(Event);
}

void TDollarEdit::InsertPasted(const QString &Text)
{
    for (const QChar Key : Text)
        if (Key.isPrint() && FilterKey(Key, false))
            insert(QString(Key));
}

void TDollarEdit::mouseDoubleClickEvent(QMouseEvent *Event)
{
    if (isReadOnly()) {
        TCustomEdit::mouseDoubleClickEvent(Event);
        return;
    }
    OpenCalculator();
}

bool TDollarEdit::FilterKey(QChar Key, bool Typed)
{
    if (isReadOnly())
        return true;
    const bool Digit = IsDigit(Key);
    const QChar Backspace = QLatin1Char('\b');
    const QChar Minus = QLatin1Char('-');
    const QChar Point = QLatin1Char('.');
    // The first key after entering replaces the whole amount.
    if (FFirstTime && (Digit || Key == Point || (Key == Minus && FMinuskey)))
        setText(QString());
    if (!(Key == Backspace || Key == Minus || Key == Point || Digit || IsCalculatorKey(Key)))
        return false;
    if ((Key == Minus || Key == Point) && text().contains(Key))
        return false;
    if (Key == Minus && (!FMinuskey || !text().isEmpty()))
        return false;
    if (IsCalculatorKey(Key)) {
        if (Typed)
            OpenCalculator();
        return false;
    }
    const QString Text = text();
    if (Text.size() == FDollarDigits && !Text.contains(Point) && Key != Backspace && Key != Point)
        return false;
    const qsizetype At = Text.indexOf(Point);
    if (At >= 0 && Text.size() - At - 1 >= FCentDigits && Key != Backspace)
        return false;
    if (Key != Backspace && RefusedByLimits(Key))
        return false;
    if (Key != Backspace && Text.size() - selectedText().size() >= FMaxLength)
        return false;
    FFirstTime = false;
    return true;
}

bool TDollarEdit::RefusedByLimits(QChar Key)
{
    const double Typed = AmountOfText(text() + Key);
    QString Message;
    if (FMaxValue > 0 && Typed > FMaxValue)
        Message = QStringLiteral("This field does not accept amounts greater than ")
            + DisplayPattern(FMaxValue).trimmed();
    // Only a negative lower limit can be passed for good while typing: more
    // digits only take the amount further below it.
    else if (FMinValue < 0 && Typed < FMinValue)
        Message = QStringLiteral("This field does not accept amounts less than ") + DisplayPattern(FMinValue);
    if (Message.isEmpty())
        return false;
    MsgBox(Message, AppTitle(), MsgFlag::IconError);
    setText(QString());
    return true;
}

void TDollarEdit::OpenCalculator()
{
    TCalculator Calculator(text(), SharedPrecision, this);
    // The colour the field had before, highlight included, comes back after.
    const QColor Before = Color();
    SetColor(PopupOpenColor());
    Calculator.exec();
    if (Calculator.PutKey())
        PutCalculatorResult(Calculator.Display());
    SetColor(Before);
}

bool TDollarEdit::FitsField(const QString &Amount) const
{
    const int Room = FDollarDigits + FCentDigits + 1 + (text().contains(QLatin1Char('-')) ? 1 : 0);
    if (Amount.size() > Room)
        return false;
    // Whole dollars beyond the field's digits would not fit the forms' boxes.
    const QString Dollars
        = KeepChars(TextBefore(Amount + QLatin1Char('.'), QLatin1Char('.')), QStringLiteral("0123456789"));
    return Dollars.size() <= FDollarDigits;
}

void TDollarEdit::PutCalculatorResult(const QString &Display)
{
    const QString Amount = Display.trimmed();
    const double Put = AmountOfText(Amount);
    if (!FitsField(Amount)) {
        MsgBox(QStringLiteral("The calculator display will not~fit into the data entry field!"), AppTitle(),
            MsgFlag::IconError);
    } else if (FMaxValue > 0 && Put > FMaxValue) {
        MsgBox(QStringLiteral("This field does not accept amounts greater than ")
                + DisplayPattern(FMaxValue).trimmed(),
            AppTitle(), MsgFlag::IconError);
    } else if (FMinValue < 0 && Put < FMinValue) {
        MsgBox(QStringLiteral("This field does not accept amounts less than ") + DisplayPattern(FMinValue),
            AppTitle(), MsgFlag::IconError);
    } else {
        setText(Amount);
    }
    if (!FMinuskey && text().contains(QLatin1Char('-'))) {
        setText(AmountZeroText(FCentDigits));
        MsgBox(
            QStringLiteral("This field does not accept negative amounts!"), AppTitle(), MsgFlag::IconError);
    }
}
