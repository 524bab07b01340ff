#include "QmrkGuiTestMain.h"
#include "TFrmHelp.h"
#include "THelpSystem.h"

#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTextBrowser>

namespace {

TFrmHelp *OpenHelpWindow()
{
    for (QWidget *Window : QApplication::topLevelWidgets())
        if (auto *Help = qobject_cast<TFrmHelp *>(Window); Help && Help->isVisible())
            return Help;
    return nullptr;
}

QStringList VisibleTopics(const TFrmHelp *Help)
{
    QStringList Titles;
    for (int Row = 0; Row < Help->TopicList->count(); ++Row)
        if (!Help->TopicList->item(Row)->isHidden())
            Titles << Help->TopicList->item(Row)->text();
    return Titles;
}

} // namespace

class TstHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void everyContextTheProgramUsesHasATopic_data();
    void everyContextTheProgramUsesHasATopic();
    void linksBetweenTopicsResolve();
    void f1ShowsTheTopicOfTheFocusedWindow();
    void f1InAMenuShowsTheTopicOfTheItem();
    void findNarrowsTheContents();
    void unknownContextShowsTheContents();
};

void TstHelp::cleanup()
{
    for (QWidget *Window : QApplication::topLevelWidgets())
        if (qobject_cast<TFrmHelp *>(Window))
            delete Window;
}

void TstHelp::everyContextTheProgramUsesHasATopic_data()
{
    QTest::addColumn<int>("Context");
    QTest::addColumn<QString>("Title");
    QTest::newRow("main window") << 1 << "Quillmark W-2 2025";
    QTest::newRow("open") << 2 << "Opening a company file";
    QTest::newRow("new") << 3 << "Creating a new company";
    QTest::newRow("save as") << 4 << "Save As";
    QTest::newRow("backup") << 5 << "Backup";
    QTest::newRow("restore") << 6 << "Restore";
    QTest::newRow("print setup") << 7 << "Print Setup";
    QTest::newRow("labels") << 8 << "Printing labels";
    QTest::newRow("form W-2") << 9 << "Form W-2";
    QTest::newRow("form W-3") << 10 << "Form W-3";
    QTest::newRow("transfer") << 12 << "Prior-year transfer";
    QTest::newRow("password") << 14 << "File password";
    QTest::newRow("technical support") << 15 << "Technical support";
    QTest::newRow("license") << 17 << "License agreement";
    QTest::newRow("EFW2") << 19 << "EFW2 electronic filing";
}

void TstHelp::everyContextTheProgramUsesHasATopic()
{
    QFETCH(int, Context);
    QFETCH(QString, Title);
    QVERIFY(THelpSystem::HasTopic(Context));
    QCOMPARE(THelpSystem::TopicTitle(Context), Title);
    THelpSystem::ShowTopic(Context);
    TFrmHelp *Help = OpenHelpWindow();
    QVERIFY(Help);
    QCOMPARE(Help->CurrentContext(), Context);
    QVERIFY(Help->Browser->toPlainText().startsWith(Title));
    QCOMPARE(Help->TopicList->currentItem()->text(), Title);
}

void TstHelp::linksBetweenTopicsResolve()
{
    static const QRegularExpression Link(QStringLiteral("href=\"topic(\\d+)\\.html\""));
    for (int Context : THelpSystem::Contexts()) {
        QFile Topic(QStringLiteral(":/help/topic%1.html").arg(Context));
        QVERIFY(Topic.open(QIODevice::ReadOnly));
        const QString Html = QString::fromUtf8(Topic.readAll());
        for (const QRegularExpressionMatch &Match : Link.globalMatch(Html))
            QVERIFY2(THelpSystem::HasTopic(Match.captured(1).toInt()),
                qPrintable(QStringLiteral("topic %1 links to %2").arg(Context).arg(Match.captured(1))));
    }
    THelpSystem::ShowTopic(1);
    TFrmHelp *Help = OpenHelpWindow();
    Q_EMIT Help->Browser->anchorClicked(QUrl(QStringLiteral("topic13.html")));
    QCOMPARE(Help->CurrentContext(), 13);
}

void TstHelp::f1ShowsTheTopicOfTheFocusedWindow()
{
    THelpSystem::InstallF1Handler();
    QDialog Window;
    THelpSystem::SetHelpContext(&Window, 10);
    auto *Field = new QLineEdit(&Window);
    Window.show();
    QVERIFY(QTest::qWaitForWindowActive(&Window));
    Field->setFocus();
    QTRY_VERIFY(Field->hasFocus());
    QCOMPARE(THelpSystem::HelpContextOf(Field), 10);
    QTest::keyClick(Field, Qt::Key_F1);
    TFrmHelp *Help = OpenHelpWindow();
    QVERIFY(Help);
    QCOMPARE(Help->CurrentContext(), 10);
    QCOMPARE(Help->parentWidget(), &Window);
    // The field did not take F1 as a character.
    QCOMPARE(Field->text(), QString());
}

void TstHelp::f1InAMenuShowsTheTopicOfTheItem()
{
    THelpSystem::InstallF1Handler();
    QWidget Window;
    THelpSystem::SetHelpContext(&Window, 1);
    QMenu Menu(&Window);
    Menu.addAction(QStringLiteral("&Open ..."))->setProperty("HelpContext", 2);
    QAction *Backup = Menu.addAction(QStringLiteral("&Backup ..."));
    Backup->setProperty("HelpContext", 5);
    Window.show();
    Menu.popup(Window.mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(Menu.isVisible());
    Menu.setActiveAction(Backup);
    QTest::keyClick(&Menu, Qt::Key_F1);
    TFrmHelp *Help = OpenHelpWindow();
    QVERIFY(Help);
    QCOMPARE(Help->CurrentContext(), 5);
    QVERIFY(!Menu.isVisible());
}

void TstHelp::findNarrowsTheContents()
{
    THelpSystem::ShowTopic(1);
    TFrmHelp *Help = OpenHelpWindow();
    QTest::keyClicks(Help->FindEdit, QStringLiteral("DEFERRED compensation"));
    QCOMPARE(VisibleTopics(Help), QStringList({ "Form W-3", "Box 12 codes" }));
    QTest::keyClick(Help->FindEdit, Qt::Key_Return);
    QCOMPARE(Help->CurrentContext(), 10);
    QVERIFY(Help->Browser->textCursor().hasSelection());
    Help->FindEdit->clear();
    QCOMPARE(VisibleTopics(Help).size(), THelpSystem::Contexts().size());
}

void TstHelp::unknownContextShowsTheContents()
{
    THelpSystem::ShowTopic(99);
    TFrmHelp *Help = OpenHelpWindow();
    QCOMPARE(Help->CurrentContext(), 1);
}

QMRK_GUI_TEST_MAIN(TstHelp)
#include "tst_help.moc"
