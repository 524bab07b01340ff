#include "EException.h"
#include "ERecordFileException.h"
#include "QmrkGuiTestMain.h"
#include "TFailingWrites.h"
#include "TFormsFixture.h"
#include "TFrmRecList.h"
#include "TModalDriver.h"
#include "TRSNavigator.h"
#include "TRecordSet.h"

#include <QAccessible>
#include <QHeaderView>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

class TstNavigator : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TFormsFixture> F;
    std::unique_ptr<TRSNavigator> Navigator;

    void Open(int Employees);

private Q_SLOTS:
    void init();
    void cleanup();

    void defaults();
    void hiddenButtonsShrinkTheBar();
    void noRecordSetDisablesEverything();
    void vetoStopsTheAction();
    void raisedErrorIsShownAndStopsTheAction();
    void afterActionFollowsTheMove();
    void listButtonAsksTheOwner();
    void altKeysNeedAnEnabledShownButton_data();
    void altKeysNeedAnEnabledShownButton();
    void listHeights_data();
    void listHeights();
    void listOkAndDoubleClick();
    void listOfOneRecordIsRefused();
    void failedPickKeepsTheShownEmployee();
};

void TstNavigator::init()
{
    F = std::make_unique<TFormsFixture>();
}

void TstNavigator::cleanup()
{
    Navigator.reset();
    const QString Problems = F->Person.Problems();
    F.reset();
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
}

void TstNavigator::Open(int Employees)
{
    QStringList Names = { QStringLiteral("Ann Lee"), QStringLiteral("Bob Ray"), QStringLiteral("Cy Day") };
    F->OpenCompany(TFormsFixture::SampleEmployer(), TFormsFixture::Employees(Names.mid(0, Employees)));
    Navigator = std::make_unique<TRSNavigator>();
    Navigator->SetRecordSet(F->Data.RSW2);
}

void TstNavigator::defaults()
{
    Navigator = std::make_unique<TRSNavigator>();
    QCOMPARE(Navigator->size(), QSize(154, 22));
    QVERIFY(Navigator->AutoPerform());
    QCOMPARE(Navigator->VisibleButtons().count(), size_t(7));
    const QStringList Hints = { "First Record", "Next Record", "Prior Record", "Last Record", "List Records",
        "New Record", "Delete Record" };
    for (int I = 0; I < 7; ++I) {
        QToolButton *Button = Navigator->Button(TNavigationButtons(I));
        QCOMPARE(Button->toolTip(), Hints[I]);
        QCOMPARE(QAccessible::queryAccessibleInterface(Button)->text(QAccessible::Name), Hints[I]);
        QCOMPARE(Button->geometry(), QRect(22 * I, 0, 22, 22));
        QVERIFY(!Button->icon().isNull());
        QCOMPARE(Button->focusPolicy(), Qt::NoFocus);
    }
    Navigator->SetBtnNextHint(QStringLiteral("Next Employee (Alt+N)"));
    QCOMPARE(QAccessible::queryAccessibleInterface(Navigator->NavBtnNext)->text(QAccessible::Name),
        QStringLiteral("Next Employee (Alt+N)"));
}

void TstNavigator::hiddenButtonsShrinkTheBar()
{
    Navigator = std::make_unique<TRSNavigator>();
    TNavBtns Shown;
    Shown.set().reset(nbList).reset(nbNew).reset(nbDelete);
    Navigator->SetVisibleButtons(Shown);
    QCOMPARE(Navigator->width(), 88);
    QVERIFY(Navigator->NavBtnList->isHidden());
    QCOMPARE(Navigator->NavBtnLast->geometry(), QRect(66, 0, 22, 22));
}

void TstNavigator::noRecordSetDisablesEverything()
{
    Open(3);
    Navigator->SetAutoPerform(false);
    for (int I = 0; I < 7; ++I)
        QVERIFY(!Navigator->Button(TNavigationButtons(I))->isEnabled());
    Navigator->Click(nbNext);
    QCOMPARE(F->Data.RSW2->CurrentRecord(), 1);
}

void TstNavigator::vetoStopsTheAction()
{
    Open(3);
    int After = 0;
    Navigator->OnBeforeAction = [](TRSNavigator *Sender) { Sender->Cancel(); };
    Navigator->OnAfterAction = [&After](TRSNavigator *) { ++After; };
    QTest::mouseClick(Navigator->NavBtnNext, Qt::LeftButton);
    QCOMPARE(F->Data.RSW2->CurrentRecord(), 1);
    QCOMPARE(After, 0);
    // The veto is used up: the next click goes through.
    Navigator->OnBeforeAction = nullptr;
    QTest::mouseClick(Navigator->NavBtnNext, Qt::LeftButton);
    QCOMPARE(F->Data.RSW2->CurrentRecord(), 2);
    QCOMPARE(After, 1);
}

void TstNavigator::raisedErrorIsShownAndStopsTheAction()
{
    Open(3);
    Navigator->OnBeforeAction = [](TRSNavigator *) { throw EException(QStringLiteral("Not now.")); };
    QTest::mouseClick(Navigator->NavBtnLast, Qt::LeftButton);
    QCOMPARE(F->Data.RSW2->CurrentRecord(), 1);
    QCOMPARE(F->Person.MessageTexts(), QStringList { "Not now." });
    QCOMPARE(F->Person.MessageBoxes().first().Flags, 16);
}

void TstNavigator::afterActionFollowsTheMove()
{
    Open(3);
    QList<TButtonAction> Actions;
    Navigator->OnAfterAction = [&Actions](TRSNavigator *Sender) { Actions.append(Sender->Action()); };
    QTest::mouseClick(Navigator->NavBtnLast, Qt::LeftButton);
    QTest::mouseClick(Navigator->NavBtnPrior, Qt::LeftButton);
    QTest::mouseClick(Navigator->NavBtnFirst, Qt::LeftButton);
    QTest::mouseClick(Navigator->NavBtnNew, Qt::LeftButton);
    QCOMPARE(Actions, (QList<TButtonAction> { baLast, baPrior, baFirst, baNew }));
    QCOMPARE(F->Data.RSW2->RecordCount(), 4);
    QCOMPARE(F->Data.RSW2->CurrentRecord(), 4);
    QVERIFY(!Navigator->NavBtnNext->isEnabled());
    F->Person.AnswerMsgBox(1);
    QTest::mouseClick(Navigator->NavBtnDelete, Qt::LeftButton);
    QCOMPARE(F->Data.RSW2->RecordCount(), 3);
    QCOMPARE(Actions.last(), baDelete);
}

void TstNavigator::listButtonAsksTheOwner()
{
    Open(3);
    int Asked = 0;
    Navigator->OnBtnListClick = [&Asked](TRSNavigator *) { ++Asked; };
    QTest::mouseClick(Navigator->NavBtnList, Qt::LeftButton);
    QCOMPARE(Asked, 1);
    QCOMPARE(F->Data.RSW2->CurrentRecord(), 1);
}

void TstNavigator::altKeysNeedAnEnabledShownButton_data()
{
    QTest::addColumn<int>("Key");
    QTest::addColumn<int>("Modifiers");
    QTest::addColumn<bool>("HideNext");
    QTest::addColumn<int>("Record");
    QTest::newRow("Alt+N") << int(Qt::Key_N) << int(Qt::AltModifier) << false << 2;
    QTest::newRow("Alt+N with Next hidden") << int(Qt::Key_N) << int(Qt::AltModifier) << true << 1;
    QTest::newRow("Ctrl+N") << int(Qt::Key_N) << int(Qt::ControlModifier) << false << 1;
    QTest::newRow("Alt+Shift+N") << int(Qt::Key_N) << int(Qt::AltModifier | Qt::ShiftModifier) << false << 1;
    QTest::newRow("N alone") << int(Qt::Key_N) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Alt+L") << int(Qt::Key_L) << int(Qt::AltModifier) << false << 3;
    QTest::newRow("Alt+F on record 1") << int(Qt::Key_F) << int(Qt::AltModifier) << false << 1;
}

void TstNavigator::altKeysNeedAnEnabledShownButton()
{
    QFETCH(int, Key);
    QFETCH(int, Modifiers);
    QFETCH(bool, HideNext);
    Open(3);
    if (HideNext)
        Navigator->SetVisibleButtons(TNavBtns().set().reset(nbNext));
    Navigator->KeyDownHandler(Key, Qt::KeyboardModifiers(Modifiers));
    QTEST(F->Data.RSW2->CurrentRecord(), "Record");
}

void TstNavigator::listHeights_data()
{
    QTest::addColumn<int>("Count");
    QTest::addColumn<int>("Window");
    QTest::addColumn<int>("List");
    const int Rows[][3] = { { 2, 141, 33 }, { 3, 149, 43 }, { 4, 161, 57 }, { 5, 173, 70 }, { 6, 185, 82 },
        { 7, 200, 97 }, { 8, 213, 110 }, { 9, 226, 121 }, { 10, 237, 134 }, { 12, 237, 134 } };
    for (const auto &Row : Rows)
        QTest::newRow(qPrintable(QStringLiteral("%1 employees").arg(Row[0]))) << Row[0] << Row[1] << Row[2];
}

void TstNavigator::listHeights()
{
    QFETCH(int, Count);
    QStringList Names;
    for (int I = 0; I < Count; ++I)
        Names.append(QStringLiteral("Name%1\tFirst").arg(I, 2, 10, QLatin1Char('0')));
    TFrmRecList List(Names);
    QTEST(List.height(), "Window");
    QTEST(List.RecordListBox->height() - List.RecordListBox->header()->sizeHint().height(), "List");
    QCOMPARE(List.RecordListBox->topLevelItemCount(), Count);
    QCOMPARE(List.RecordListBox->header()->sectionSize(0), 115);
    WhenModal<TFrmRecList>([](TFrmRecList *Shown) { QTest::keyClick(Shown->RecordListBox, Qt::Key_Escape); });
    List.exec();
    QCOMPARE(List.Selected, -1);
}

void TstNavigator::listOkAndDoubleClick()
{
    const QStringList Names = { QStringLiteral("adams\tmary"), QStringLiteral("Smith\tJohn ") };
    TFrmRecList List(Names);
    QCOMPARE(List.RecordListBox->topLevelItem(1)->text(1), QStringLiteral("John"));
    // Ok with no line chosen chooses nothing.
    WhenModal<TFrmRecList>([](TFrmRecList *Shown) { QTest::mouseClick(Shown->BtnOk, Qt::LeftButton); });
    List.exec();
    QCOMPARE(List.Selected, -1);
    WhenModal<TFrmRecList>([](TFrmRecList *Shown) {
        QTreeWidget *Box = Shown->RecordListBox;
        const QPoint Spot = Box->visualItemRect(Box->topLevelItem(1)).center();
        QTest::mouseClick(Box->viewport(), Qt::LeftButton, {}, Spot);
        QTest::mouseDClick(Box->viewport(), Qt::LeftButton, {}, Spot);
    });
    List.exec();
    QCOMPARE(List.Selected, 1);
}

void TstNavigator::listOfOneRecordIsRefused()
{
    Open(1);
    F->Data.CurrentEmployee.SetFirstName(QStringLiteral("unchanged"));
    TFrmRecList::ShowEmployeeList(F->Data);
    QCOMPARE(F->Person.MessageTexts(),
        QStringList { "The list window is not available when\rthere is only 1 record in the database" });
    QCOMPARE(F->Person.MessageBoxes().first().Flags, 0);
    QCOMPARE(F->Data.CurrentEmployee.FirstName(), QStringLiteral("unchanged"));
}

// A pick from the list whose read fails leaves the window on the employee it
// showed: the next post writes that employee back to its own record.
void TstNavigator::failedPickKeepsTheShownEmployee()
{
    Open(3);
    const QList<EmployeeRecord> Before = F->StoredEmployees();
    QCOMPARE(F->Data.RSW2->CurrentRecord(), 1);
    EmployeeRecord Shown = F->Data.CurrentEmployee;
    Shown.SetFirstName(QStringLiteral("Edited"));
    TRecordSet &RSW2 = *F->Data.RSW2;
    WhenModal<TFrmRecList>([&RSW2](TFrmRecList *List) {
        QVERIFY(MakeReadsFail(RSW2));
        QTreeWidget *Box = List->RecordListBox;
        QTreeWidgetItem *Line = Box->topLevelItem(Box->topLevelItemCount() - 1);
        const QPoint Spot = Box->visualItemRect(Line).center();
        QTest::mouseClick(Box->viewport(), Qt::LeftButton, {}, Spot);
        QTest::mouseDClick(Box->viewport(), Qt::LeftButton, {}, Spot);
    });
    bool Raised = false;
    try {
        TFrmRecList::ShowEmployeeList(F->Data);
    } catch (const ERecordFileException &) {
        Raised = true;
    }
    QVERIFY(Raised);
    QCOMPARE(RSW2.CurrentRecord(), 1);

    QVERIFY(RestoreReads(RSW2));
    F->Data.CurrentEmployee = Shown;
    RSW2.PostRec();
    const QList<EmployeeRecord> After = F->StoredEmployees();
    QCOMPARE(After.size(), 3);
    QCOMPARE(After[0].Bytes(), Shown.Bytes());
    QCOMPARE(After[1].Bytes(), Before[1].Bytes());
    QCOMPARE(After[2].Bytes(), Before[2].Bytes());
}

QMRK_GUI_TEST_MAIN(TstNavigator)
#include "tst_navigator.moc"
