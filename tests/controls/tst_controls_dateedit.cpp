#include "AppInfo.h"
#include "FieldColors.h"
#include "MsgBox.h"
#include "QmrkGuiTestMain.h"
#include "TClock.h"
#include "TControlHost.h"
#include "TDateEdit.h"
#include "TFrmCalendar.h"
#include "TScriptedInteraction.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

const QString Empty = QStringLiteral("  /  /    ");

QString NotValid(const QString &Text)
{
    return Text + QStringLiteral(" is not a valid date.");
}

QTableView *GridOf(TFrmCalendar *Calendar)
{
    return Calendar->Calendar->findChild<QTableView *>();
}

// The cell of the grid showing Day of the month shown.
QModelIndex DayCell(QTableView *Grid, int Day)
{
    const QAbstractItemModel *Model = Grid->model();
    for (int Row = 0; Row < Model->rowCount(); ++Row)
        for (int Column = 0; Column < Model->columnCount(); ++Column) {
            const QModelIndex Cell = Model->index(Row, Column);
            if (Model->data(Cell).toString() == QString::number(Day))
                return Cell;
        }
    return QModelIndex();
}

} // namespace

class TstControlsDateEdit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void defaults();
    void keys_data();
    void keys();
    void readOnlyTakesNoCommand();
    void typingAnInvalidDate();
    void leaving_data();
    void leaving();
    void invalidDateThatCannotTakeTheFocus();
    void calendarPasteAndCancel_data();
    void calendarPasteAndCancel();
    void calendarMoves_data();
    void calendarMoves();
    void calendarDoubleClickOnADayPastes();
    void doubleClickOpensTheCalendar();

private:
    TDateEdit *MakeEdit(const QString &Text);

    TScriptedInteraction *FPerson = nullptr;
    TControlHost *FHost = nullptr;
    TDateEdit *FEdit = nullptr;
};

void TstControlsDateEdit::initTestCase()
{
    // A Wednesday.
    TClock::SetToday(QDate(2025, 5, 14));
}

void TstControlsDateEdit::cleanupTestCase()
{
    TClock::SetToday(QDate());
}

void TstControlsDateEdit::init()
{
    FPerson = new TScriptedInteraction;
    FHost = new TControlHost;
}

void TstControlsDateEdit::cleanup()
{
    delete FHost;
    FHost = nullptr;
    FEdit = nullptr;
    QVERIFY2(FPerson->Problems().isEmpty(), qPrintable(FPerson->Problems()));
    delete FPerson;
    FPerson = nullptr;
}

TDateEdit *TstControlsDateEdit::MakeEdit(const QString &Text)
{
    FEdit = new TDateEdit;
    FEdit->setObjectName(QStringLiteral("W3Date"));
    FEdit->setAccessibleName(QStringLiteral("Date"));
    FEdit->SetText(Text);
    FHost->AddWidget(FEdit);
    if (!FHost->ShowActive())
        qWarning("the test window did not become active");
    // An invalid start text has been reported once already.
    FPerson->Clear();
    return FEdit;
}

void TstControlsDateEdit::defaults()
{
    TDateEdit Edit;
    QCOMPARE(Edit.Text(), Empty);
    QCOMPARE(Edit.size().width(), 75);
    QCOMPARE(Edit.Alignment(), TAlignment::LeftJustify);
    QCOMPARE(Edit.maxLength(), 10);
    QCOMPARE(Edit.EditMask(), QStringLiteral("99/99/9999"));
    QVERIFY(!Edit.testAttribute(Qt::WA_InputMethodEnabled));
}

void TstControlsDateEdit::keys_data()
{
    QTest::addColumn<QString>("Start");
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QString>("Text");
    QTest::newRow("+ on empty gives tomorrow") << Empty << "+"
                                               << "05/15/2025";
    QTest::newRow("- on empty gives yesterday") << Empty << "-"
                                                << "05/13/2025";
    QTest::newRow("T gives today") << Empty << "T"
                                   << "05/14/2025";
    QTest::newRow("t replaces a date") << "01/02/2020"
                                       << "t"
                                       << "05/14/2025";
    QTest::newRow("++ two days on") << "12/31/2025"
                                    << "++"
                                    << "01/02/2026";
    QTest::newRow("H Jan 31 to Feb 28") << "01/31/2025"
                                        << "H"
                                        << "02/28/2025";
    QTest::newRow("H again to Mar 31") << "01/31/2025"
                                       << "HH"
                                       << "03/31/2025";
    QTest::newRow("H leap year") << "02/15/2024"
                                 << "h"
                                 << "02/29/2024";
    QTest::newRow("H Feb 29 to Mar 31") << "02/29/2024"
                                        << "H"
                                        << "03/31/2024";
    QTest::newRow("H Dec 31 to next Jan 31") << "12/31/2025"
                                             << "H"
                                             << "01/31/2026";
    QTest::newRow("H on empty from today") << Empty << "H"
                                           << "05/31/2025";
    QTest::newRow("R Dec 31 to next Dec 31") << "12/31/2025"
                                             << "R"
                                             << "12/31/2026";
    QTest::newRow("R to the year end") << "03/05/2025"
                                       << "r"
                                       << "12/31/2025";
    QTest::newRow("Y Jan 1 to last Jan 1") << "01/01/2025"
                                           << "Y"
                                           << "01/01/2024";
    QTest::newRow("Y to Jan 1") << "03/05/2025"
                                << "y"
                                << "01/01/2025";
    QTest::newRow("M first of last month") << "05/01/2025"
                                           << "M"
                                           << "04/01/2025";
    QTest::newRow("M to the first") << "05/14/2025"
                                    << "m"
                                    << "05/01/2025";
    QTest::newRow("W to Sunday") << "05/14/2025"
                                 << "W"
                                 << "05/11/2025";
    QTest::newRow("W Sunday a week back") << "05/11/2025"
                                          << "w"
                                          << "05/04/2025";
    QTest::newRow("K to Saturday") << "05/14/2025"
                                   << "K"
                                   << "05/17/2025";
    QTest::newRow("K Saturday a week on") << "05/17/2025"
                                          << "k"
                                          << "05/24/2025";
    QTest::newRow("commands leave an invalid text") << "13/45/2025"
                                                    << "+-MHYRWK"
                                                    << "13/45/2025";
    QTest::newRow("other letters do nothing") << "05/14/2025"
                                              << "xZ/"
                                              << "05/14/2025";
    QTest::newRow("digits fill the mask") << Empty << "12312025"
                                          << "12/31/2025";
    QTest::newRow("digits replace a date") << "05/14/2025"
                                           << "0704"
                                           << "07/04/    ";
}

void TstControlsDateEdit::keys()
{
    QFETCH(QString, Start);
    QFETCH(QString, Keys);
    QFETCH(QString, Text);
    MakeEdit(Start);
    FHost->Enter(FEdit);
    QCOMPARE(FEdit->selectedText(), FEdit->displayText());
    const bool Opened = RunWithoutModal([&] { TypeKeys(FEdit, Keys); });
    QVERIFY2(!Opened, "a calendar opened");
    QCOMPARE(FEdit->Text(), Text);
    QCOMPARE(FPerson->MessageTexts(), QStringList());
}

void TstControlsDateEdit::readOnlyTakesNoCommand()
{
    MakeEdit(QStringLiteral("05/14/2025"));
    FEdit->setReadOnly(true);
    FHost->Enter(FEdit);
    QVERIFY(!RunWithoutModal([&] { TypeKeys(FEdit, QStringLiteral("+TMc1")); }));
    QVERIFY(!RunWithoutModal([&] { QTest::mouseDClick(FEdit, Qt::LeftButton); }));
    QCOMPARE(FEdit->Text(), QStringLiteral("05/14/2025"));
}

void TstControlsDateEdit::typingAnInvalidDate()
{
    MakeEdit(Empty);
    FHost->Enter(FEdit);
    TypeKeys(FEdit, QStringLiteral("1345202"));
    QCOMPARE(FEdit->Text(), QStringLiteral("13/45/202 "));
    QVERIFY(FPerson->MessageTexts().isEmpty());
    TypeKeys(FEdit, QStringLiteral("5"));
    QCOMPARE(FEdit->Text(), QStringLiteral("13/45/2025"));
    QCOMPARE(FPerson->MessageTexts(), QStringList { NotValid(QStringLiteral("13/45/2025")) });
    QCOMPARE(FPerson->MessageBoxes().first().Flags, MsgFlag::IconError);
    QCOMPARE(FPerson->MessageBoxes().first().Caption, AppTitle());
    QVERIFY(FEdit->hasFocus());

    FHost->LeaveByTab();
    QCOMPARE(FPerson->MessageTexts().size(), 2);
    QCOMPARE(FPerson->MessageTexts().last(), NotValid(QStringLiteral("13/45/2025")));
    QVERIFY(FEdit->hasFocus());
    QVERIFY(!FHost->Spare->hasFocus());
    QCOMPARE(FEdit->selectedText(), FEdit->displayText());

    TypeKeys(FEdit, QStringLiteral("12312025"));
    FHost->LeaveByTab();
    QVERIFY(FHost->Spare->hasFocus());
    QCOMPARE(FEdit->Text(), QStringLiteral("12/31/2025"));
    QCOMPARE(FPerson->MessageTexts().size(), 2);
}

void TstControlsDateEdit::leaving_data()
{
    QTest::addColumn<QString>("Start");
    QTest::addColumn<QString>("Keys");
    QTest::addColumn<QStringList>("Messages");
    QTest::newRow("empty is accepted") << Empty << "" << QStringList();
    QTest::newRow("a valid date is accepted") << "02/29/2024"
                                              << "" << QStringList();
    QTest::newRow("a partial date is refused")
        << Empty << "12{Right}{Right}2025"
        << QStringList { NotValid(QStringLiteral("12/  /2025")), NotValid(QStringLiteral("12/  /2025")) };
    QTest::newRow("a short partial date is refused")
        << Empty << "1231" << QStringList { NotValid(QStringLiteral("12/31/    ")) };
    QTest::newRow("a date that does not exist is refused")
        << Empty << "02292025"
        << QStringList { NotValid(QStringLiteral("02/29/2025")), NotValid(QStringLiteral("02/29/2025")) };
}

void TstControlsDateEdit::leaving()
{
    QFETCH(QString, Start);
    QFETCH(QString, Keys);
    QFETCH(QStringList, Messages);
    MakeEdit(Start);
    FHost->Enter(FEdit);
    TypeKeys(FEdit, Keys);
    FHost->LeaveByTab();
    QCOMPARE(FPerson->MessageTexts(), Messages);
    QCOMPARE(FEdit->hasFocus(), !Messages.isEmpty());
    QCOMPARE(FHost->Spare->hasFocus(), Messages.isEmpty());
}

void TstControlsDateEdit::invalidDateThatCannotTakeTheFocus()
{
    MakeEdit(QStringLiteral("12/  /2025"));
    FHost->Enter(FEdit);
    FEdit->setEnabled(false);
    QCOMPARE(FPerson->MessageTexts(),
        (QStringList { NotValid(QStringLiteral("12/  /2025")),
            QStringLiteral("A non fatal error has occured in the program.\rClick on OK to continue.") }));
}

void TstControlsDateEdit::calendarPasteAndCancel_data()
{
    QTest::addColumn<QString>("Start");
    QTest::addColumn<QString>("Heading");
    QTest::addColumn<QString>("Button");
    QTest::addColumn<QString>("Text");
    QTest::newRow("next month and paste") << "03/15/2025"
                                          << "March, 2025"
                                          << "BtnPasteDate"
                                          << "04/15/2025";
    QTest::newRow("next month and cancel") << "03/15/2025"
                                           << "March, 2025"
                                           << "BtnCancel"
                                           << "03/15/2025";
    QTest::newRow("next month and Esc") << "03/15/2025"
                                        << "March, 2025"
                                        << "Esc"
                                        << "03/15/2025";
    QTest::newRow("next month and Enter pastes") << "03/15/2025"
                                                 << "March, 2025"
                                                 << "Enter"
                                                 << "04/15/2025";
    QTest::newRow("an empty field starts at today") << Empty << "May, 2025"
                                                    << "BtnPasteDate"
                                                    << "06/14/2025";
    QTest::newRow("an invalid date starts at today") << "13/45/2025"
                                                     << "May, 2025"
                                                     << "BtnPasteDate"
                                                     << "06/14/2025";
    QTest::newRow("the day is cut to the month's end") << "01/31/2025"
                                                       << "January, 2025"
                                                       << "BtnPasteDate"
                                                       << "02/28/2025";
}

void TstControlsDateEdit::calendarPasteAndCancel()
{
    QFETCH(QString, Start);
    QFETCH(QString, Heading);
    QFETCH(QString, Button);
    QFETCH(QString, Text);
    MakeEdit(Start);
    FHost->Enter(FEdit);
    const QColor Before = FEdit->Color();
    bool Seen = false;
    WhenModalShows([&](QWidget *Modal) {
        auto *Calendar = qobject_cast<TFrmCalendar *>(Modal);
        QVERIFY(Calendar);
        Seen = true;
        QCOMPARE(Calendar->windowTitle(), QStringLiteral("CALENDAR"));
        QCOMPARE(Calendar->Panel->text(), Heading);
        QCOMPARE(Calendar->Calendar->firstDayOfWeek(), Qt::Sunday);
        QVERIFY(!Calendar->Paste());
        QVERIFY(Calendar->BtnPasteDate->isDefault());
        QCOMPARE(Calendar->BtnPasteDate->text(), QStringLiteral("Paste &Date"));
        QCOMPARE(FEdit->Color(), PopupOpenColor());
        QTest::mouseClick(Calendar->BtnNext, Qt::LeftButton);
        if (Button == QLatin1String("Esc"))
            QTest::keyClick(Calendar, Qt::Key_Escape);
        else if (Button == QLatin1String("Enter"))
            QTest::keyClick(GridOf(Calendar), Qt::Key_Return);
        else
            QTest::mouseClick(Calendar->findChild<QPushButton *>(Button), Qt::LeftButton);
    });
    QTest::keyClick(FEdit, 'c');
    QVERIFY(Seen);
    QCOMPARE(FEdit->Text(), Text);
    QCOMPARE(FEdit->Color(), Before);
    QCOMPARE(FPerson->MessageTexts(), QStringList());
}

void TstControlsDateEdit::calendarMoves_data()
{
    QTest::addColumn<QString>("Start");
    QTest::addColumn<QString>("Moves");
    QTest::addColumn<QString>("Date");
    QTest::addColumn<QString>("Heading");
    QTest::newRow("next button") << "05/14/2025"
                                 << ">"
                                 << "06/14/2025"
                                 << "June, 2025";
    QTest::newRow("prior button") << "05/14/2025"
                                  << "<"
                                  << "04/14/2025"
                                  << "April, 2025";
    QTest::newRow("Page Down") << "05/14/2025"
                               << "D"
                               << "06/14/2025"
                               << "June, 2025";
    QTest::newRow("Page Up across the year") << "01/14/2025"
                                             << "U"
                                             << "12/14/2024"
                                             << "December, 2024";
    QTest::newRow("Alt+Page Up a year back") << "05/14/2025"
                                             << "u"
                                             << "05/14/2024"
                                             << "May, 2024";
    QTest::newRow("Alt+Page Down a year on") << "05/14/2025"
                                             << "d"
                                             << "05/14/2026"
                                             << "May, 2026";
    QTest::newRow("leap day a year on") << "02/29/2024"
                                        << "d"
                                        << "02/28/2025"
                                        << "February, 2025";
    QTest::newRow("day kept where it can be") << "01/31/2025"
                                              << ">>"
                                              << "03/28/2025"
                                              << "March, 2025";
    QTest::newRow("back to leap February") << "03/31/2024"
                                           << "<"
                                           << "02/29/2024"
                                           << "February, 2024";
}

void TstControlsDateEdit::calendarMoves()
{
    QFETCH(QString, Start);
    QFETCH(QString, Moves);
    QFETCH(QString, Date);
    QFETCH(QString, Heading);
    TFrmCalendar Calendar;
    Calendar.PutDate(Start);
    Calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Calendar));
    QTableView *Grid = GridOf(&Calendar);
    QVERIFY(Grid);
    for (const QChar Move : Moves) {
        switch (Move.unicode()) {
        case '>':
            QTest::mouseClick(Calendar.BtnNext, Qt::LeftButton);
            break;
        case '<':
            QTest::mouseClick(Calendar.BtnPrior, Qt::LeftButton);
            break;
        case 'D':
            QTest::keyClick(Grid, Qt::Key_PageDown);
            break;
        case 'U':
            QTest::keyClick(Grid, Qt::Key_PageUp);
            break;
        case 'd':
            QTest::keyClick(Grid, Qt::Key_PageDown, Qt::AltModifier);
            break;
        case 'u':
            QTest::keyClick(Grid, Qt::Key_PageUp, Qt::AltModifier);
            break;
        }
    }
    QCOMPARE(Calendar.GetDate(), Date);
    QCOMPARE(Calendar.Panel->text(), Heading);
    QVERIFY(!Calendar.Paste());
}

void TstControlsDateEdit::calendarDoubleClickOnADayPastes()
{
    MakeEdit(QStringLiteral("05/14/2025"));
    FHost->Enter(FEdit);
    WhenModalShows([&](QWidget *Modal) {
        auto *Calendar = qobject_cast<TFrmCalendar *>(Modal);
        QVERIFY(Calendar);
        QTableView *Grid = GridOf(Calendar);
        const QModelIndex Cell = DayCell(Grid, 20);
        QVERIFY(Cell.isValid());
        const QPoint Centre = Grid->visualRect(Cell).center();
        QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Centre);
        QTest::mouseDClick(Grid->viewport(), Qt::LeftButton, {}, Centre);
    });
    QTest::keyClick(FEdit, 'C');
    QCOMPARE(FEdit->Text(), QStringLiteral("05/20/2025"));
}

void TstControlsDateEdit::doubleClickOpensTheCalendar()
{
    MakeEdit(QStringLiteral("05/14/2025"));
    FHost->Enter(FEdit);
    bool Seen = false;
    WhenModalShows([&](QWidget *Modal) {
        Seen = qobject_cast<TFrmCalendar *>(Modal) != nullptr;
        QTest::keyClick(Modal, Qt::Key_Escape);
    });
    QTest::mouseDClick(FEdit, Qt::LeftButton);
    QVERIFY(Seen);
    QCOMPARE(FEdit->Text(), QStringLiteral("05/14/2025"));
}

QMRK_GUI_TEST_MAIN(TstControlsDateEdit)
#include "tst_controls_dateedit.moc"
