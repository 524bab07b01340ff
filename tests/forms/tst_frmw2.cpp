#include "EmployeeRecord.h"
#include "FieldColors.h"
#include "QmrkGuiTestMain.h"
#include "TCheckBoxEdit.h"
#include "TDollarEdit.h"
#include "TFilterEdit.h"
#include "TFormWindowTest.h"
#include "TFrmIRSBox12Codes.h"
#include "TFrmRecList.h"
#include "TFrmW2.h"
#include "TMaskedEdit.h"
#include "TModalDriver.h"
#include "TRSNavigator.h"
#include "TRecordSet.h"
#include "TStateEdit.h"

#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

Q_DECLARE_METATYPE(EmployeeRecord)

namespace {

const QString SecondSSN = QStringLiteral("234-56-7890");

// "FNPLIED": the navigator's buttons First, Next, Prior, Last, List, New and
// Delete, each as its letter when enabled and '-' when not.
QString EnabledButtons(const TRSNavigator *Navigator)
{
    const char Letters[] = "FNPLIED";
    QString Result;
    for (int I = 0; I < 7; ++I)
        Result += Navigator->Button(TNavigationButtons(I))->isEnabled() ? QLatin1Char(Letters[I])
                                                                        : QLatin1Char('-');
    return Result;
}

} // namespace

class TstFrmW2 : public QObject, private TFormWindowTest<TFrmW2> {
    Q_OBJECT

private:
    void Open(const QList<EmployeeRecord> &Employees);
    void OpenNames(const QStringList &Names) { Open(TFormsFixture::Employees(Names)); }
    void Type(const QString &Name, const QString &Text);
    int Current() const { return F->Data.RSW2->CurrentRecord(); }

private Q_SLOTS:
    void init();
    void cleanup();

    void opensOnTheCurrentEmployee();
    void amountBoxesTakeTheirDollarDigits_data();
    void amountBoxesTakeTheirDollarDigits();
    void derivedAmounts_data();
    void derivedAmounts();
    void tipsAreTakenOutOfBox3();
    void tipsAreTakenFromTheEmployeeShown_data();
    void tipsAreTakenFromTheEmployeeShown();
    void medicareTaxFollowsBox5();
    void checksInOrder_data();
    void checksInOrder();
    void closeWritesAndRaisesTheReviewState_data();
    void closeWritesAndRaisesTheReviewState();
    void tabOrderAndEnter();
    void focusColour();
    void escapeRunsTheChecks();
    void focusFollowsTheKeysAfterAModalWindow_data();
    void focusFollowsTheKeysAfterAModalWindow();
    void codeListPutsTheChosenCode_data();
    void codeListPutsTheChosenCode();
    void navigatorStates_data();
    void navigatorStates();
    void altKeys_data();
    void altKeys();
    void altLettersTypeNothing_data();
    void altLettersTypeNothing();
    void navigationChecksAndWrites();
    void deleteRunsNoChecks();
    void refusedDeleteKeepsWhatIsTyped();
    void newEmployeeGetsTheEmployersState();
    void printAllAfterEveryEmployeeWasShown();
    void printButtonsFollowBox1AndBox16();
    void listOrderWithEqualNames();
    void listEscapeKeepsTheRecord();
    void typingANameMarksTheIndexStale();
    void putThenGetChangesOnlyWhatMay_data();
    void putThenGetChangesOnlyWhatMay();
    void accessibleNames_data();
    void accessibleNames();
};

void TstFrmW2::init()
{
    Start();
}

void TstFrmW2::cleanup()
{
    Finish();
}

void TstFrmW2::Open(const QList<EmployeeRecord> &Employees)
{
    F->OpenCompany(TFormsFixture::SampleEmployer(), Employees);
    ShowWindow();
}

void TstFrmW2::Type(const QString &Name, const QString &Text)
{
    QWidget *Target = Field(Name);
    QVERIFY2(Target, qPrintable(Name));
    TypeInto(Target, Text);
}

void TstFrmW2::opensOnTheCurrentEmployee()
{
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray") });
    QCOMPARE(W->windowTitle(), QStringLiteral("Form W-2 Wage and Tax Statement 2025"));
    QCOMPARE(W->Boxe_a->text(), QStringLiteral("Ann"));
    QCOMPARE(W->Boxa->StoredText(), QStringLiteral("123-45-6780"));
    QCOMPARE(W->Amount1->text(), QStringLiteral("50,000.00"));
    QCOMPARE(W->Box15a->State(), QStringLiteral("IL"));
    QCOMPARE(W->W3Boxe->text(), QStringLiteral("12-3456789"));
    QCOMPARE(W->W3Boxf_a->text(), QStringLiteral("Acme Tool & Die Co."));
    QCOMPARE(W->W3Boxf_b->text(), QStringLiteral("Acme Tools"));
    QCOMPARE(W->W3Boxg_a->text(), QStringLiteral("100 Industrial Way"));
    QCOMPARE(W->W3Boxg_b->text(), QStringLiteral("Springfield IL 62701"));
    QVERIFY(W->W3Boxe->isReadOnly());
    QCOMPARE(W->EmployeeCount, 2);
    QCOMPARE(W->FW2Checked, (QList<bool> { true, false }));
    QCOMPARE(FocusName(), QStringLiteral("Boxa"));
}

void TstFrmW2::amountBoxesTakeTheirDollarDigits_data()
{
    QTest::addColumn<QString>("Control");
    QTest::addColumn<int>("Digits");
    for (const char *Wide : { "Amount1", "Amount2", "Amount3", "Amount4", "Amount5", "Amount6", "Amount7",
             "Amount8", "Amount10", "Amount11", "Box16a", "Box16b", "Box18a", "Box18b" })
        QTest::newRow(Wide) << QString::fromLatin1(Wide) << 9;
    for (const char *Narrow : { "Box12Amt_a", "Box12Amt_b", "Box12Amt_c", "Box12Amt_d", "Box14Amt_a",
             "Box14Amt_b", "Box14Amt_c", "Box17a", "Box17b", "Box19a", "Box19b" })
        QTest::newRow(Narrow) << QString::fromLatin1(Narrow) << 6;
}

// The import holds amounts to the same widths (TEmployeeImport).
void TstFrmW2::amountBoxesTakeTheirDollarDigits()
{
    QFETCH(QString, Control);
    QFETCH(int, Digits);
    OpenNames({ QStringLiteral("Ann Lee") });
    auto *Amount = W->findChild<TDollarEdit *>(Control);
    QVERIFY(Amount);
    QCOMPARE(Amount->DollarDigits(), Digits);
}

void TstFrmW2::derivedAmounts_data()
{
    QTest::addColumn<QString>("Box1");
    QTest::addColumn<QStringList>("Shown"); // boxes 3, 4, 5, 6 and 16a
    QTest::newRow("50,000") << "50000"
                            << QStringList { "50,000.00", "3,100.00", "50,000.00", "725.00", "50,000.00" };
    QTest::newRow("200,000") << "200000"
                             << QStringList { "176,100.00", "10,918.20", "200,000.00", "2,900.00",
                                    "200,000.00" };
    QTest::newRow("250,000") << "250000"
                             << QStringList { "176,100.00", "10,918.20", "250,000.00", "4,075.00",
                                    "250,000.00" };
}

void TstFrmW2::derivedAmounts()
{
    QFETCH(QString, Box1);
    QFETCH(QStringList, Shown);
    Open({ EmployeeRecord() });
    Type(QStringLiteral("Amount1"), Box1);
    LeaveField();
    QTRY_COMPARE(FocusName(), QStringLiteral("Amount2"));
    const QStringList Boxes = { "Amount3", "Amount4", "Amount5", "Amount6", "Box16a" };
    for (int I = 0; I < Boxes.size(); ++I)
        QCOMPARE(static_cast<QLineEdit *>(Field(Boxes[I]))->text(), Shown[I]);
    // Box 3 entered: leaving box 1 again derives nothing.
    Type(QStringLiteral("Amount1"), QStringLiteral("10"));
    LeaveField();
    QCOMPARE(W->Amount5->text(), Shown[2]);
}

void TstFrmW2::tipsAreTakenOutOfBox3()
{
    Open({ EmployeeRecord() });
    Type(QStringLiteral("Amount3"), QStringLiteral("1000"));
    LeaveField();
    QCOMPARE(W->Amount4->Value(), 62.0);
    Type(QStringLiteral("Amount7"), QStringLiteral("200"));
    LeaveField();
    QTRY_COMPARE(FocusName(), QStringLiteral("Amount8"));
    QCOMPARE(W->Amount3->text(), QStringLiteral("800.00"));
    QCOMPARE(W->Amount4->text(), QStringLiteral("62.00"));
    QCOMPARE(W->Amount7->text(), QStringLiteral("200.00"));
    // Box 3 over the base beside tips: the two together make the base.
    Type(QStringLiteral("Amount3"), QStringLiteral("180000"));
    LeaveField();
    QCOMPARE(W->Amount3->text(), QStringLiteral("175,900.00"));
    QCOMPARE(W->Amount4->Value(), 10918.20);
}

void TstFrmW2::tipsAreTakenFromTheEmployeeShown_data()
{
    QTest::addColumn<QString>("Move");
    QTest::addColumn<int>("Position"); // Bob's record number after the move
    QTest::newRow("Next button") << "next" << 2;
    QTest::newRow("Alt+N") << "alt" << 2;
    QTest::newRow("list window") << "list" << 2;
    QTest::newRow("Ann deleted") << "delete" << 1;
}

// The focus stays in box 7 while the navigator moves to another employee;
// leaving box 7 then must work on that employee's boxes 3 and 7 alone.
void TstFrmW2::tipsAreTakenFromTheEmployeeShown()
{
    QFETCH(QString, Move);
    QFETCH(int, Position);
    QList<EmployeeRecord> Employees
        = TFormsFixture::Employees({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray") });
    Employees[1].SetBox3SocSecWages(29500);
    Employees[1].SetBox7SocSecTips(500);
    Open(Employees);
    QVERIFY(EnterField(W->Amount7));
    if (Move == QLatin1String("next")) {
        QTest::mouseClick(W->RSNavigator->NavBtnNext, Qt::LeftButton);
    } else if (Move == QLatin1String("alt")) {
        QTest::keyClick(W->Amount7, Qt::Key_N, Qt::AltModifier);
    } else if (Move == QLatin1String("list")) {
        WhenModal<TFrmRecList>([](TFrmRecList *List) {
            QTest::keyClick(List->RecordListBox, Qt::Key_End);
            QTest::keyClick(List->RecordListBox, Qt::Key_Return);
        });
        QTest::mouseClick(W->RSNavigator->NavBtnList, Qt::LeftButton);
    } else {
        F->Person.AnswerMsgBox(1);
        QTest::mouseClick(W->RSNavigator->NavBtnDelete, Qt::LeftButton);
    }
    QCOMPARE(Current(), Position);
    QCOMPARE(W->Boxe_a->text(), QStringLiteral("Bob"));
    // After the list window the entry window is active again.
    QTRY_COMPARE(FocusName(), QStringLiteral("Amount7"));
    LeaveField();
    QCOMPARE(W->Amount3->text(), QStringLiteral("29,500.00"));
    QVERIFY(W->close());
    QCOMPARE(F->StoredEmployees().at(Position - 1).Box3SocSecWages(), 29500.0);
}

void TstFrmW2::medicareTaxFollowsBox5()
{
    Open({ EmployeeRecord() });
    Type(QStringLiteral("Amount5"), QStringLiteral("250000"));
    LeaveField();
    QCOMPARE(W->Amount6->Value(), 4075.0);
    // The derived tax can still be overwritten.
    Type(QStringLiteral("Amount6"), QStringLiteral("3625"));
    LeaveField();
    QCOMPARE(W->Amount6->text(), QStringLiteral("3,625.00"));
}

void TstFrmW2::checksInOrder_data()
{
    QTest::addColumn<QStringList>("Changes"); // "Field=typed text"
    QTest::addColumn<QString>("Focus");
    QTest::addColumn<QString>("Message");
    auto Row
        = [](const QString &Name, const QStringList &Changes, const QString &Focus, const QString &Message) {
              QTest::newRow(qPrintable(Name)) << Changes << Focus << Message;
          };
    Row("valid", {}, "", "");
    Row("1 box 1 zero", { "Amount1=0", "Boxa=666123456" }, "Amount1",
        "Box 1 (Wages, tips, other comp.) cannot be zero.");
    Row("2 SSN", { "Boxa=666123456", "Boxe_a=" }, "Boxa", "Social security number is invalid.");
    Row("2 SSN incomplete", { "Boxa=12345" }, "Boxa", "Social security number is invalid.");
    Row("3 first name", { "Boxe_a=", "Boxe_b=" }, "Boxe_a", "Employee's first name is missing.");
    Row("4 last name", { "Boxe_b=", "Boxf_a=" }, "Boxe_b", "Employee's last name is missing.");
    Row("5 street", { "Boxf_a=", "Boxf_b=" }, "Boxf_a", "Employee's street address is missing.");
    Row("6 city", { "Boxf_b=", "Boxf_c=" }, "Boxf_b", "Employee's city name is missing.");
    Row("7 state", { "Boxf_c=", "Boxf_d=" }, "Boxf_c", "Employee's state name is missing.");
    Row("8 ZIP", { "Boxf_d=6270", "Box12Amt_a=5" }, "Boxf_d", "Employee's Zip Code is not valid.");
    for (const char L : { 'a', 'b', 'c', 'd' }) {
        const QString Line = QString(QLatin1Char(L));
        Row(QStringLiteral("box 12%1 code missing").arg(Line), { "Box12Amt_" + Line + "=5" },
            "Box12Code_" + Line, QStringLiteral("Box 12%1 code is missing.").arg(Line));
        Row(QStringLiteral("box 12%1 amount missing").arg(Line), { "Box12Code_" + Line + "=dd" },
            "Box12Amt_" + Line, QStringLiteral("Box 12%1 amount is missing.").arg(Line));
        Row(QStringLiteral("box 12%1 code invalid").arg(Line),
            { "Box12Code_" + Line + "=cc", "Box12Amt_" + Line + "=5" }, "Box12Code_" + Line,
            QStringLiteral("Box 12%1 code is invalid.").arg(Line));
    }
    Row("box 12 amount missing before a missing code of an earlier line", { "Box12Code_b=D", "Box12Amt_d=1" },
        "Box12Code_d", "Box 12d code is missing.");
    Row("box 12 typed dd passes", { "Box12Code_a=dd", "Box12Amt_a=5" }, "", "");
    for (const char L : { 'a', 'b', 'c' }) {
        const QString Line = QString(QLatin1Char(L));
        const int N = L - 'a' + 1;
        Row(QStringLiteral("box 14 description %1 missing").arg(N), { "Box14Amt_" + Line + "=5" },
            "Box14Desc_" + Line, QStringLiteral("Box 14 description %1 is missing.").arg(N));
        Row(QStringLiteral("box 14 amount %1 missing").arg(N), { "Box14Desc_" + Line + "=UNION" },
            "Box14Amt_" + Line, QStringLiteral("Box 14 amount %1 is missing.").arg(N));
    }
    Row("box 14 line complete", { "Box14Desc_b=UNION", "Box14Amt_b=12.5" }, "", "");
    Row("state 1 without state", { "Box15a=" }, "Box15a", "State 1 data is incomplete.");
    Row("state 1 with only a state", { "StateID_a=", "Box16a=0" }, "StateID_a",
        "State 1 data is incomplete.");
    Row("state 1 all absent", { "Box15a=", "StateID_a=", "Box16a=0" }, "", "");
    Row("state 1 all absent but tax", { "Box15a=", "StateID_a=", "Box16a=0", "Box17a=3" }, "Box15a",
        "State 1 data is incomplete.");
    Row("state 2 tax alone", { "Box17b=10" }, "Box15b", "State 2 data is incomplete.");
    Row("state 2 without an ID", { "Box15b=WI", "Box16b=10" }, "StateID_b", "State 2 data is incomplete.");
    Row("state 2 complete", { "Box15b=WI", "StateID_b=998877", "Box16b=10" }, "", "");
    Row("local 1 tax alone", { "Box19a=10" }, "Box18a", "Local data 1 is incomplete.");
    Row("local 1 without locality", { "Box18a=10" }, "Box20a", "Local data 1 is incomplete.");
    Row("local 2 without wages", { "Box20b=CHI" }, "Box18b", "Local data 2 is incomplete.");
    Row("local 2 without locality", { "Box18b=10", "Box19b=1" }, "Box20b", "Local data 2 is incomplete.");
    Row("local 2 complete", { "Box18b=10", "Box20b=CHI", "Box19b=1" }, "", "");
}

void TstFrmW2::checksInOrder()
{
    QFETCH(QStringList, Changes);
    QFETCH(QString, Focus);
    QFETCH(QString, Message);
    const EmployeeRecord Sample = TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee"));
    Open({ Sample });
    for (const QString &Change : Changes)
        Type(Change.section(QLatin1Char('='), 0, 0), Change.section(QLatin1Char('='), 1));
    ExpectEscape(Focus, Message);
    if (Message.isEmpty() || QTest::currentTestFailed())
        return;
    // Nothing was written.
    QCOMPARE(F->StoredEmployees().first(), Sample);
}

void TstFrmW2::closeWritesAndRaisesTheReviewState_data()
{
    QTest::addColumn<int>("Employees");
    QTest::addColumn<int>("Before");
    QTest::addColumn<int>("After");
    QTest::newRow("every employee shown: 0 to 1") << 1 << 0 << 1;
    QTest::newRow("every employee shown: 1 to 2") << 1 << 1 << 2;
    QTest::newRow("stays 2") << 1 << 2 << 2;
    QTest::newRow("one of two shown: unchanged") << 2 << 0 << 0;
}

void TstFrmW2::closeWritesAndRaisesTheReviewState()
{
    QFETCH(int, Employees);
    QFETCH(int, Before);
    OpenNames(QStringList { QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray") }.mid(0, Employees));
    F->Data.FormsReviewState = Before;
    Type(QStringLiteral("Boxd"), QStringLiteral("ab-12"));
    QTest::mouseClick(W->BtnClose, Qt::LeftButton);
    QVERIFY(!W->isVisible());
    QTEST(F->Data.FormsReviewState, "After");
    const EmployeeRecord Stored = F->StoredEmployees().first();
    QCOMPARE(Stored.ControlNumber(), QStringLiteral("AB-12"));
    QCOMPARE(Stored.CityStateZip(), QStringLiteral("Springfield IL 62704"));
}

void TstFrmW2::tabOrderAndEnter()
{
    Open({ TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee")) });
    const QStringList Expected = { "Boxa", "Amount1", "Amount2", "Amount3", "Amount4", "Amount5", "Amount6",
        "Amount7", "Amount8", "Boxd", "Amount10", "Boxe_a", "Boxe_b", "Suffix", "Boxf_a", "Boxf_b", "Boxf_c",
        "Boxf_d", "Amount11", "Box12Code_a", "Box12Amt_a", "Box12Code_b", "Box12Amt_b", "Box12Code_c",
        "Box12Amt_c", "Box12Code_d", "Box12Amt_d", "Box13a", "Box13b", "Box13c", "Box14Desc_a", "Box14Amt_a",
        "Box14Desc_b", "Box14Amt_b", "Box14Desc_c", "Box14Amt_c", "Box15a", "StateID_a", "Box16a", "Box17a",
        "Box18a", "Box19a", "Box20a", "Box15b", "StateID_b", "Box16b", "Box17b", "Box18b", "Box19b", "Box20b",
        "BtnPrintOne" };
    QCOMPARE(VisitWithEnter(Expected.size()), Expected);
    // Enter moved the focus only: the employee is as it was.
    QCOMPARE(W->EmployeeFromWindow().Box1Wages(), 50000.0);
    QVERIFY(W->isVisible());
    // The employer's boxes are read-only and passed over, as Tab passes them.
    for (const char *Name : { "W3Boxe", "W3Boxf_a", "W3Boxf_b", "W3Boxg_a", "W3Boxg_b" })
        QCOMPARE(Field(QLatin1String(Name))->focusPolicy(), Qt::ClickFocus);
}

void TstFrmW2::focusColour()
{
    Open({ TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee")) });
    const QColor Plain = FieldColor(W->Boxe_a);
    QVERIFY(EnterField(W->Boxe_a));
    QCOMPARE(FieldColor(W->Boxe_a), QColor(187, 255, 255));
    QVERIFY(EnterField(W->Box15a));
    QCOMPARE(FieldColor(W->Box15a), QColor(187, 255, 255));
    QCOMPARE(FieldColor(W->Boxe_a), Plain);
    QVERIFY(EnterField(W->Amount7));
    QCOMPARE(FieldColor(W->Amount7), QColor(187, 255, 255));
    LeaveField();
    QCOMPARE(FieldColor(W->Amount7), Plain);
}

void TstFrmW2::escapeRunsTheChecks()
{
    Open({ EmployeeRecord() });
    QTest::keyClick(W->Boxa, Qt::Key_Escape);
    QCOMPARE(F->Person.MessageTexts(), QStringList { "Box 1 (Wages, tips, other comp.) cannot be zero." });
    QVERIFY(W->isVisible());
    QTRY_COMPARE(FocusName(), QStringLiteral("Amount1"));
}

void TstFrmW2::focusFollowsTheKeysAfterAModalWindow_data()
{
    QTest::addColumn<QString>("Modal");
    QTest::addColumn<QStringList>(
        "Walk"); // the field that has the focus after the window, then the ones Tab goes to
    const QStringList FromLastName = { "Boxe_b", "Suffix", "Boxf_a", "Boxf_b", "Boxf_c", "Boxf_d", "Amount11",
        "Box12Code_a", "Box12Amt_a", "Box12Code_b" };
    QTest::newRow("refused check") << "check" << FromLastName;
    QTest::newRow("Box 12 code list") << "codes"
                                      << QStringList { "Box12Code_b", "Box12Amt_b", "Box12Code_c",
                                             "Box12Amt_c", "Box12Code_d", "Box12Amt_d", "Box13a" };
    QTest::newRow("delete confirmation") << "delete" << FromLastName;
    QTest::newRow("employee list") << "list" << FromLastName;
}

// A message box or a list window takes the focus from the entry window and
// gives it back: from then on the highlight and the amounts' display form
// follow the Tab key as they did before, field by field.
void TstFrmW2::focusFollowsTheKeysAfterAModalWindow()
{
    QFETCH(QString, Modal);
    QFETCH(QStringList, Walk);
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Marsh") });
    F->Person.WhileBoxShows(PassModalWindow);
    const QColor Plain = FieldColor(W->Box20b);
    if (Modal == QLatin1String("check")) {
        Type(QStringLiteral("Boxe_b"), QString());
        QTest::keyClick(W->Boxe_b, Qt::Key_Escape);
        QCOMPARE(F->Person.MessageTexts(), QStringList { "Employee's last name is missing." });
        Type(QStringLiteral("Boxe_b"), QStringLiteral("Lee"));
    } else if (Modal == QLatin1String("codes")) {
        QVERIFY(EnterField(W->Box12Code_b));
        WhenModal<TFrmIRSBox12Codes>([](TFrmIRSBox12Codes *Codes) {
            QTest::keyClick(Codes->IRSCodesListBox, Qt::Key_End);
            QTest::keyClick(Codes->IRSCodesListBox, Qt::Key_Up);
            QTest::keyClick(Codes->IRSCodesListBox, Qt::Key_Return);
        });
        QTest::mouseDClick(W->Box12Code_b, Qt::LeftButton);
        QCOMPARE(W->Box12Code_b->text(), QStringLiteral("HH"));
    } else if (Modal == QLatin1String("delete")) {
        QVERIFY(EnterField(W->Boxe_b));
        F->Person.AnswerMsgBox(1);
        QTest::keyClick(W->Boxe_b, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(W->Boxe_a->text(), QStringLiteral("Bob"));
    } else {
        QVERIFY(EnterField(W->Boxe_b));
        WhenModal<TFrmRecList>(
            [](TFrmRecList *List) { QTest::keyClick(List->RecordListBox, Qt::Key_Escape); });
        QTest::keyClick(W->Boxe_b, Qt::Key_I, Qt::AltModifier);
    }
    // A person types on once the window is back in front.
    static_cast<void>(QTest::qWaitFor([this] { return W->isActiveWindow(); }));
    // The window's own focus field takes the keys even while the window is
    // not active.
    const auto InWindow = [this] { return W->focusWidget() ? W->focusWidget()->objectName() : QString(); };
    QTRY_COMPARE(InWindow(), Walk.first());
    QCOMPARE(FieldColor(Field(Walk.first())), HighlightColor());
    for (int I = 1; I < Walk.size(); ++I) {
        QWidget *From = Field(Walk.at(I - 1));
        auto *Amount = qobject_cast<TDollarEdit *>(From);
        if (Amount)
            QTest::keyClicks(Amount, QStringLiteral("3000"));
        QTest::keyClick(From, Qt::Key_Tab);
        QCOMPARE(InWindow(), Walk.at(I));
        QVERIFY2(FieldColor(Field(Walk.at(I))) == HighlightColor(), qPrintable(Walk.at(I)));
        QVERIFY2(FieldColor(From) == Plain, qPrintable(Walk.at(I - 1)));
        if (Amount)
            QCOMPARE(Amount->text(), QStringLiteral("3,000.00"));
    }
}

void TstFrmW2::codeListPutsTheChosenCode_data()
{
    QTest::addColumn<int>("Line"); // -1: cancelled with Esc
    QTest::addColumn<QString>("How"); // "keys", "click" (then Ok), "double-click", "cancel"
    QTest::addColumn<QString>("Expected");
    QTest::newRow("HH by keys") << 28 << "keys"
                                << "HH";
    QTest::newRow("first line A clicked") << 0 << "click"
                                          << "A";
    QTest::newRow("T double-clicked") << 17 << "double-click"
                                      << "T";
    QTest::newRow("Esc leaves the field") << 28 << "escape"
                                          << "D";
    QTest::newRow("Cancel leaves the field") << 28 << "cancel"
                                             << "D";
}

void TstFrmW2::codeListPutsTheChosenCode()
{
    QFETCH(int, Line);
    QFETCH(QString, How);
    Open({ TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee")) });
    Type(QStringLiteral("Box12Code_b"), QStringLiteral("D"));
    WhenModal<TFrmIRSBox12Codes>([Line, How](TFrmIRSBox12Codes *Codes) {
        QCOMPARE(Codes->windowTitle(), QStringLiteral("IRS Box 12 Codes "));
        QCOMPARE(Codes->IRSCodesListBox->topLevelItemCount(), 30);
        QCOMPARE(Codes->IRSCodesListBox->headerItem()->text(0), QStringLiteral("Code"));
        QCOMPARE(Codes->IRSCodesListBox->headerItem()->text(1), QStringLiteral("Code Description"));
        QCOMPARE(Codes->IRSCodesListBox->topLevelItem(28)->text(1),
            QStringLiteral(
                "Aggregate deferrals under section 83(i) elections as of the close of the calendar year"));
        QTreeWidget *List = Codes->IRSCodesListBox;
        const QPoint Spot = List->visualItemRect(List->topLevelItem(Line)).center();
        if (How == QLatin1String("click")) {
            QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, Spot);
            QTest::mouseClick(Codes->BtnOk, Qt::LeftButton);
        } else if (How == QLatin1String("double-click")) {
            List->scrollToItem(List->topLevelItem(Line));
            const QPoint Shown = List->visualItemRect(List->topLevelItem(Line)).center();
            QTest::mouseClick(List->viewport(), Qt::LeftButton, {}, Shown);
            QTest::mouseDClick(List->viewport(), Qt::LeftButton, {}, Shown);
        } else {
            QTest::keyClick(List, Qt::Key_Home);
            for (int I = 0; I < Line; ++I)
                QTest::keyClick(List, Qt::Key_Down);
            if (How == QLatin1String("keys"))
                QTest::keyClick(List, Qt::Key_Return);
            else if (How == QLatin1String("escape"))
                QTest::keyClick(List, Qt::Key_Escape);
            else
                QTest::mouseClick(Codes->BtnCancel, Qt::LeftButton);
        }
    });
    QTest::mouseDClick(W->Box12Code_b, Qt::LeftButton);
    QTEST(W->Box12Code_b->text(), "Expected");
}

void TstFrmW2::navigatorStates_data()
{
    QTest::addColumn<int>("Records");
    QTest::addColumn<int>("Moves"); // Next clicks after opening
    QTest::addColumn<QString>("Mode"); // "", "browse", "max"
    QTest::addColumn<QString>("Enabled");
    QTest::newRow("record 1 of 3") << 3 << 0 << ""
                                   << "-N-LIED";
    QTest::newRow("record 2 of 3") << 3 << 1 << ""
                                   << "FNPLIED";
    QTest::newRow("record 3 of 3") << 3 << 2 << ""
                                   << "F-P-IED";
    QTest::newRow("one record") << 1 << 0 << ""
                                << "-----E-";
    QTest::newRow("browse only") << 3 << 1 << "browse"
                                 << "FNPLI--";
    QTest::newRow("at MaxRec") << 3 << 0 << "max"
                               << "-N-LI-D";
}

void TstFrmW2::navigatorStates()
{
    QFETCH(int, Records);
    QFETCH(int, Moves);
    QFETCH(QString, Mode);
    QStringList Names = { QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray"), QStringLiteral("Cy Day") };
    const QList<EmployeeRecord> Employees = TFormsFixture::Employees(Names.mid(0, Records));
    TRecordSet Holder;
    F->WriteCompany(TFormsFixture::SampleEmployer(), Employees);
    if (Mode == QLatin1String("browse")) {
        // Another program holds the employee file: this one may only look.
        Holder.SetRecSize(EmployeeRecord::RecSize);
        Holder.SetFileShareMode(TFileShareMode::smShareExclusive);
        Holder.SetFileName(F->W2Path());
        Holder.OpenRecSet();
        QVERIFY(Holder.Active());
    }
    if (Mode == QLatin1String("max"))
        F->Data.RSW2->SetMaxRec(3);
    F->Data.OpenCompany(F->W2Path());
    ShowWindow();
    for (int I = 0; I < Moves; ++I)
        QTest::mouseClick(W->RSNavigator->NavBtnNext, Qt::LeftButton);
    QCOMPARE(Current(), Moves + 1);
    QTEST(EnabledButtons(W->RSNavigator), "Enabled");
    if (Mode == QLatin1String("browse")) {
        QVERIFY(F->Data.RSW2->BrowseOnly());
        QCOMPARE(F->Person.MessageTexts().size(), 1);
        QVERIFY(F->Person.MessageTexts().first().contains(QStringLiteral("browse only")));
    }
    Holder.CloseRecSet();
}

void TstFrmW2::altKeys_data()
{
    QTest::addColumn<int>("Modifiers");
    QTest::addColumn<int>("Key");
    QTest::addColumn<int>("Record");
    QTest::addColumn<int>("Count");
    QTest::newRow("Alt+N next") << int(Qt::AltModifier) << int(Qt::Key_N) << 2 << 3;
    QTest::newRow("Ctrl+N nothing") << int(Qt::ControlModifier) << int(Qt::Key_N) << 1 << 3;
    QTest::newRow("Alt+Shift+N nothing")
        << int(Qt::AltModifier | Qt::ShiftModifier) << int(Qt::Key_N) << 1 << 3;
    QTest::newRow("Alt+L last") << int(Qt::AltModifier) << int(Qt::Key_L) << 3 << 3;
    QTest::newRow("Alt+P disabled on record 1") << int(Qt::AltModifier) << int(Qt::Key_P) << 1 << 3;
    QTest::newRow("Alt+E new") << int(Qt::AltModifier) << int(Qt::Key_E) << 4 << 4;
}

void TstFrmW2::altKeys()
{
    QFETCH(int, Modifiers);
    QFETCH(int, Key);
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray"), QStringLiteral("Cy Day") });
    // From a check box, which takes every other key for itself.
    QVERIFY(EnterField(W->Box13b));
    QTest::keyClick(W->Box13b, Qt::Key(Key), Qt::KeyboardModifiers(Modifiers));
    QTEST(Current(), "Record");
    QTEST(F->Data.RSW2->RecordCount(), "Count");
    QVERIFY(F->Person.MessageTexts().isEmpty());
}

// What the record holds of a field the tests type into: its text, or an
// amount with two decimals.
QString StoredValue(const EmployeeRecord &Employee, const QString &Field)
{
    if (Field == QLatin1String("Boxe_b"))
        return Employee.LastName();
    if (Field == QLatin1String("Boxd"))
        return Employee.ControlNumber();
    if (Field == QLatin1String("Box16a"))
        return QString::number(Employee.Box16StateWages_a(), 'f', 2);
    if (Field == QLatin1String("Boxa"))
        return Employee.EmployeeSSN();
    if (Field == QLatin1String("Boxf_c"))
        return Employee.State();
    return QStringLiteral("no such field");
}

void TstFrmW2::altLettersTypeNothing_data()
{
    QTest::addColumn<QChar>("Letter");
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("NewValue"); // the field's value in a new employee
    const QList<QPair<const char *, const char *>> Fields = { { "Boxe_b", "" }, { "Boxd", "" },
        { "Box16a", "0.00" }, { "Boxa", "   -  -    " }, { "Boxf_c", "" } };
    for (const char Letter : QByteArrayLiteral("DEFILNP"))
        for (const auto &[Field, NewValue] : Fields)
            QTest::addRow("Alt+%c in %s", Letter, Field)
                << QChar(QLatin1Char(Letter)) << QString::fromLatin1(Field) << QString::fromLatin1(NewValue);
}

// On X11 an Alt key carries its letter as text. The navigator takes the key
// and moves; the field that keeps the focus shows the employee moved to,
// and neither the record left nor the one shown may get the letter.
void TstFrmW2::altLettersTypeNothing()
{
    QFETCH(QChar, Letter);
    QFETCH(QString, Name);
    QList<EmployeeRecord> Employees = TFormsFixture::Employees(
        { QStringLiteral("Ann Lee"), QStringLiteral("Bob Marsh"), QStringLiteral("Cy Day") });
    for (EmployeeRecord &Employee : Employees) {
        Employee.SetControlNumber(QStringLiteral("AB-12"));
        Employee.SetBox16StateWages_a(250000);
    }
    Open(Employees);
    QTest::mouseClick(W->RSNavigator->NavBtnNext, Qt::LeftButton);
    QVERIFY(EnterField(Field(Name)));
    int Shown = -1; // the position, in Employees, of the employee shown after the key
    switch (Letter.toLatin1()) {
    case 'F':
    case 'P':
        Shown = 0;
        break;
    case 'N':
    case 'L':
        Shown = 2;
        break;
    case 'I':
        // The list is left with Esc: the window stays on Bob.
        WhenModal<TFrmRecList>(
            [](TFrmRecList *List) { QTest::keyClick(List->RecordListBox, Qt::Key_Escape); });
        Shown = 1;
        break;
    case 'D':
        F->Person.AnswerMsgBox(1);
        Employees.removeAt(1);
        Shown = 1;
        break;
    default:
        break;
    }
    const QString Text = Letter.toLower();
    QTest::sendKeyEvent(QTest::Click, Field(Name), Qt::Key(Letter.unicode()), Text, Qt::AltModifier);
    // An amount reads past a stray letter, but the box must not show one.
    if (auto *Amount = qobject_cast<TDollarEdit *>(Field(Name)))
        QVERIFY2(!Amount->text().contains(Text), qPrintable(Amount->text()));
    const EmployeeRecord Working = W->EmployeeFromWindow();
    if (Letter == QLatin1Char('E')) {
        // A new employee: nothing is written for it before it is complete.
        QCOMPARE(Current(), 4);
        QTEST(StoredValue(Working, Name), "NewValue");
        QCOMPARE(F->StoredEmployees().mid(0, 3), Employees);
        return;
    }
    QCOMPARE(StoredValue(Working, Name), StoredValue(Employees.at(Shown), Name));
    QVERIFY(W->close());
    QCOMPARE(F->StoredEmployees(), Employees);
}

void TstFrmW2::navigationChecksAndWrites()
{
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray") });
    Type(QStringLiteral("Boxe_a"), QStringLiteral("Anne"));
    QTest::mouseClick(W->RSNavigator->NavBtnNext, Qt::LeftButton);
    QCOMPARE(Current(), 2);
    QCOMPARE(W->Boxe_a->text(), QStringLiteral("Bob"));
    QCOMPARE(F->StoredEmployees().first().FirstName(), QStringLiteral("Anne"));
    // A failed check keeps the record and the window where they are.
    Type(QStringLiteral("Boxe_b"), QString());
    QTest::mouseClick(W->RSNavigator->NavBtnFirst, Qt::LeftButton);
    QCOMPARE(F->Person.MessageTexts(), QStringList { "Employee's last name is missing." });
    QCOMPARE(Current(), 2);
    QCOMPARE(W->Boxe_a->text(), QStringLiteral("Bob"));
    QTRY_COMPARE(FocusName(), QStringLiteral("Boxe_b"));
    QCOMPARE(F->StoredEmployees().at(1).LastName(), QStringLiteral("Ray"));
}

void TstFrmW2::deleteRunsNoChecks()
{
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray") });
    Type(QStringLiteral("Amount1"), QStringLiteral("0"));
    F->Person.AnswerMsgBox(1);
    QTest::mouseClick(W->RSNavigator->NavBtnDelete, Qt::LeftButton);
    QCOMPARE(
        F->Person.MessageTexts(), QStringList { "Confirm request\rDelete current employee from database?" });
    QCOMPARE(F->Data.RSW2->RecordCount(), 1);
    QCOMPARE(W->EmployeeCount, 1);
    QCOMPARE(W->Boxe_a->text(), QStringLiteral("Bob"));
    QCOMPARE(W->FW2Checked, QList<bool> { true });
    QCOMPARE(EnabledButtons(W->RSNavigator), QStringLiteral("-----E-"));
}

void TstFrmW2::refusedDeleteKeepsWhatIsTyped()
{
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray") });
    Type(QStringLiteral("Boxe_a"), QStringLiteral("Anne"));
    F->Person.AnswerMsgBox(2);
    QTest::mouseClick(W->RSNavigator->NavBtnDelete, Qt::LeftButton);
    QCOMPARE(F->Data.RSW2->RecordCount(), 2);
    QCOMPARE(W->Boxe_a->text(), QStringLiteral("Anne"));
}

void TstFrmW2::newEmployeeGetsTheEmployersState()
{
    OpenNames({ QStringLiteral("Ann Lee") });
    QVERIFY(W->BtnPrintOne->isEnabled());
    QVERIFY(EnterField(W->Boxe_b));
    QTest::keyClick(W->Boxe_b, Qt::Key_E, Qt::AltModifier);
    QCOMPARE(F->Data.RSW2->RecordCount(), 2);
    QCOMPARE(Current(), 2);
    QTRY_COMPARE(FocusName(), QStringLiteral("Boxa"));
    QCOMPARE(W->Box15a->State(), QStringLiteral("IL"));
    QCOMPARE(W->StateID_a->text(), QStringLiteral("12345678"));
    QCOMPARE(W->Boxe_a->text(), QString());
    QCOMPARE(W->Boxa->StoredText(), QStringLiteral("   -  -    "));
    QVERIFY(!W->BtnPrintOne->isEnabled());
    QVERIFY(!W->BtnPrintAll->isEnabled());
    QCOMPARE(W->FW2Checked, (QList<bool> { true, true }));
}

void TstFrmW2::printAllAfterEveryEmployeeWasShown()
{
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray"), QStringLiteral("Cy Day") });
    QVERIFY(W->BtnPrintOne->isEnabled());
    QVERIFY(!W->BtnPrintAll->isEnabled());
    QTest::mouseClick(W->RSNavigator->NavBtnNext, Qt::LeftButton);
    QVERIFY(!W->BtnPrintAll->isEnabled());
    QTest::mouseClick(W->RSNavigator->NavBtnNext, Qt::LeftButton);
    QVERIFY(W->BtnPrintAll->isEnabled());
    // Print All asks for the copy; Cancel prints nothing.
    QTimer::singleShot(0, this, [] {
        QWidget *Window = nullptr;
        QTRY_VERIFY((Window = QApplication::activeModalWidget()) && Window->inherits("TFrmFormType"));
        QTest::mouseClick(Window->findChild<QPushButton *>(QStringLiteral("BtnCancel")), Qt::LeftButton);
    });
    QTest::mouseClick(W->BtnPrintAll, Qt::LeftButton);
    QVERIFY(F->Person.MessageTexts().isEmpty());
    // Print One runs the employee copy: without a report project it says so.
    QTest::mouseClick(W->BtnPrintOne, Qt::LeftButton);
    QCOMPARE(F->Person.MessageTexts().size(), 1);
    QVERIFY2(F->Person.MessageTexts().first().startsWith(QLatin1String("The report project")),
        qPrintable(F->Person.MessageTexts().first()));
}

void TstFrmW2::printButtonsFollowBox1AndBox16()
{
    EmployeeRecord Blank;
    Open({ Blank });
    QVERIFY(!W->BtnPrintOne->isEnabled());
    Type(QStringLiteral("Box16a"), QStringLiteral("10"));
    LeaveField();
    QVERIFY(W->BtnPrintOne->isEnabled());
    QVERIFY(W->BtnPrintAll->isEnabled());
    Type(QStringLiteral("Box16a"), QStringLiteral("0.004"));
    LeaveField();
    QVERIFY(!W->BtnPrintOne->isEnabled());
    QVERIFY(!W->BtnPrintAll->isEnabled());
}

void TstFrmW2::listOrderWithEqualNames()
{
    QList<EmployeeRecord> Employees = TFormsFixture::Employees(
        { QStringLiteral("John Smith"), QStringLiteral("mary adams"), QStringLiteral("John Smith") });
    Employees[2].SetEmployeeSSN(SecondSSN);
    Open(Employees);
    WhenModal<TFrmRecList>([](TFrmRecList *List) {
        QCOMPARE(List->windowTitle(), QStringLiteral("Employee List"));
        QCOMPARE(List->height(), 149);
        QTreeWidget *Box = List->RecordListBox;
        QCOMPARE(Box->topLevelItemCount(), 3);
        QCOMPARE(Box->topLevelItem(0)->text(0) + QLatin1Char(' ') + Box->topLevelItem(0)->text(1),
            QStringLiteral("adams mary"));
        QCOMPARE(Box->topLevelItem(1)->text(0), QStringLiteral("Smith"));
        QCOMPARE(Box->topLevelItem(2)->text(1), QStringLiteral("John"));
        QTest::keyClick(Box, Qt::Key_End);
        QTest::keyClick(Box, Qt::Key_Return);
    });
    QTest::mouseClick(W->RSNavigator->NavBtnList, Qt::LeftButton);
    QCOMPARE(Current(), 3);
    QCOMPARE(W->Boxa->StoredText(), SecondSSN);
    QCOMPARE(W->FW2Checked, (QList<bool> { true, false, true }));
    WhenModal<TFrmRecList>([](TFrmRecList *List) {
        QTest::keyClick(List->RecordListBox, Qt::Key_Home);
        QTest::keyClick(List->RecordListBox, Qt::Key_Down);
        QTest::mouseClick(List->BtnOk, Qt::LeftButton);
    });
    QTest::mouseClick(W->RSNavigator->NavBtnList, Qt::LeftButton);
    QCOMPARE(Current(), 1);
    QCOMPARE(W->Boxa->StoredText(), QStringLiteral("123-45-6780"));
}

void TstFrmW2::listEscapeKeepsTheRecord()
{
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray") });
    QTest::mouseClick(W->RSNavigator->NavBtnNext, Qt::LeftButton);
    WhenModal<TFrmRecList>([](TFrmRecList *List) {
        QTest::keyClick(List->RecordListBox, Qt::Key_Home);
        QTest::keyClick(List->RecordListBox, Qt::Key_Escape);
    });
    QTest::mouseClick(W->RSNavigator->NavBtnList, Qt::LeftButton);
    QCOMPARE(Current(), 2);
    QCOMPARE(W->Boxe_a->text(), QStringLiteral("Bob"));
}

void TstFrmW2::typingANameMarksTheIndexStale()
{
    OpenNames({ QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray") });
    F->Data.RecordIndexDirty = false;
    QTest::mouseClick(W->RSNavigator->NavBtnNext, Qt::LeftButton);
    QVERIFY(!F->Data.RecordIndexDirty);
    Type(QStringLiteral("Boxe_b"), QStringLiteral("Roy"));
    QVERIFY(F->Data.RecordIndexDirty);
}

void TstFrmW2::putThenGetChangesOnlyWhatMay_data()
{
    QTest::addColumn<EmployeeRecord>("Original");
    QTest::addColumn<EmployeeRecord>("Expected");
    EmployeeRecord Full
        = TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee"), 98765.43);
    Full.SetControlNumber(QStringLiteral("C-77"));
    Full.SetSuffix(QStringLiteral("Jr"));
    Full.SetBox2FedIncomeTax(1.01);
    Full.SetBox7SocSecTips(7.07);
    Full.SetBox8AllocatedTips(8.08);
    Full.SetBox9Text(QStringLiteral("kept as it is"));
    Full.SetBox10DependentCare(10.1);
    Full.SetBox11NonqualifiedPlans(11.11);
    Full.SetBox12Code_a(QStringLiteral("D"));
    Full.SetBox12Amt_a(1000);
    Full.SetBox12Code_d(QStringLiteral("dd"));
    Full.SetBox12Amt_d(44.4);
    Full.SetBox13Retirement(true);
    Full.SetBox14Desc_c(QStringLiteral("SDI"));
    Full.SetBox14Amt_c(3.33);
    Full.SetBox15State_b(QStringLiteral("wi"));
    Full.SetStateID_b(QStringLiteral("998877"));
    Full.SetBox16StateWages_b(16.16);
    Full.SetBox17StateTax_b(17.17);
    Full.SetBox18LocalWages_a(18.18);
    Full.SetBox19LocalTax_a(19.19);
    Full.SetBox20Locality_a(QStringLiteral("CHI"));
    // The stored address line is rebuilt; a state is stored as the list has it.
    Full.SetCityStateZip(QStringLiteral("old line"));
    QByteArray WithFiller = Full.Bytes();
    WithFiller.replace(156, 4, "FILL").replace(478, 2, "ZZ");
    Full = EmployeeRecord::FromBytes(WithFiller);
    EmployeeRecord FullExpected = Full;
    FullExpected.SetCityStateZip(QStringLiteral("Springfield IL 62704"));
    FullExpected.SetBox15State_b(QStringLiteral("WI"));
    QTest::newRow("every box") << Full << FullExpected;
    const EmployeeRecord Blank;
    EmployeeRecord BlankExpected = Blank;
    BlankExpected.SetEmployeeSSN(QStringLiteral("   -  -    "));
    BlankExpected.SetCityStateZip(QStringLiteral("  "));
    QTest::newRow("blank record: the empty SSN holds its literals") << Blank << BlankExpected;
    EmployeeRecord Unknown = Full;
    Unknown.SetState(QStringLiteral("ZZ"));
    EmployeeRecord UnknownExpected = FullExpected;
    UnknownExpected.SetState(QString());
    UnknownExpected.SetCityStateZip(QStringLiteral("Springfield  62704"));
    QTest::newRow("state not in the list is saved empty") << Unknown << UnknownExpected;
}

void TstFrmW2::putThenGetChangesOnlyWhatMay()
{
    QFETCH(EmployeeRecord, Original);
    QFETCH(EmployeeRecord, Expected);
    Open({ Original });
    const EmployeeRecord Got = W->EmployeeFromWindow();
    TFormsFixture::ExpectSameFields(Got.Bytes(), Expected.Bytes(), EmployeeRecord::Fields());
    // Filler is written back as it was read.
    QByteArray Rest = Got.Bytes();
    QByteArray OriginalRest = Original.Bytes();
    for (const TFieldDef &Def : EmployeeRecord::Fields()) {
        Rest.replace(Def.Offset, Def.Size(), QByteArray(Def.Size(), '\0'));
        OriginalRest.replace(Def.Offset, Def.Size(), QByteArray(Def.Size(), '\0'));
    }
    QCOMPARE(Rest, OriginalRest);
}

void TstFrmW2::accessibleNames_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Spoken");
    const QList<QPair<const char *, const char *>> Names = { { "Boxa",
                                                                 "Box a Employee's social security number" },
        { "W3Boxe", "Box b Employer identification number (EIN)" },
        { "W3Boxf_a", "Box c Employer's name, address, and ZIP code, line 1" },
        { "W3Boxg_b", "Box c Employer's name, address, and ZIP code, line 4" },
        { "Amount1", "Box 1 Wages, tips, other compensation" },
        { "Amount2", "Box 2 Federal income tax withheld" }, { "Amount3", "Box 3 Social security wages" },
        { "Amount4", "Box 4 Social security tax withheld" }, { "Amount5", "Box 5 Medicare wages and tips" },
        { "Amount6", "Box 6 Medicare tax withheld" }, { "Amount7", "Box 7 Social security tips" },
        { "Amount8", "Box 8 Allocated tips" }, { "Boxd", "Box d Control number" },
        { "Amount10", "Box 10 Dependent care benefits" },
        { "Boxe_a", "Box e Employee's first name and initial" }, { "Boxe_b", "Box e Last name" },
        { "Suffix", "Box e Suffix" }, { "Boxf_a", "Box f Employee's address and ZIP code, street" },
        { "Boxf_c", "Box f Employee's address and ZIP code, state" },
        { "Amount11", "Box 11 Nonqualified plans" }, { "Box12Code_a", "Box 12a code" },
        { "Box12Amt_a", "Box 12a amount" }, { "Box12Code_d", "Box 12d code" },
        { "Box12Amt_d", "Box 12d amount" }, { "Box13a", "Box 13 Statutory employee" },
        { "Box13b", "Box 13 Retirement plan" }, { "Box13c", "Box 13 Third-party sick pay" },
        { "Box14Desc_a", "Box 14 Other, description 1" }, { "Box14Amt_c", "Box 14 Other, amount 3" },
        { "Box15a", "Box 15 State, line 1" }, { "StateID_a", "Box 15 Employer's state ID number, line 1" },
        { "Box16a", "Box 16 State wages, tips, etc., line 1" },
        { "Box17b", "Box 17 State income tax, line 2" },
        { "Box18a", "Box 18 Local wages, tips, etc., line 1" },
        { "Box19b", "Box 19 Local income tax, line 2" }, { "Box20b", "Box 20 Locality name, line 2" },
        { "NavBtnNext", "Next Employee (Alt+N)" }, { "NavBtnFirst", "First Employee (Alt+F)" },
        { "NavBtnPrior", "Prior Employee (Alt+P)" }, { "NavBtnLast", "Last Employee (Alt+L)" },
        { "NavBtnList", "List Employees (Alt+I)" }, { "NavBtnNew", "New Employee (Alt+E)" },
        { "NavBtnDelete", "Delete Employee (Alt+D)" }, { "BtnHelp", "Help with this form" } };
    for (const auto &[Name, Spoken] : Names)
        QTest::newRow(Name) << QString::fromLatin1(Name) << QString::fromUtf8(Spoken);
    QTest::newRow("every field named once") << QString() << QString();
}

void TstFrmW2::accessibleNames()
{
    QFETCH(QString, Name);
    QFETCH(QString, Spoken);
    Open({ TFormsFixture::SampleEmployee(QStringLiteral("Ann"), QStringLiteral("Lee")) });
    if (Name.isEmpty())
        ExpectNamedOnce(QStringLiteral("Box "), 55);
    else
        ExpectSpoken(Name, Spoken);
}

QMRK_GUI_TEST_MAIN(TstFrmW2)
#include "tst_frmw2.moc"
