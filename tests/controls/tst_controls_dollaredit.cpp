#include "AppInfo.h"
#include "FieldColors.h"
#include "MsgBox.h"
#include "QmrkGuiTestMain.h"
#include "TCalculator.h"
#include "TControlHost.h"
#include "TDollarEdit.h"
#include "TFieldHighlight.h"
#include "TScriptedInteraction.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QScreen>

namespace {

// One case of the key filter: the field's settings, the keys, and what the
// field then holds and which messages came.
struct TKeyCase {
    QString Keys = {};
    QString Text = {};
    QStringList Messages = {};
    double Start = 0;
    int Cents = 2;
    int Dollars = 9;
    bool Minus = true;
    double Max = 0;
    double Min = 0;
    bool Currency = false;
    bool ReadOnly = false;
};

const QString Required = QStringLiteral("This field is required!");
const QString NonFatal
    = QStringLiteral("A non fatal error has occured in the program.\rClick on OK to continue.");
const QString WontFit = QStringLiteral("The calculator display will not\rfit into the data entry field!");

} // namespace

Q_DECLARE_METATYPE(TKeyCase)

class TstControlsDollarEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void defaults();
    void keyFilter_data();
    void keyFilter();
    void forms_data();
    void forms();
    void valueIsCutAtTheLargestAmount();
    void valueReadsTheText();
    void leavingEmptyOrMinusShowsZero_data();
    void leavingEmptyOrMinusShowsZero();
    void negativeAmountsShowRed();
    void firstFieldOfAShownWindowIsEntered();
    void comingBackToTheWindowEntersNothing();
    void requiredFieldKeepsTheFocus();
    void requiredFieldThatCannotTakeTheFocus();
    void positiveMinValueCheckedOnLeaving();
    void pasteGoesThroughTheKeyRules();
    void calculatorPrecisionIsTheLastFocusedField();
    void calculatorKeys_data();
    void calculatorKeys();
    void calculatorButtons();
    void calculatorHomeKey();
    void calculatorFromTheField_data();
    void calculatorFromTheField();
    void calculatorKeepsTheHighlight();
    void doubleClickOpensTheCalculator();
    void readOnlyOpensNoCalculator();

private:
    TDollarEdit *MakeEdit(const TKeyCase &Case = {});

    TScriptedInteraction *FPerson = nullptr;
    TControlHost *FHost = nullptr;
    TDollarEdit *FEdit = nullptr;
};

void TstControlsDollarEdit::init()
{
    FPerson = new TScriptedInteraction;
    FHost = new TControlHost;
}

void TstControlsDollarEdit::cleanup()
{
    delete FHost;
    FHost = nullptr;
    FEdit = nullptr;
    QVERIFY2(FPerson->Problems().isEmpty(), qPrintable(FPerson->Problems()));
    delete FPerson;
    FPerson = nullptr;
}

TDollarEdit *TstControlsDollarEdit::MakeEdit(const TKeyCase &Case)
{
    FEdit = new TDollarEdit;
    FEdit->setObjectName(QStringLiteral("Amount1"));
    FEdit->setAccessibleName(QStringLiteral("Wages, tips, other compensation"));
    FEdit->SetCentDigits(Case.Cents);
    FEdit->SetDollarDigits(Case.Dollars);
    FEdit->SetMinusKey(Case.Minus);
    FEdit->SetMaxValue(Case.Max);
    FEdit->SetMinValue(Case.Min);
    FEdit->SetCurrency(Case.Currency);
    FEdit->setReadOnly(Case.ReadOnly);
    FEdit->SetValue(Case.Start);
    FHost->AddWidget(FEdit);
    if (!FHost->ShowActive())
        qWarning("the test window did not become active");
    return FEdit;
}

void TstControlsDollarEdit::defaults()
{
    TDollarEdit Edit;
    QCOMPARE(Edit.size(), QSize(121, 21));
    QCOMPARE(Edit.Alignment(), TAlignment::RightJustify);
    QVERIFY(Edit.alignment() & Qt::AlignRight);
    QCOMPARE(Edit.DollarDigits(), 9);
    QCOMPARE(Edit.CentDigits(), 2);
    QCOMPARE(Edit.MaxLength(), 13);
    QVERIFY(Edit.MinusKey());
    QVERIFY(!Edit.RequiredField());
    QVERIFY(!Edit.Currency());
    QCOMPARE(Edit.MaxValue(), 0.0);
    QCOMPARE(Edit.MinValue(), 0.0);
    QVERIFY(!Edit.testAttribute(Qt::WA_InputMethodEnabled));
    QCOMPARE(Edit.text(), QStringLiteral("0.00"));
    Edit.SetDollarDigits(6);
    QCOMPARE(Edit.MaxLength(), 10);
    Edit.SetDollarDigits(12);
    QCOMPARE(Edit.MaxLength(), 16);
    Edit.SetDollarDigits(13);
    QCOMPARE(Edit.DollarDigits(), 12);
    Edit.SetCentDigits(7);
    QCOMPARE(Edit.CentDigits(), 6);
    QCOMPARE(Edit.MaxLength(), 20);
}

void TstControlsDollarEdit::keyFilter_data()
{
    QTest::addColumn<TKeyCase>("Case");
    const auto Row = [](const char *Name, const TKeyCase &Case) { QTest::newRow(Name) << Case; };
    const QString Greater = QStringLiteral("This field does not accept amounts greater than ");
    const QString Less = QStringLiteral("This field does not accept amounts less than ");
    Row("first digit replaces the amount", { .Keys = "7", .Text = "7", .Start = 1234.56 });
    Row("first point replaces the amount", { .Keys = ".5", .Text = ".5", .Start = 12 });
    Row("first minus replaces the amount", { .Keys = "-3", .Text = "-3", .Start = 12 });
    Row("first backspace empties the selection", { .Keys = "{BS}5", .Text = "5", .Start = 12 });
    Row("minus refused without the minus key", { .Keys = "-", .Text = "12.00", .Start = 12, .Minus = false });
    Row("minus never typed without the minus key", { .Keys = "-5-", .Text = "5", .Minus = false });
    Row("letters and signs refused", { .Keys = "a1b$2, ", .Text = "12" });
    Row("nine dollar digits, then no digit", { .Keys = "1234567890", .Text = "123456789" });
    Row("nine dollar digits, then the point", { .Keys = "123456789.5", .Text = "123456789.5" });
    Row("nine dollar digits, backspace frees one", { .Keys = "123456789{BS}0", .Text = "123456780" });
    Row("minus counts as a character", { .Keys = "-123456789", .Text = "-12345678" });
    Row("two cents, then no digit", { .Keys = "12.345", .Text = "12.34" });
    Row("two cents, caret at the start", { .Keys = "12.34{Home}5", .Text = "12.34" });
    Row("two cents, backspace frees one", { .Keys = "12.34{BS}5", .Text = "12.35" });
    Row("second point refused", { .Keys = "1.2.3", .Text = "1.23" });
    Row("second minus refused", { .Keys = "-1-2", .Text = "-12" });
    Row("minus only in front", { .Keys = "1-", .Text = "1" });
    Row("six dollar digits", { .Keys = "1234567", .Text = "123456", .Dollars = 6 });
    Row("twelve dollar digits", { .Keys = "1234567890123", .Text = "123456789012", .Dollars = 12 });
    Row("no cents: nothing after the point", { .Keys = "12.3", .Text = "12.", .Cents = 0 });
    Row("four cent digits", { .Keys = "1.23456", .Text = "1.2345", .Cents = 4 });
    Row("six cent digits", { .Keys = "1.23456789", .Text = "1.234567", .Cents = 6 });
    Row("above MaxValue", { .Keys = "101", .Text = "", .Messages = { Greater + "100.00" }, .Max = 100 });
    Row("MaxValue itself", { .Keys = "100", .Text = "100", .Max = 100 });
    Row("above MaxValue by a cent",
        { .Keys = "100.01", .Text = "", .Messages = { Greater + "100.00" }, .Max = 100 });
    Row("typing goes on after the MaxValue message",
        { .Keys = "1015", .Text = "5", .Messages = { Greater + "100.00" }, .Max = 100 });
    Row("MaxValue in the currency pattern",
        { .Keys = "1001", .Text = "", .Messages = { Greater + "$1,000.00" }, .Max = 1000, .Currency = true });
    Row("MaxValue in whole dollars",
        { .Keys = "51", .Text = "", .Messages = { Greater + "50" }, .Cents = 0, .Max = 50 });
    Row("below MinValue", { .Keys = "-51", .Text = "", .Messages = { Less + "-50.00" }, .Min = -50 });
    Row("MinValue itself", { .Keys = "-50", .Text = "-50", .Min = -50 });
    Row("positive MinValue does not stop typing", { .Keys = "5", .Text = "5", .Min = 10 });
    Row("read-only takes no key", { .Keys = "7c.{BS}-", .Text = "12.50", .Start = 12.5, .ReadOnly = true });
}

void TstControlsDollarEdit::keyFilter()
{
    QFETCH(TKeyCase, Case);
    MakeEdit(Case);
    FHost->Enter(FEdit);
    QVERIFY(FEdit->hasFocus());
    const bool Opened = RunWithoutModal([&] { TypeKeys(FEdit, Case.Keys); });
    QVERIFY2(!Opened, "a calculator opened");
    QCOMPARE(FEdit->text(), Case.Text);
    QCOMPARE(FPerson->MessageTexts(), Case.Messages);
    for (const TAskedCall &Box : FPerson->MessageBoxes()) {
        QCOMPARE(Box.Flags, MsgFlag::IconError);
        QCOMPARE(Box.Caption, AppTitle());
    }
}

void TstControlsDollarEdit::forms_data()
{
    QTest::addColumn<int>("CentDigits");
    QTest::addColumn<bool>("Currency");
    QTest::addColumn<double>("Value");
    QTest::addColumn<QString>("Shown");
    QTest::addColumn<QString>("Edited");
    const double V = 1234567.891;
    QTest::newRow("0 digits") << 0 << false << V << "1,234,568"
                              << "1234568";
    QTest::newRow("0 digits, currency") << 0 << true << V << "$1,234,568"
                                        << "1234568";
    QTest::newRow("1 digit") << 1 << false << V << "1,234,567.9"
                             << "1234567.9";
    QTest::newRow("1 digit, currency") << 1 << true << V << "1,234,567.9"
                                       << "1234567.9";
    QTest::newRow("2 digits") << 2 << false << V << "1,234,567.89"
                              << "1234567.89";
    QTest::newRow("2 digits, currency") << 2 << true << V << "$1,234,567.89"
                                        << "1234567.89";
    QTest::newRow("3 digits") << 3 << false << V << "1,234,567.891"
                              << "1234567.891";
    QTest::newRow("3 digits, currency") << 3 << true << V << "1,234,567.891"
                                        << "1234567.891";
    QTest::newRow("4 digits") << 4 << false << V << "1,234,567.8910"
                              << "1234567.8910";
    QTest::newRow("4 digits, currency") << 4 << true << V << "1,234,567.8910"
                                        << "1234567.8910";
    QTest::newRow("5 digits") << 5 << false << V << "1,234,567.89100"
                              << "1234567.89100";
    QTest::newRow("5 digits, currency") << 5 << true << V << "1,234,567.89100"
                                        << "1234567.89100";
    QTest::newRow("6 digits") << 6 << false << V << "1,234,567.891000"
                              << "1234567.891000";
    QTest::newRow("6 digits, currency") << 6 << true << V << "1,234,567.891000"
                                        << "1234567.891000";
    QTest::newRow("zero, 0 digits") << 0 << false << 0.0 << "0"
                                    << "0";
    QTest::newRow("zero, 0 digits, currency") << 0 << true << 0.0 << "$0"
                                              << "0";
    QTest::newRow("zero, 1 digit") << 1 << false << 0.0 << "0.0"
                                   << "0.0";
    QTest::newRow("zero, 2 digits") << 2 << false << 0.0 << "0.00"
                                    << "0.00";
    QTest::newRow("zero, 2 digits, currency") << 2 << true << 0.0 << "$0.00"
                                              << "0.00";
    QTest::newRow("zero, 3 digits") << 3 << false << 0.0 << "0.000"
                                    << "0.000";
    QTest::newRow("zero, 4 digits") << 4 << false << 0.0 << "0.0000"
                                    << "0.0000";
    QTest::newRow("zero, 5 digits") << 5 << false << 0.0 << "0.00000"
                                    << "0.00000";
    QTest::newRow("zero, 6 digits") << 6 << false << 0.0 << "0.000000"
                                    << "0.000000";
    QTest::newRow("negative") << 2 << false << -1234.5 << "-1,234.50"
                              << "-1234.50";
    QTest::newRow("negative, currency") << 2 << true << -1234.5 << "-$1,234.50"
                                        << "-1234.50";
    QTest::newRow("rounded half away from zero") << 2 << false << 2.675 << "2.68"
                                                 << "2.68";
}

void TstControlsDollarEdit::forms()
{
    QFETCH(int, CentDigits);
    QFETCH(bool, Currency);
    QFETCH(double, Value);
    QFETCH(QString, Shown);
    QFETCH(QString, Edited);
    MakeEdit({ .Cents = CentDigits, .Currency = Currency });
    FEdit->SetValue(Value);
    QCOMPARE(FEdit->text(), Shown);
    FHost->Enter(FEdit);
    QCOMPARE(FEdit->text(), Edited);
    QCOMPARE(FEdit->selectedText(), Edited);
    QVERIFY(FEdit->FirstTime());
    FHost->LeaveByTab();
    QVERIFY(FHost->Spare->hasFocus());
    QCOMPARE(FEdit->text(), Shown);
}

void TstControlsDollarEdit::valueIsCutAtTheLargestAmount()
{
    MakeEdit();
    FEdit->SetValue(1e15);
    QCOMPARE(FEdit->text(), QStringLiteral("999,999,999,999.99"));
    QCOMPARE(FEdit->Value(), 999999999999.99);
    QCOMPARE(FEdit->FieldValue(), 999999999999.99);
    // No lower limit.
    FEdit->SetValue(-1e15);
    QCOMPARE(FEdit->text(), QStringLiteral("-1,000,000,000,000,000.00"));
}

void TstControlsDollarEdit::valueReadsTheText()
{
    MakeEdit();
    FEdit->setText(QStringLiteral("$1,234.50"));
    QCOMPARE(FEdit->Value(), 1234.5);
    FEdit->setText(QString());
    QCOMPARE(FEdit->Value(), 0.0);
    FEdit->setText(QStringLiteral("-"));
    QCOMPARE(FEdit->Value(), 0.0);
}

void TstControlsDollarEdit::leavingEmptyOrMinusShowsZero_data()
{
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QString>("Typed");
    QTest::newRow("empty") << "{BS}"
                           << "";
    QTest::newRow("lone minus") << "-"
                                << "-";
    QTest::newRow("minus after backspace") << "{BS}-"
                                           << "-";
}

void TstControlsDollarEdit::leavingEmptyOrMinusShowsZero()
{
    QFETCH(QString, Keys);
    QFETCH(QString, Typed);
    MakeEdit({ .Start = 55 });
    FHost->Enter(FEdit);
    TypeKeys(FEdit, Keys);
    QCOMPARE(FEdit->text(), Typed);
    FHost->LeaveByTab();
    QCOMPARE(FEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(FEdit->FieldValue(), 0.0);
    QVERIFY(FPerson->MessageTexts().isEmpty());
}

void TstControlsDollarEdit::negativeAmountsShowRed()
{
    MakeEdit();
    FEdit->SetFontColor(Qt::darkBlue);
    FHost->Enter(FEdit);
    TypeKeys(FEdit, QStringLiteral("-5"));
    FHost->LeaveByTab();
    QCOMPARE(FEdit->text(), QStringLiteral("-5.00"));
    QCOMPARE(FEdit->palette().color(QPalette::Text), QColor(Qt::red));
    FHost->Enter(FEdit);
    TypeKeys(FEdit, QStringLiteral("5"));
    FHost->LeaveByTab();
    QCOMPARE(FEdit->text(), QStringLiteral("5.00"));
    QCOMPARE(FEdit->palette().color(QPalette::Text), QColor(Qt::darkBlue));
}

void TstControlsDollarEdit::firstFieldOfAShownWindowIsEntered()
{
    QWidget Window;
    auto *First = new TDollarEdit(&Window);
    auto *Second = new QLineEdit(&Window);
    Second->move(0, 30);
    First->SetValue(1234.5);
    QSignalSpy Enters(First, &TDollarEdit::Enter);
    Window.show();
    Window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    QTRY_VERIFY(First->hasFocus());
    QCOMPARE(Enters.count(), 1);
    QCOMPARE(First->text(), QStringLiteral("1234.50"));
    QVERIFY(First->FirstTime());
    TypeKeys(First, QStringLiteral("7"));
    QCOMPARE(First->text(), QStringLiteral("7"));
}

void TstControlsDollarEdit::comingBackToTheWindowEntersNothing()
{
    MakeEdit({ .Start = 3 });
    QSignalSpy Enters(FEdit, &TDollarEdit::Enter);
    QSignalSpy Exits(FEdit, &TDollarEdit::Exit);
    FHost->Enter(FEdit);
    TypeKeys(FEdit, QStringLiteral("12"));
    QWidget Other;
    Other.show();
    Other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Other));
    QVERIFY(FHost->ShowActive());
    QVERIFY(FEdit->hasFocus());
    QCOMPARE(Enters.count(), 1);
    QCOMPARE(Exits.count(), 0);
    QCOMPARE(FEdit->text(), QStringLiteral("12"));
    QVERIFY(!FEdit->FirstTime());
    TypeKeys(FEdit, QStringLiteral("3"));
    QCOMPARE(FEdit->text(), QStringLiteral("123"));
}

void TstControlsDollarEdit::requiredFieldKeepsTheFocus()
{
    MakeEdit();
    FEdit->SetRequiredField(true);
    QSignalSpy Exits(FEdit, &TDollarEdit::Exit);
    FHost->Enter(FEdit);
    FHost->LeaveByTab();
    QCOMPARE(FPerson->MessageTexts(), QStringList { Required });
    QCOMPARE(FPerson->MessageBoxes().first().Flags, MsgFlag::IconWarning);
    QCOMPARE(FPerson->MessageBoxes().first().Caption, AppTitle());
    QCOMPARE(Exits.count(), 1);
    QVERIFY(FEdit->hasFocus());
    QVERIFY(!FHost->Spare->hasFocus());
    QCOMPARE(FEdit->text(), QStringLiteral("0.00"));
    QCOMPARE(FEdit->selectedText(), QStringLiteral("0.00"));
    QVERIFY(FEdit->FirstTime());
    TypeKeys(FEdit, QStringLiteral("5"));
    FHost->LeaveByTab();
    QVERIFY(FHost->Spare->hasFocus());
    QCOMPARE(FEdit->text(), QStringLiteral("5.00"));
    QCOMPARE(FPerson->MessageTexts().size(), 1);
}

void TstControlsDollarEdit::requiredFieldThatCannotTakeTheFocus()
{
    MakeEdit();
    FEdit->SetRequiredField(true);
    FHost->Enter(FEdit);
    FEdit->setEnabled(false);
    QCOMPARE(FPerson->MessageTexts(), (QStringList { Required, NonFatal }));
    QCOMPARE(FPerson->MessageBoxes().last().Flags, MsgFlag::IconError);
}

void TstControlsDollarEdit::positiveMinValueCheckedOnLeaving()
{
    MakeEdit({ .Min = 10 });
    FHost->Enter(FEdit);
    TypeKeys(FEdit, QStringLiteral("5"));
    FHost->LeaveByTab();
    QCOMPARE(FPerson->MessageTexts(),
        QStringList { QStringLiteral("This field does not accept amounts less than 10.00") });
    QVERIFY(FEdit->hasFocus());
    TypeKeys(FEdit, QStringLiteral("15"));
    FHost->LeaveByTab();
    QVERIFY(FHost->Spare->hasFocus());
    QCOMPARE(FEdit->text(), QStringLiteral("15.00"));
}

void TstControlsDollarEdit::pasteGoesThroughTheKeyRules()
{
    MakeEdit({ .Start = 7 });
    FHost->Enter(FEdit);
    QGuiApplication::clipboard()->setText(QStringLiteral("$1,234.567 Calc"));
    const bool Opened = RunWithoutModal([&] { QTest::keyClick(FEdit, Qt::Key_V, Qt::ControlModifier); });
    QVERIFY(!Opened);
    QCOMPARE(FEdit->text(), QStringLiteral("1234.56"));
}

void TstControlsDollarEdit::calculatorPrecisionIsTheLastFocusedField()
{
    MakeEdit({ .Cents = 4 });
    auto *Other = new TDollarEdit;
    Other->SetCentDigits(0);
    FHost->AddWidget(Other);
    FHost->Enter(FEdit);
    QCOMPARE(TDollarEdit::CalculatorPrecision(), 4);
    FHost->Enter(Other);
    QCOMPARE(TDollarEdit::CalculatorPrecision(), 0);
}

void TstControlsDollarEdit::calculatorKeys_data()
{
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QString>("Display");
    QTest::addColumn<QStringList>("Messages");
    const QStringList None;
    QTest::newRow("100 + 5 % = 105") << "100+5%"
                                     << "105" << None;
    QTest::newRow("200 * 5 % = 10") << "200*5%"
                                    << "10" << None;
    QTest::newRow("Enter is equals") << "12.5+7.25{Enter}"
                                     << "19.75" << None;
    QTest::newRow("divide by zero keeps the first operand")
        << "8/0="
        << "8" << QStringList { QStringLiteral("You cannot divide by zero") };
    QTest::newRow("17-character overflow")
        << "999999999*999999999="
        << "999999998000000000"
        << QStringList { QStringLiteral("The calculated result will not fit\rinto the calculator display!") };
    QTest::newRow("seventeen digits at most") << "123456789012345678"
                                              << "12345678901234567" << None;
    QTest::newRow("backspace key") << "123{BS}"
                                   << "12" << None;
    QTest::newRow("underscore changes the sign") << "5_"
                                                 << "-5" << None;
    QTest::newRow("c clears the entry") << "5+3c4="
                                        << "9" << None;
    QTest::newRow("a clears all") << "5+3a2="
                                  << "2" << None;
    QTest::newRow("r rounds") << "2.5r"
                              << "3" << None;
    QTest::newRow("l does nothing before a store") << "7l"
                                                   << "7" << None;
    QTest::newRow("s and l") << "7sal"
                             << "7" << None;
    QTest::newRow("m adds to the memory") << "7sc5mal"
                                          << "12" << None;
    QTest::newRow("g gets the field's amount") << "g"
                                               << "1234.56" << None;
}

void TstControlsDollarEdit::calculatorKeys()
{
    QFETCH(QString, Keys);
    QFETCH(QString, Display);
    QFETCH(QStringList, Messages);
    TCalculator Calculator(QStringLiteral("1234.56"), 2);
    Calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Calculator));
    auto *Shown = Calculator.findChild<QLabel *>(QStringLiteral("Display"));
    QVERIFY(Shown);
    QCOMPARE(Shown->text(), QStringLiteral("0"));
    TypeKeys(&Calculator, Keys);
    QCOMPARE(Calculator.Display(), Display);
    QCOMPARE(Shown->text(), Display);
    QCOMPARE(FPerson->MessageTexts(), Messages);
    QVERIFY(Calculator.isVisible());
    QVERIFY(!Calculator.PutKey());
}

void TstControlsDollarEdit::calculatorButtons()
{
    TCalculator Calculator(QString(), 2);
    Calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Calculator));
    QCOMPARE(Calculator.windowTitle(), QStringLiteral("CALCULATOR"));
    auto *Shown = Calculator.findChild<QLabel *>(QStringLiteral("Display"));
    QVERIFY(Shown->alignment() & Qt::AlignRight);
    auto *Recall = Calculator.findChild<QAbstractButton *>(QStringLiteral("BtnRcl"));
    QVERIFY(!Recall->isEnabled());
    for (const char *Name : { "Btn7", "BtnAdd", "Btn3", "BtnEquals", "BtnSto" }) {
        auto *Button = Calculator.findChild<QAbstractButton *>(QString::fromLatin1(Name));
        QVERIFY2(Button, Name);
        QCOMPARE(Button->focusPolicy(), Qt::NoFocus);
        QTest::mouseClick(Button, Qt::LeftButton);
    }
    QCOMPARE(Shown->text(), QStringLiteral("10"));
    QVERIFY(Recall->isEnabled());
    QCOMPARE(
        Calculator.findChild<QAbstractButton *>(QStringLiteral("BtnSum"))->text(), QStringLiteral("suM"));
    QCOMPARE(
        Calculator.findChild<QAbstractButton *>(QStringLiteral("BtnAllClear"))->text(), QStringLiteral("AC"));
}

void TstControlsDollarEdit::calculatorHomeKey()
{
    TCalculator Calculator(QString(), 2);
    Calculator.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Calculator));
    Calculator.move(300, 200);
    QTest::keyClick(&Calculator, Qt::Key_Home);
    QCOMPARE(Calculator.pos(), Calculator.screen()->availableGeometry().topLeft());
    QTest::keyClick(&Calculator, Qt::Key_Escape);
    QVERIFY(!Calculator.isVisible());
    QCOMPARE(Calculator.result(), int(QDialog::Rejected));
}

void TstControlsDollarEdit::calculatorFromTheField_data()
{
    QTest::addColumn<TKeyCase>("Case");
    QTest::addColumn<QString>("CalculatorKeys");
    const auto Row = [](const char *Name, const TKeyCase &Case, const char *Keys) {
        QTest::newRow(Name) << Case << QString::fromLatin1(Keys);
    };
    Row("Esc puts nothing", { .Text = "1234.56", .Start = 1234.56 }, "99{Esc}");
    Row("Put", { .Text = "12.5", .Start = 3 }, "12.5p");
    Row("Get, add and Put", { .Text = "1235", .Start = 1234.56 }, "g+0.44=P");
    Row("Put too long for the field", { .Text = "3.00", .Messages = { WontFit }, .Start = 3, .Dollars = 6 },
        "1234567890P");
    Row("Put just fits", { .Text = "123456.78", .Start = 3, .Dollars = 6 }, "123456.78P");
    Row("Put over the field's dollar digits",
        { .Text = "3.00", .Messages = { WontFit }, .Start = 3, .Dollars = 6 }, "1234567P");
    Row("Put of a negative into a no-minus field",
        { .Text = "0.00",
            .Messages = { QStringLiteral("This field does not accept negative amounts!") },
            .Start = 3,
            .Minus = false },
        "5_P");
    Row("Put of a negative where minus is allowed", { .Text = "-5", .Start = 3 }, "5_P");
    Row("Put above MaxValue",
        { .Text = "3.00",
            .Messages = { QStringLiteral("This field does not accept amounts greater than 100.00") },
            .Start = 3,
            .Max = 100 },
        "101P");
    Row("Put of an overflowed display",
        { .Text = "3.00",
            .Messages
            = { QStringLiteral("The calculated result will not fit\rinto the calculator display!"), WontFit },
            .Start = 3 },
        "999999999*999999999=P");
}

void TstControlsDollarEdit::calculatorFromTheField()
{
    QFETCH(TKeyCase, Case);
    QFETCH(QString, CalculatorKeys);
    MakeEdit(Case);
    FHost->Enter(FEdit);
    const QColor Plain = FEdit->Color();
    bool Seen = false;
    WhenModalShows([&](QWidget *Modal) {
        auto *Calculator = qobject_cast<TCalculator *>(Modal);
        QVERIFY(Calculator);
        Seen = true;
        QCOMPARE(Calculator->Display(), QStringLiteral("0"));
        QCOMPARE(FEdit->Color(), QColor(Qt::yellow));
        TypeKeys(Calculator, CalculatorKeys);
    });
    QTest::keyClick(FEdit, 'C');
    QVERIFY(Seen);
    QCOMPARE(FEdit->text(), Case.Text);
    QCOMPARE(FPerson->MessageTexts(), Case.Messages);
    QCOMPARE(FEdit->Color(), Plain);
    // Back in its window the field still has the focus, not re-entered.
    QVERIFY(FHost->ShowActive());
    QVERIFY(FEdit->hasFocus());
    QCOMPARE(FEdit->text(), Case.Text);
}

void TstControlsDollarEdit::calculatorKeepsTheHighlight()
{
    MakeEdit({ .Start = 8 });
    new TFieldHighlight(FHost);
    const QColor Plain = FEdit->Color();
    FHost->Enter(FEdit);
    QCOMPARE(FEdit->Color(), HighlightColor());
    QCOMPARE(HighlightColor(), QColor(187, 255, 255));
    WhenModalShows([&](QWidget *Modal) {
        QCOMPARE(FEdit->Color(), QColor(Qt::yellow));
        TypeKeys(Modal, QStringLiteral("9p"));
    });
    QTest::keyClick(FEdit, 'c');
    QCOMPARE(FEdit->text(), QStringLiteral("9"));
    QCOMPARE(FEdit->Color(), HighlightColor());
    QVERIFY(FHost->ShowActive());
    QCOMPARE(FEdit->Color(), HighlightColor());
    FHost->LeaveByTab();
    QCOMPARE(FEdit->Color(), Plain);
    QCOMPARE(FHost->Spare->palette().color(QPalette::Base), HighlightColor());
}

void TstControlsDollarEdit::doubleClickOpensTheCalculator()
{
    MakeEdit({ .Start = 4 });
    FHost->Enter(FEdit);
    bool Seen = false;
    WhenModalShows([&](QWidget *Modal) {
        Seen = qobject_cast<TCalculator *>(Modal) != nullptr;
        QTest::keyClick(Modal, Qt::Key_Escape);
    });
    QTest::mouseDClick(FEdit, Qt::LeftButton);
    QVERIFY(Seen);
    QCOMPARE(FEdit->text(), QStringLiteral("4.00"));
}

void TstControlsDollarEdit::readOnlyOpensNoCalculator()
{
    MakeEdit({ .Start = 4, .ReadOnly = true });
    FHost->Enter(FEdit);
    QVERIFY(!RunWithoutModal([&] { QTest::mouseDClick(FEdit, Qt::LeftButton); }));
    QVERIFY(!RunWithoutModal([&] { QTest::keyClick(FEdit, 'C'); }));
    QCOMPARE(FEdit->text(), QStringLiteral("4.00"));
}

QMRK_GUI_TEST_MAIN(TstControlsDollarEdit)
#include "tst_controls_dollaredit.moc"
