#include "EmployerRecord.h"
#include "FieldColors.h"
#include "QmrkGuiTestMain.h"
#include "TCheckBoxEdit.h"
#include "TDateEdit.h"
#include "TDollarEdit.h"
#include "TFilterEdit.h"
#include "TFormWindowTest.h"
#include "TFrmW3.h"
#include "TMaskedEdit.h"
#include "TModalDriver.h"
#include "TRecordSet.h"

#include <QPushButton>

#include <functional>

using TEmployerChange = std::function<void(EmployerRecord &)>;
Q_DECLARE_METATYPE(TEmployerChange)
Q_DECLARE_METATYPE(EmployerRecord)

namespace {

EmployeeRecord WithCodes(const QStringList &Codes, const QList<double> &Amounts)
{
    EmployeeRecord E = TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee"), 1000);
    const QString C[4] = { Codes.value(0), Codes.value(1), Codes.value(2), Codes.value(3) };
    E.SetBox12Code_a(C[0]);
    E.SetBox12Code_b(C[1]);
    E.SetBox12Code_c(C[2]);
    E.SetBox12Code_d(C[3]);
    E.SetBox12Amt_a(Amounts.value(0));
    E.SetBox12Amt_b(Amounts.value(1));
    E.SetBox12Amt_c(Amounts.value(2));
    E.SetBox12Amt_d(Amounts.value(3));
    return E;
}

// Which of the box b check boxes 1 to 13 are checked, as their numbers.
QList<int> Checked(const TFrmW3 &W)
{
    QList<int> Result;
    for (int I = 1; I <= 13; ++I)
        if (W.findChild<TCheckBoxEdit *>(QStringLiteral("Boxb%1").arg(I))->Checked())
            Result.append(I);
    return Result;
}

} // namespace

class TstFrmW3 : public QObject, private TFormWindowTest<TFrmW3> {
    Q_OBJECT

private:
    void Open(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees);
    void OpenSample()
    {
        Open(TFormsFixture::SampleEmployer(), TFormsFixture::Employees({ QStringLiteral("Ann Lee") }));
    }

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithTheTotals();
    void box12aTotal_data();
    void box12aTotal();
    void closeWritesTheTotalsAndRaisesTheReviewState_data();
    void closeWritesTheTotalsAndRaisesTheReviewState();
    void boxbGroupsActAsRadioButtons();
    void box13T_data();
    void box13T();
    void stateKeys_data();
    void stateKeys();
    void altLettersTypeNothing_data();
    void altLettersTypeNothing();
    void highlightFollowsTheFocusAfterARefusedDate();
    void checksInOrder_data();
    void checksInOrder();
    void tabOrderAndEnter();
    void printNeedsAValidEmployee_data();
    void printNeedsAValidEmployee();
    void putThenGetChangesOnlyWhatMay_data();
    void putThenGetChangesOnlyWhatMay();
    void accessibleNames_data();
    void accessibleNames();
};

void TstFrmW3::init()
{
    Start();
}

void TstFrmW3::cleanup()
{
    Finish();
}

void TstFrmW3::Open(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees)
{
    F->OpenCompany(Employer, Employees);
    ShowWindow();
}

void TstFrmW3::opensWithTheTotals()
{
    EmployeeRecord First
        = TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee"), 1000.10);
    First.SetBox16StateWages_b(250.25);
    First.SetBox17StateTax_a(10);
    First.SetBox17StateTax_b(5);
    const EmployeeRecord Second
        = TFormsFixture::SampleEmployee(QStringLiteral("Bob"), QStringLiteral("Ray"), 2000.20);
    Open(TFormsFixture::SampleEmployer(), { First, EmployeeRecord(), Second });
    QCOMPARE(W->windowTitle(), QStringLiteral("Form W-3 Transmittal of Wage and Tax Statements 2025"));
    QCOMPARE(W->Boxc->text(), QStringLiteral("3"));
    QCOMPARE(W->Amount1->text(), QStringLiteral("3,000.30"));
    QCOMPARE(W->Amount5->text(), QStringLiteral("3,000.30"));
    // Box 16 adds both state lines of every employee.
    QCOMPARE(W->Box16->text(), QStringLiteral("3,250.55"));
    QCOMPARE(W->Box17->text(), QStringLiteral("15.00"));
    QCOMPARE(W->Boxf_a->text(), QStringLiteral("Acme Tool & Die Co."));
    QCOMPARE(W->Boxe->StoredText(), QStringLiteral("12-3456789"));
    QVERIFY(W->Amount1->isReadOnly());
    QVERIFY(W->Box16->isReadOnly());
    QVERIFY(!W->Box14->isReadOnly());
    QVERIFY(W->StateID->isEnabled());
    QCOMPARE(F->Data.CurrentEmployer.FormsW2Count(), 3);
    QCOMPARE(FocusName(), QStringLiteral("Boxa"));
}

void TstFrmW3::box12aTotal_data()
{
    QTest::addColumn<QStringList>("Codes");
    QTest::addColumn<QList<double>>("Amounts");
    QTest::addColumn<QString>("Shown");
    QTest::newRow("D 1000, dd 500, Y 300")
        << QStringList { "D", "dd", "Y" } << QList<double> { 1000, 500, 300 } << "1,300.00";
    QTest::newRow("EE, AA, BB, S added")
        << QStringList { "EE", "AA", "bb", "S" } << QList<double> { 1, 2, 4, 8 } << "15.00";
    QTest::newRow("DD and C not added")
        << QStringList { "DD", "C", "E" } << QList<double> { 100, 50, 5 } << "5.00";
}

void TstFrmW3::box12aTotal()
{
    QFETCH(QStringList, Codes);
    QFETCH(QList<double>, Amounts);
    Open(TFormsFixture::SampleEmployer(), { WithCodes(Codes, Amounts), EmployeeRecord() });
    QTEST(W->Box12a->text(), "Shown");
}

void TstFrmW3::closeWritesTheTotalsAndRaisesTheReviewState_data()
{
    QTest::addColumn<int>("Before");
    QTest::addColumn<int>("After");
    QTest::newRow("0 to 1") << 0 << 1;
    QTest::newRow("1 to 2") << 1 << 2;
    QTest::newRow("stays 2") << 2 << 2;
}

void TstFrmW3::closeWritesTheTotalsAndRaisesTheReviewState()
{
    QFETCH(int, Before);
    OpenSample();
    F->Data.FormsReviewState = Before;
    TypeInto(W->Boxa, QStringLiteral("ctl-9"));
    TypeInto(W->Box14, QStringLiteral("12.5"));
    QTest::mouseClick(W->BtnClose, Qt::LeftButton);
    QVERIFY(!W->isVisible());
    QTEST(F->Data.FormsReviewState, "After");
    const EmployerRecord Stored = F->StoredEmployer();
    QCOMPARE(Stored.EmployerControlNumber(), QStringLiteral("CTL-9"));
    QCOMPARE(Stored.SickPayTaxWithheld(), 12.5);
    QCOMPARE(Stored.TotalWages(), 50000.0);
    QCOMPARE(Stored.FormsW2Count(), 1);
    QCOMPARE(Stored.EmployerCityStateZip(), QStringLiteral("Springfield IL 62701"));
}

void TstFrmW3::boxbGroupsActAsRadioButtons()
{
    OpenSample();
    QCOMPARE(Checked(*W), (QList<int> { 1, 8 }));
    QTest::mouseClick(W->Boxb1, Qt::LeftButton);
    QCOMPARE(Checked(*W), (QList<int> { 1, 8 }));
    QTest::mouseClick(W->Boxb3, Qt::LeftButton);
    QCOMPARE(Checked(*W), (QList<int> { 3, 8 }));
    QVERIFY(EnterField(W->Boxb11));
    QTest::keyClick(W->Boxb11, Qt::Key_Space);
    QCOMPARE(Checked(*W), (QList<int> { 3, 11 }));
    QTest::keyClick(W->Boxb11, Qt::Key_Space);
    QCOMPARE(Checked(*W), (QList<int> { 3, 11 }));
    W->Boxb7->SetChecked(true);
    QCOMPARE(Checked(*W), (QList<int> { 7, 11 }));
    // The third-party sick pay and final return boxes stand alone.
    QTest::mouseClick(W->Boxb13, Qt::LeftButton);
    QTest::mouseClick(W->FinalReturn, Qt::LeftButton);
    QCOMPARE(Checked(*W), (QList<int> { 7, 11, 13 }));
    QVERIFY(W->FinalReturn->Checked());
    QTest::mouseClick(W->Boxb13, Qt::LeftButton);
    QCOMPARE(Checked(*W), (QList<int> { 7, 11 }));
}

void TstFrmW3::box13T_data()
{
    QTest::addColumn<QString>("Before");
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QString>("After");
    QTest::newRow("t in an empty box") << ""
                                       << "t"
                                       << "Third-Party Sick Pay Recap";
    QTest::newRow("T in an empty box") << ""
                                       << "T"
                                       << "Third-Party Sick Pay Recap";
    QTest::newRow("t after other text") << "A"
                                        << "t"
                                        << "At";
    QTest::newRow("other letters") << ""
                                   << "Sick"
                                   << "Sick";
}

void TstFrmW3::box13T()
{
    QFETCH(QString, Before);
    QFETCH(QString, Keys);
    OpenSample();
    TypeInto(W->Box13, Before);
    W->Box13->end(false);
    QTest::keyClicks(W->Box13, Keys);
    QTEST(W->Box13->text(), "After");
}

void TstFrmW3::stateKeys_data()
{
    QTest::addColumn<QString>("Box");
    QTest::addColumn<QString>("Keys"); // '<' is backspace
    QTest::addColumn<QString>("After");
    QTest::addColumn<bool>("StateIDEnabled");
    QTest::newRow("T") << "Box15"
                       << "T"
                       << "TN" << true;
    QTest::newRow("T T") << "Box15"
                         << "TT"
                         << "TX" << true;
    QTest::newRow("T T T") << "Box15"
                           << "TTT"
                           << "TN" << true;
    QTest::newRow("lower case w w") << "Box15"
                                    << "ww"
                                    << "WI" << true;
    QTest::newRow("X") << "Box15"
                       << "X"
                       << "X" << false;
    QTest::newRow("X then C") << "Box15"
                              << "XC"
                              << "CA" << true;
    QTest::newRow("backspace") << "Box15"
                               << "T<"
                               << "" << true;
    QTest::newRow("digits and B dropped") << "Box15"
                                          << "5B"
                                          << "" << true;
    QTest::newRow("employer state A A") << "Boxg_c"
                                        << "aa"
                                        << "AL" << true;
    QTest::newRow("employer state from another letter") << "Boxg_c"
                                                        << "TM"
                                                        << "MA" << true;
}

void TstFrmW3::stateKeys()
{
    QFETCH(QString, Box);
    QFETCH(QString, Keys);
    OpenSample();
    auto *Target = W->findChild<TFilterEdit *>(Box);
    QVERIFY(EnterField(Target));
    QTest::keyClick(Target, Qt::Key_Backspace);
    QCOMPARE(Target->text(), QString());
    for (const QChar Key : Keys) {
        if (Key == QLatin1Char('<'))
            QTest::keyClick(Target, Qt::Key_Backspace);
        else
            QTest::keyClick(Target, Key.toLatin1());
    }
    QTEST(Target->text(), "After");
    QTEST(W->StateID->isEnabled(), "StateIDEnabled");
    if (Box == QLatin1String("Box15"))
        QCOMPARE(W->StateID->text().isEmpty(), Keys.contains(QLatin1Char('X')));
}

// What the employer record holds of a field the tests type into: its text,
// or an amount with two decimals.
QString StoredValue(const EmployerRecord &Employer, const QString &Field)
{
    if (Field == QLatin1String("W3Date"))
        return Employer.SignatureDate();
    if (Field == QLatin1String("Boxf_a"))
        return Employer.EmployerName();
    if (Field == QLatin1String("Boxa"))
        return Employer.EmployerControlNumber();
    if (Field == QLatin1String("Box14"))
        return QString::number(Employer.SickPayTaxWithheld(), 'f', 2);
    if (Field == QLatin1String("Boxe"))
        return Employer.EmployerEIN();
    if (Field == QLatin1String("Box15"))
        return Employer.Box15State();
    return QStringLiteral("no such field");
}

void TstFrmW3::altLettersTypeNothing_data()
{
    QTest::addColumn<QChar>("Letter");
    QTest::addColumn<QString>("Name");
    for (const char Letter : QByteArrayLiteral("DEFILNP"))
        for (const char *Name : { "W3Date", "Boxf_a", "Boxa", "Box14", "Boxe", "Box15" })
            QTest::addRow("Alt+%c in %s", Letter, Name)
                << QChar(QLatin1Char(Letter)) << QString::fromLatin1(Name);
}

// An Alt key carries its letter as text on X11; it is a shortcut here too
// and must leave every field, and the record written at the close, alone.
void TstFrmW3::altLettersTypeNothing()
{
    QFETCH(QChar, Letter);
    QFETCH(QString, Name);
    EmployerRecord Employer = TFormsFixture::SampleEmployer();
    Employer.SetEmployerControlNumber(QStringLiteral("AB-12"));
    Employer.SetSickPayTaxWithheld(250000);
    Open(Employer, TFormsFixture::Employees({ QStringLiteral("Ann Lee") }));
    QWidget *Target = Field(Name);
    QVERIFY(EnterField(Target));
    const QString Text = Letter.toLower();
    QTest::sendKeyEvent(QTest::Click, Target, Qt::Key(Letter.unicode()), Text, Qt::AltModifier);
    if (auto *Amount = qobject_cast<TDollarEdit *>(Target))
        QVERIFY2(!Amount->text().contains(Text), qPrintable(Amount->text()));
    QVERIFY(F->Person.MessageTexts().isEmpty());
    QVERIFY(W->close());
    QCOMPARE(StoredValue(F->StoredEmployer(), Name), StoredValue(Employer, Name));
}

// The date's messages take the focus from the window, the second one while
// the date refuses to be left; afterwards the highlight follows the keys.
void TstFrmW3::highlightFollowsTheFocusAfterARefusedDate()
{
    OpenSample();
    F->Person.WhileBoxShows(PassModalWindow);
    const QColor Plain = FieldColor(W->Title);
    const QString Message = QStringLiteral("13/45/2025 is not a valid date.");
    TypeInto(W->W3Date, QStringLiteral("13452025"));
    QCOMPARE(F->Person.MessageTexts(), QStringList { Message });
    QTRY_VERIFY(W->isActiveWindow());
    QCOMPARE(FieldColor(W->W3Date), HighlightColor());
    QTest::keyClick(W->W3Date, Qt::Key_Tab);
    QCOMPARE(F->Person.MessageTexts(), QStringList(2, Message));
    QTRY_VERIFY(W->isActiveWindow());
    QTRY_COMPARE(FocusName(), QStringLiteral("W3Date"));
    QCOMPARE(FieldColor(W->W3Date), HighlightColor());
    QCOMPARE(FieldColor(W->FinalReturn), Plain);
    TypeInto(W->W3Date, QStringLiteral("01302026"));
    QTest::keyClick(W->W3Date, Qt::Key_Tab);
    QCOMPARE(FocusName(), QStringLiteral("FinalReturn"));
    QCOMPARE(FieldColor(W->FinalReturn), HighlightColor());
    QCOMPARE(FieldColor(W->W3Date), Plain);
    QTest::keyClick(W->FinalReturn, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(W->W3Date, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(FocusName(), QStringLiteral("Title"));
    QCOMPARE(FieldColor(W->Title), HighlightColor());
    QCOMPARE(FieldColor(W->W3Date), Plain);
    QCOMPARE(FieldColor(W->FinalReturn), Plain);
}

void TstFrmW3::checksInOrder_data()
{
    QTest::addColumn<TEmployerChange>("Change");
    QTest::addColumn<QStringList>("Typed"); // "Field=typed text"
    QTest::addColumn<QString>("Focus");
    QTest::addColumn<QString>("Message");
    const QString Blank = QStringLiteral("Required field has been left blank.");
    auto Row = [](const char *Name, TEmployerChange Change, const QStringList &Typed, const QString &Focus,
                   const QString &Message) { QTest::newRow(Name) << Change << Typed << Focus << Message; };
    const TEmployerChange None = [](EmployerRecord &) {};
    Row("valid", None, {}, "", "");
    Row(
        "1 kind of payer",
        [](EmployerRecord &R) {
            R.SetKindOfPayer941(false);
            R.SetKindOfEmployerNoneApply(false);
        },
        {}, "Boxb1", "The Kind of Payer box has not been checked.");
    Row(
        "2 kind of employer", [](EmployerRecord &R) { R.SetKindOfEmployerNoneApply(false); }, { "Boxe=07" },
        "Boxb8", "The Kind of Employer box has not been checked.");
    Row("3 EIN invalid", None, { "Boxe=071234567", "Boxf_a=" }, "Boxe", Blank);
    Row("3 EIN empty", None, { "Boxe=" }, "Boxe", Blank);
    Row("4 name", None, { "Boxf_a=", "Boxg_a=" }, "Boxf_a", Blank);
    Row("5 address", None, { "Boxg_a=", "Boxg_b=" }, "Boxg_a", Blank);
    Row("6 city", None, { "Boxg_b=", "Contact=" }, "Boxg_b", Blank);
    Row("7 state", None, { "Boxg_c=", "Boxg_d=" }, "Boxg_c", Blank);
    Row("8 ZIP", None, { "Boxg_d=627", "Contact=" }, "Boxg_d", "Employer's Zip Code is invalid.");
    Row(
        "9 box 15", [](EmployerRecord &R) { R.SetBox15State(QString()); }, { "Contact=" }, "Box15", Blank);
    Row("10 state ID", None, { "StateID=", "Contact=" }, "StateID", Blank);
    Row(
        "10 no state ID for X",
        [](EmployerRecord &R) {
            R.SetBox15State(QStringLiteral("X"));
            R.SetEmployerStateID(QString());
        },
        {}, "", "");
    Row("11 contact", None, { "Contact=", "Email=pat@" }, "Contact",
        "Employer's contact person name is missing.");
    Row("12 email", None, { "Email=pat@" }, "Email", "Employer's email address is invalid.");
    Row("12 empty email accepted", None, { "Email=" }, "", "");
}

void TstFrmW3::checksInOrder()
{
    QFETCH(TEmployerChange, Change);
    QFETCH(QStringList, Typed);
    QFETCH(QString, Focus);
    QFETCH(QString, Message);
    EmployerRecord Employer = TFormsFixture::SampleEmployer();
    Change(Employer);
    Open(Employer, TFormsFixture::Employees({ QStringLiteral("Ann Lee") }));
    const EmployerRecord Before = F->StoredEmployer();
    for (const QString &Change : Typed)
        TypeInto(Field(Change.section(QLatin1Char('='), 0, 0)), Change.section(QLatin1Char('='), 1));
    ExpectEscape(Focus, Message);
    if (Message.isEmpty() || QTest::currentTestFailed())
        return;
    QCOMPARE(F->StoredEmployer(), Before);
    QCOMPARE(F->Data.FormsReviewState, 0);
}

void TstFrmW3::tabOrderAndEnter()
{
    OpenSample();
    const QStringList Expected = { "Boxa", "Boxb1", "Boxb2", "Boxb3", "Boxb4", "Boxb5", "Boxb6", "Boxb7",
        "Boxb8", "Boxb9", "Boxb10", "Boxb11", "Boxb12", "Boxb13", "Boxd", "Boxe", "Boxf_a", "Boxf_b",
        "Boxg_a", "Boxg_b", "Boxg_c", "Boxg_d", "Boxh", "Box13", "Box15", "StateID", "Box14", "Contact",
        "TelNum", "Email", "FaxNum", "SignerName", "Title", "W3Date", "FinalReturn", "BtnPrint" };
    QCOMPARE(VisitWithEnter(Expected.size()), Expected);
    QCOMPARE(Checked(*W), (QList<int> { 1, 8 }));
    for (const char *Total : { "Boxc", "Amount1", "Amount2", "Amount3", "Amount4", "Amount5", "Amount6",
             "Amount7", "Amount8", "Amount10", "Amount11", "Box12a", "Box16", "Box17", "Box18", "Box19" })
        QCOMPARE(Field(QLatin1String(Total))->focusPolicy(), Qt::ClickFocus);
}

void TstFrmW3::printNeedsAValidEmployee_data()
{
    QTest::addColumn<bool>("Valid");
    QTest::newRow("a valid employee") << true;
    QTest::newRow("blank employees only") << false;
}

void TstFrmW3::printNeedsAValidEmployee()
{
    QFETCH(bool, Valid);
    Open(TFormsFixture::SampleEmployer(),
        Valid ? TFormsFixture::Employees({ QStringLiteral("Ann Lee") })
              : QList<EmployeeRecord> { EmployeeRecord() });
    QCOMPARE(W->BtnPrint->isEnabled(), Valid);
    if (!Valid)
        return;
    TypeInto(W->Boxa, QStringLiteral("P1"));
    QTest::mouseClick(W->BtnPrint, Qt::LeftButton);
    // The run is tried: without a report project it says so.
    QCOMPARE(F->Person.MessageTexts().size(), 1);
    QVERIFY(F->Person.MessageTexts().first().startsWith(QLatin1String("The report project")));
    // Printing takes what is shown without writing it.
    QCOMPARE(F->Data.CurrentEmployer.EmployerControlNumber(), QStringLiteral("P1"));
    QCOMPARE(F->StoredEmployer().EmployerControlNumber(), QString());
}

void TstFrmW3::putThenGetChangesOnlyWhatMay_data()
{
    QTest::addColumn<EmployerRecord>("Original");
    QTest::addColumn<EmployerRecord>("Expected");
    EmployerRecord Full = TFormsFixture::SampleEmployer();
    Full.SetEmployerControlNumber(QStringLiteral("CTL-1"));
    Full.SetThirdPartySickPay(true);
    Full.SetEstablishmentNumber(QStringLiteral("0042"));
    Full.SetOtherEIN(QStringLiteral("98-7654321"));
    Full.SetSickPayText(QStringLiteral("Third-Party Sick Pay Recap"));
    Full.SetSickPayTaxWithheld(14.14);
    Full.SetContactFax(QStringLiteral("217-555-0199"));
    Full.SetFinalReturn(true);
    Full.SetEmployerCityStateZip(QStringLiteral("stale line"));
    QTest::newRow("every box") << Full << [&Full] {
        EmployerRecord E = Full;
        E.SetEmployerCityStateZip(QStringLiteral("Springfield IL 62701"));
        return E;
    }();
    EmployerRecord Empty;
    EmployerRecord EmptyExpected;
    EmptyExpected.SetEmployerEIN(QStringLiteral("  -       "));
    EmptyExpected.SetOtherEIN(QStringLiteral("  -       "));
    EmptyExpected.SetContactPhone(QStringLiteral("   -   -    "));
    EmptyExpected.SetContactFax(QStringLiteral("   -   -    "));
    EmptyExpected.SetSignatureDate(QStringLiteral("  /  /    "));
    EmptyExpected.SetEmployerCityStateZip(QStringLiteral("  "));
    QTest::newRow("empty: masked boxes hold their literals") << Empty << EmptyExpected;
}

void TstFrmW3::putThenGetChangesOnlyWhatMay()
{
    QFETCH(EmployerRecord, Original);
    QFETCH(EmployerRecord, Expected);
    Open(Original, { EmployeeRecord() });
    // The file password is never shown and never read back.
    F->Data.CurrentEmployer.SetFilePassword(QStringLiteral("KEPT"));
    Expected.SetFilePassword(QStringLiteral("KEPT"));
    const EmployerRecord Got = W->EmployerFromWindow();
    // The totals were computed at the opening; get leaves them as they are.
    EmployerRecord WithTotals = Expected;
    for (const TFieldDef &Def : EmployerRecord::Fields()) {
        const QByteArray Name(Def.Name);
        if (Name.startsWith("Total") || Name == "FormsW2Count") {
            QByteArray Bytes = WithTotals.Bytes();
            Bytes.replace(
                Def.Offset, Def.Size(), F->Data.CurrentEmployer.Bytes().mid(Def.Offset, Def.Size()));
            WithTotals = EmployerRecord::FromBytes(Bytes);
        }
    }
    TFormsFixture::ExpectSameFields(Got.Bytes(), WithTotals.Bytes(), EmployerRecord::Fields());
}

void TstFrmW3::accessibleNames_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Spoken");
    const QList<QPair<const char *, const char *>> Names = { { "Boxa", "Box a Control number" },
        { "Boxb1", "Box b Kind of Payer, 941" }, { "Boxb6", "Box b Kind of Payer, Household employee" },
        { "Boxb8", "Box b Kind of Employer, None apply" },
        { "Boxb12", "Box b Kind of Employer, Federal government" },
        { "Boxb13", "Box b Third-party sick pay" }, { "Boxc", "Box c Total number of Forms W-2" },
        { "Boxd", "Box d Establishment number" }, { "Boxe", "Box e Employer identification number (EIN)" },
        { "Boxf_a", "Box f Employer's name" }, { "Boxg_a", "Box g Employer's address and ZIP code, street" },
        { "Boxg_c", "Box g Employer's address and ZIP code, state" },
        { "Boxh", "Box h Other EIN used this year" }, { "Amount1", "Box 1 Wages, tips, other compensation" },
        { "Amount6", "Box 6 Medicare tax withheld" }, { "Amount10", "Box 10 Dependent care benefits" },
        { "Amount11", "Box 11 Nonqualified plans" }, { "Box12a", "Box 12a Deferred compensation" },
        { "Box13", "Box 13 For third-party sick pay use only" },
        { "Box14", "Box 14 Income tax withheld by payer of third-party sick pay" },
        { "Box15", "Box 15 State" }, { "StateID", "Box 15 Employer's state ID number" },
        { "Box16", "Box 16 State wages, tips, etc." }, { "Box19", "Box 19 Local income tax" },
        { "Contact", "Employer's contact person" }, { "TelNum", "Employer's telephone number" },
        { "Email", "Employer's email address" }, { "FaxNum", "Employer's fax number" }, { "Title", "Title" },
        { "W3Date", "Date" },
        { "FinalReturn", "Check here if your business has closed or you stopped paying wages." },
        { "BtnHelp", "Help with this form" } };
    for (const auto &[Name, Spoken] : Names)
        QTest::newRow(Name) << QString::fromLatin1(Name) << QString::fromUtf8(Spoken);
    QTest::newRow("every field named once") << QString() << QString();
}

void TstFrmW3::accessibleNames()
{
    QFETCH(QString, Name);
    QFETCH(QString, Spoken);
    OpenSample();
    if (Name.isEmpty())
        ExpectNamedOnce(QString(), 51);
    else
        ExpectSpoken(Name, Spoken);
}

QMRK_GUI_TEST_MAIN(TstFrmW3)
#include "tst_frmw3.moc"
