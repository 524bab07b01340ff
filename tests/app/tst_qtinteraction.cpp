#include "AppInfo.h"
#include "ECustomException.h"
#include "MsgBox.h"
#include "QmrkGuiTestMain.h"
#include "TFrmMsgWin.h"
#include "TModalDriver.h"
#include "TPasswordDlg.h"
#include "TQtInteraction.h"
#include "TScriptedInteraction.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace {

// Runs Act on the message box once it is up, from inside its event loop.
void WhenBoxShows(const std::function<void(QMessageBox *)> &Act)
{
    QTimer::singleShot(0, [Act] {
        QMessageBox *Box = nullptr;
        QTRY_VERIFY((Box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())));
        Act(Box);
    });
}

int WaitWindows()
{
    const QWidgetList Windows = QApplication::topLevelWidgets();
    return int(std::count_if(Windows.begin(), Windows.end(),
        [](QWidget *Window) { return qobject_cast<TFrmMsgWin *>(Window) != nullptr; }));
}

// An object whose event handler fails the way a command does.
class TFailingCommand : public QObject {
public:
    bool event(QEvent *Event) override
    {
        if (Event->type() == QEvent::User)
            throw ECustomException(QStringLiteral("The command failed.\rSecond line."));
        return QObject::event(Event);
    }
};

} // namespace

class TstQtInteraction : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageBoxes_data();
    void messageBoxes();
    void tildeBecomesALineBreak();
    void aLongTextKeepsTheButtonsOnTheScreen();
    void passwordPrompt_data();
    void passwordPrompt();
    void altKeysTypeNothingInThePrompt_data();
    void altKeysTypeNothingInThePrompt();
    void waitWindow();
    void waitCursorNests();
    void unhandledErrorsShowAnErrorBox();
};

void TstQtInteraction::messageBoxes_data()
{
    using B = QMessageBox::StandardButton;
    QTest::addColumn<int>("Flags");
    QTest::addColumn<int>("Icon");
    QTest::addColumn<QList<int>>("Buttons");
    QTest::addColumn<int>("DefaultButton");
    QTest::addColumn<int>("EscAnswer");
    QTest::addColumn<int>("ClickedButton");
    QTest::addColumn<int>("ClickAnswer");
    const QList<int> Ok = { B::Ok };
    const QList<int> OkCancel = { B::Ok, B::Cancel };
    const QList<int> YesNo = { B::Yes, B::No };
    QTest::newRow("0 OK, no icon") << 0 << int(QMessageBox::NoIcon) << Ok << int(B::Ok) << 1 << int(B::Ok)
                                   << 1;
    QTest::newRow("16 OK, error") << 16 << int(QMessageBox::Critical) << Ok << int(B::Ok) << 1 << int(B::Ok)
                                  << 1;
    QTest::newRow("48 OK, warning") << 48 << int(QMessageBox::Warning) << Ok << int(B::Ok) << 1 << int(B::Ok)
                                    << 1;
    QTest::newRow("64 OK, information")
        << 64 << int(QMessageBox::Information) << Ok << int(B::Ok) << 1 << int(B::Ok) << 1;
    QTest::newRow("33 OK/Cancel, OK default")
        << 33 << int(QMessageBox::Question) << OkCancel << int(B::Ok) << 2 << int(B::Ok) << 1;
    QTest::newRow("289 OK/Cancel, Cancel default")
        << 289 << int(QMessageBox::Question) << OkCancel << int(B::Cancel) << 2 << int(B::Ok) << 1;
    QTest::newRow("292 Yes/No, No default")
        << 292 << int(QMessageBox::Question) << YesNo << int(B::No) << 7 << int(B::Yes) << 6;
    QTest::newRow("308 Yes/No warning, No default")
        << 308 << int(QMessageBox::Warning) << YesNo << int(B::No) << 7 << int(B::No) << 7;
}

void TstQtInteraction::messageBoxes()
{
    QFETCH(int, Flags);
    QFETCH(int, Icon);
    QFETCH(QList<int>, Buttons);
    QFETCH(int, DefaultButton);
    QFETCH(int, EscAnswer);
    QFETCH(int, ClickedButton);
    QFETCH(int, ClickAnswer);
    TQtInteraction Interaction;

    QString Seen;
    WhenBoxShows([&](QMessageBox *Box) {
        QCOMPARE(int(Box->icon()), Icon);
        QList<int> Shown;
        for (QAbstractButton *Button : Box->buttons())
            Shown << int(Box->standardButton(Button));
        std::sort(Shown.begin(), Shown.end());
        QList<int> Expected = Buttons;
        std::sort(Expected.begin(), Expected.end());
        QCOMPARE(Shown, Expected);
        QCOMPARE(int(Box->standardButton(Box->defaultButton())), DefaultButton);
        Seen = Box->windowTitle() + QLatin1Char('|') + Box->text();
        QTest::keyClick(Box, Qt::Key_Escape);
    });
    QCOMPARE(MsgBox(QStringLiteral("Question?"), QStringLiteral("Payroll"), Flags), EscAnswer);
    QCOMPARE(Seen, QStringLiteral("Payroll|Question?"));

    WhenBoxShows([&](QMessageBox *Box) {
        QTest::mouseClick(Box->button(QMessageBox::StandardButton(ClickedButton)), Qt::LeftButton);
    });
    QCOMPARE(MsgBox(QStringLiteral("Question?"), QStringLiteral("Payroll"), Flags), ClickAnswer);

    // Enter takes the default button.
    WhenBoxShows([](QMessageBox *Box) { QTest::keyClick(Box, Qt::Key_Return); });
    const int EnterAnswer = MsgBox(QStringLiteral("Question?"), QStringLiteral("Payroll"), Flags);
    QCOMPARE(EnterAnswer,
        DefaultButton == QMessageBox::Ok           ? 1
            : DefaultButton == QMessageBox::Cancel ? 2
                                                   : 7);
}

void TstQtInteraction::tildeBecomesALineBreak()
{
    TQtInteraction Interaction;
    QString Text;
    WhenBoxShows([&](QMessageBox *Box) {
        Text = Box->text();
        Box->accept();
    });
    MsgBox(QStringLiteral("First line~Second line"), AppTitle(), 64);
    QCOMPARE(Text, QStringLiteral("First line\nSecond line"));
}

// A question after thousands of findings: the box still fits the screen,
// shows the question, keeps every line under Show Details... and answers
// as any other.
void TstQtInteraction::aLongTextKeepsTheButtonsOnTheScreen()
{
    TQtInteraction Interaction;
    QStringList Lines;
    for (int I = 1; I <= 500; ++I)
        Lines.append(QStringLiteral("Notice: employee record %1 (A B, ***-**-0001): a finding").arg(I));
    const QString Question = QStringLiteral("Findings:~~") + Lines.join(QLatin1Char('~'))
        + QStringLiteral("~~Write the EFW2 file anyway?");
    int Height = 0;
    QString Text, Details;
    int Default = 0;
    WhenBoxShows([&](QMessageBox *Box) {
        Height = Box->sizeHint().height();
        Text = Box->text();
        Details = Box->detailedText();
        Default = int(Box->standardButton(Box->defaultButton()));
        QTest::mouseClick(Box->button(QMessageBox::Yes), Qt::LeftButton);
    });
    QCOMPARE(MsgBox(Question, AppTitle(), MsgFlag::YesNo | MsgFlag::IconWarning | MsgFlag::DefaultButton2),
        int(MsgResult::Yes));
    QVERIFY2(Height < 800, qPrintable(QString::number(Height)));
    QVERIFY(Text.startsWith(QStringLiteral("Findings:\n\nNotice: employee record 1 (")));
    QVERIFY(
        Text.contains(QStringLiteral("\n... and 482 more lines; Show Details... lists the whole text.\n\n")));
    QVERIFY(Text.endsWith(QStringLiteral("\n\nWrite the EFW2 file anyway?")));
    QCOMPARE(Details, QString(Question).replace(QLatin1Char('~'), QLatin1Char('\n')));
    QCOMPARE(Default, int(QMessageBox::No));

    // A short text stays as it is, with no details.
    WhenBoxShows([&](QMessageBox *Box) {
        Details = Box->detailedText();
        Box->accept();
    });
    MsgBox(Lines.mid(0, 30).join(QLatin1Char('~')), AppTitle(), 64);
    QCOMPARE(Details, QString());
}

void TstQtInteraction::passwordPrompt_data()
{
    QTest::addColumn<int>("PasswordCase");
    QTest::addColumn<int>("Key");
    QTest::addColumn<bool>("Confirmed");
    QTest::addColumn<QString>("Typed");
    QTest::newRow("Enter confirms") << 0 << int(Qt::Key_Return) << true << "Secret7";
    QTest::newRow("Esc cancels") << 0 << int(Qt::Key_Escape) << false << "";
    QTest::newRow("upper case") << 1 << int(Qt::Key_Return) << true << "SECRET7";
    QTest::newRow("lower case") << 2 << int(Qt::Key_Return) << true << "secret7";
}

void TstQtInteraction::passwordPrompt()
{
    QFETCH(int, PasswordCase);
    QFETCH(int, Key);
    QFETCH(bool, Confirmed);
    QFETCH(QString, Typed);
    TQtInteraction Interaction;
    QString Seen;
    WhenModal<TPasswordDlg>([&Seen, Key](TPasswordDlg *Dialog) {
        QCOMPARE(Dialog->size(), QSize(244, 84));
        QCOMPARE(Dialog->Password->echoMode(), QLineEdit::Password);
        Seen = Dialog->windowTitle() + QLatin1Char('|') + Dialog->LblPrompt->text();
        QTest::keyClicks(Dialog->Password, QStringLiteral("Secret7"));
        QTest::keyClick(Dialog->Password, Qt::Key(Key));
    });
    QString Result;
    QCOMPARE(Interaction.AskPassword(AppTitle(), QStringLiteral("Enter File Password"), PasswordCase, Result),
        Confirmed);
    QCOMPARE(Seen, AppTitle() + QStringLiteral("|Enter File Password"));
    if (Confirmed)
        QCOMPARE(Result, Typed);
}

void TstQtInteraction::altKeysTypeNothingInThePrompt_data()
{
    QTest::addColumn<int>("Modifiers");
    QTest::addColumn<int>("Key");
    QTest::addColumn<QString>("Text"); // what the key event carries, as on X11
    QTest::addColumn<QString>("Typed");
    QTest::newRow("Alt+S") << int(Qt::AltModifier) << int(Qt::Key_S) << "s"
                           << "Secret7";
    QTest::newRow("Alt+Shift+S") << int(Qt::AltModifier | Qt::ShiftModifier) << int(Qt::Key_S) << "S"
                                 << "Secret7";
    QTest::newRow("Ctrl+Alt+Q types as AltGr+Q")
        << int(Qt::ControlModifier | Qt::AltModifier) << int(Qt::Key_Q) << "@"
        << "Secret7@";
}

// The prompt's field is a plain edit: the program's own fields are not the
// only ones an Alt key must not type into.
void TstQtInteraction::altKeysTypeNothingInThePrompt()
{
    QFETCH(int, Modifiers);
    QFETCH(int, Key);
    QFETCH(QString, Text);
    TQtInteraction Interaction;
    WhenModal<TPasswordDlg>([Modifiers, Key, Text](TPasswordDlg *Dialog) {
        QTest::keyClicks(Dialog->Password, QStringLiteral("Secret7"));
        QTest::sendKeyEvent(
            QTest::Click, Dialog->Password, Qt::Key(Key), Text, Qt::KeyboardModifiers(Modifiers));
        QTest::keyClick(Dialog->Password, Qt::Key_Return);
    });
    QString Result;
    QVERIFY(Interaction.AskPassword(AppTitle(), QStringLiteral("Enter File Password"), 0, Result));
    QTEST(Result, "Typed");
}

void TstQtInteraction::waitWindow()
{
    TQtInteraction Interaction;
    Interaction.ShowWaitMessage(QStringLiteral("Backup"), QStringLiteral("Copying the company files..."));
    auto Windows = QApplication::topLevelWidgets();
    TFrmMsgWin *Wait = nullptr;
    for (QWidget *Window : Windows)
        if (auto *Candidate = qobject_cast<TFrmMsgWin *>(Window))
            Wait = Candidate;
    QVERIFY(Wait);
    QVERIFY(Wait->isVisible());
    QVERIFY(!Wait->isModal());
    QCOMPARE(Wait->size(), QSize(312, 83));
    QCOMPARE(Wait->windowTitle(), QStringLiteral("Backup"));
    auto *Label = Wait->findChild<QLabel *>(QStringLiteral("LblMsg"));
    QVERIFY(Label);
    QCOMPARE(Label->text(), QStringLiteral("Copying the company files..."));
    QVERIFY(Label->font().bold());
    QVERIFY(Label->wordWrap());
    QCOMPARE(Label->alignment(), Qt::AlignCenter);

    // One at a time: a second call replaces the first.
    Interaction.ShowWaitMessage(QStringLiteral("Restore"), QStringLiteral("Copying..."));
    QTRY_COMPARE(WaitWindows(), 1);
    Interaction.HideWaitMessage();
    QTRY_COMPARE(WaitWindows(), 0);
    Interaction.HideWaitMessage();
}

void TstQtInteraction::waitCursorNests()
{
    TQtInteraction Interaction;
    Interaction.BeginWaitCursor();
    Interaction.BeginWaitCursor();
    QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Interaction.EndWaitCursor();
    QVERIFY(QGuiApplication::overrideCursor());
    Interaction.EndWaitCursor();
    QVERIFY(!QGuiApplication::overrideCursor());
}

void TstQtInteraction::unhandledErrorsShowAnErrorBox()
{
    TScriptedInteraction Person;
    TFailingCommand Command;
    QCoreApplication::postEvent(&Command, new QEvent(QEvent::User));
    QTRY_COMPARE(Person.MessageBoxes().size(), 1);
    const TAskedCall Box = Person.MessageBoxes().first();
    QCOMPARE(Box.Text, QStringLiteral("The command failed.\rSecond line."));
    QCOMPARE(Box.Caption, AppTitle());
    QCOMPARE(Box.Flags, 16);
    QVERIFY(Person.Problems().isEmpty());
}

QMRK_GUI_TEST_MAIN(TstQtInteraction)
#include "tst_qtinteraction.moc"
