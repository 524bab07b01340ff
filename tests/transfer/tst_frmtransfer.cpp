#include "QmrkGuiTestMain.h"
#include "TAppGlobals.h"
#include "TFrmTransfer.h"
#include "TRecordBytes.h"
#include "TScriptedInteraction.h"
#include "TTransferFixtures.h"
#include "TVisualStyle.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

using namespace TTransferFixtures;

namespace {

const QString Title = QStringLiteral("Quillmark W-2 2025");
constexpr int ErrorBox = 16;
constexpr int YesNoWarningNoDefault = 308;

const QString OverwriteWarning = QStringLiteral(
    "                          WARNING!\r\rUnchecking this box will cause the transfer process\r"
    "to  overwrite  any  data file with the same name as\rthe file being transferred.\r\r"
    "This may result in LOSS OF DATA, are you sure?");

QStringList ItemTexts(const QListWidget *List)
{
    QStringList Texts;
    for (int Row = 0; Row < List->count(); ++Row)
        Texts.append(List->item(Row)->text());
    return Texts;
}

// What can be pressed or typed into, by name.
QStringList EnabledControls(const TFrmTransfer *Window)
{
    QStringList Names;
    for (QWidget *Control :
        std::initializer_list<QWidget *> { Window->Path, Window->BtnBrowse, Window->BtnHelp,
            Window->FileListBox, Window->ChkNoOverwrite, Window->LblTransferred, Window->BtnOk,
            Window->BtnSelectAll, Window->BtnDeselectAll, Window->BtnTransfer, Window->BtnCancel })
        if (Control->isEnabled())
            Names.append(Control->objectName());
    return Names;
}

// Clicks the items at Rows with Ctrl held, as a person picks several.
void ClickItems(QListWidget *List, const QList<int> &Rows)
{
    for (int Row : Rows)
        QTest::mouseClick(List->viewport(), Qt::LeftButton, Qt::ControlModifier,
            List->visualItemRect(List->item(Row)).center());
}

} // namespace

class TstFrmTransfer : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TScriptedInteraction> Person;
    std::unique_ptr<TFrmTransfer> Window;
    QString Old() const { return Dir->filePath(QStringLiteral("old")); }
    QString New() const { return Dir->filePath(QStringLiteral("new")); }
    QString NewFile(const QString &Name) const { return New() + QLatin1Char('/') + Name; }
    void Open();
    // Types Folder into Path and presses Ok.
    void ChooseFolder(const QString &Folder);
    void WriteThreeCompanies();

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void opensChoosingTheFolder();
    void okRefusals_data();
    void okRefusals();
    void okListsTheFilesWithTheirMarks();
    void browse_data();
    void browse();
    void selectionRules_data();
    void selectionRules();
    void noOverwriteQuestion_data();
    void noOverwriteQuestion();
    void existingCompanyIsNotOverwritten();
    void overwriteAfterYes();
    void transferOfOneFile();
    void failingCompanyInTheMiddle();
    void escapeClosesOnlyWhenCancelCan();
    void aNameBeginningWithAStarKeepsIt();
};

void TstFrmTransfer::initTestCase()
{
    QString Error;
    QVERIFY2(TVisualStyle::Apply(*qApp, Error), qPrintable(Error));
    TFrmTransfer::SetPauseForTest(0);
}

void TstFrmTransfer::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(Old()));
    QVERIFY(QDir().mkpath(New()));
    TAppGlobals::Instance().Reset();
    TAppGlobals::Instance().DataDir = New() + QLatin1Char('/');
    Person = std::make_unique<TScriptedInteraction>();
}

void TstFrmTransfer::cleanup()
{
    Window.reset();
    QCOMPARE(Person->Problems(), QString());
    QCOMPARE(Person->WaitMessageShown(), false);
    QCOMPARE(Person->WaitCursorDepth(), 0);
    Person.reset();
    Dir.reset();
}

void TstFrmTransfer::Open()
{
    Window = std::make_unique<TFrmTransfer>();
    Window->show();
    QVERIFY(QTest::qWaitForWindowActive(Window.get()));
}

void TstFrmTransfer::ChooseFolder(const QString &Folder)
{
    Window->Path->selectAll();
    QTest::keyClick(Window->Path, Qt::Key_Backspace);
    QTest::keyClicks(Window->Path, Folder);
    QTest::mouseClick(Window->BtnOk, Qt::LeftButton);
}

void TstFrmTransfer::WriteThreeCompanies()
{
    WriteOldCompany(Old(), QStringLiteral("ALPHA.W324"), QStringLiteral("ALPHA.W224"), 3);
    WriteOldCompany(Old(), QStringLiteral("BETA.W324"), QStringLiteral("BETA.W224"), 3);
    WriteOldCompany(Old(), QStringLiteral("GAMMA.W324"), QStringLiteral("GAMMA.W224"), 3);
}

void TstFrmTransfer::opensChoosingTheFolder()
{
    Open();
    QCOMPARE(Window->windowTitle(), QStringLiteral("Quillmark W-2 Transfer Utility"));
    QVERIFY(!(Window->windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(Window->minimumSize(), Window->maximumSize());
    QStringList Lines;
    for (int Number = 1; Number <= 6; ++Number)
        Lines.append(Window->findChild<QLabel *>(QStringLiteral("LblExplanation%1").arg(Number))->text());
    QCOMPARE(Lines,
        QStringList({ "This utility will transfer your 2024 data files to the new 2025 version format. In",
            "the  field   below,   enter  the  complete  path  to  your  2024  data files  (if it is",
            "different from the default  path), click Ok, select the files to be transferred and",
            "then click Transfer to begin the transfer process.", "",
            "NOTE: Your 2024 data files will be unaffected by this process." }));
    QCOMPARE(Window->Path->text(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
            + QStringLiteral("/QMRK/2024/Data"));
    QCOMPARE(EnabledControls(Window.get()),
        QStringList(
            { "Path", "BtnBrowse", "BtnHelp", "ChkNoOverwrite", "LblTransferred", "BtnOk", "BtnCancel" }));
    QVERIFY(Window->ChkNoOverwrite->isChecked());
    QCOMPARE(Window->ChkNoOverwrite->text(), QStringLiteral("Do not overwrite files"));
    QVERIFY(!Window->LblTransferred->isVisible());
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" 0 files selected"));
    QCOMPARE(Window->BtnHelp->toolTip(), QStringLiteral("Form Help"));
    const QStringList Captions { Window->BtnBrowse->text(), Window->BtnOk->text(),
        Window->BtnSelectAll->text(), Window->BtnDeselectAll->text(), Window->BtnTransfer->text(),
        Window->BtnCancel->text() };
    QCOMPARE(
        Captions, QStringList({ "&Browse", "&Ok", "Select &All", "&Deselect All", "&Transfer", "&Cancel" }));
}

void TstFrmTransfer::okRefusals_data()
{
    QTest::addColumn<QString>("Typed");
    QTest::addColumn<QString>("Message");
    QTest::newRow("blank folder") << "   "
                                  << "Path to 2024 data files is missing";
    QTest::newRow("no last year's files") << "%new"
                                          << "2024 data files not found in specified location";
    QTest::newRow("this year's files only") << "%old/this"
                                            << "2024 data files not found in specified location";
    QTest::newRow("a folder that is not there") << "%old/none"
                                                << "2024 data files not found in specified location";
}

void TstFrmTransfer::okRefusals()
{
    QFETCH(QString, Typed);
    QFETCH(QString, Message);
    QVERIFY(QDir().mkpath(Old() + QStringLiteral("/this")));
    TRecordBytes::WriteFile(Old() + QStringLiteral("/this/ACME.W325"), { QByteArray(608, '\0') });
    TRecordBytes::WriteFile(Old() + QStringLiteral("/this/ACME.W225"), { QByteArray(480, '\0') });
    Open();
    ChooseFolder(Typed.replace(QLatin1String("%new"), New()).replace(QLatin1String("%old"), Old()));
    QCOMPARE(Person->MessageTexts(), QStringList({ Message }));
    QCOMPARE(Person->MessageBoxes().first().Flags, ErrorBox);
    QCOMPARE(Person->MessageBoxes().first().Caption, Title);
    QCOMPARE(EnabledControls(Window.get()),
        QStringList(
            { "Path", "BtnBrowse", "BtnHelp", "ChkNoOverwrite", "LblTransferred", "BtnOk", "BtnCancel" }));
    QCOMPARE(Window->FileListBox->count(), 0);
    QVERIFY(!Window->LblTransferred->isVisible());
}

void TstFrmTransfer::okListsTheFilesWithTheirMarks()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    WriteOldCompany(Old(), QStringLiteral("acme2.w324"), QStringLiteral("acme2.w224"));
    WriteOldCompany(Old(), QStringLiteral("GAMMA.W324"), QStringLiteral("GAMMA.W224"));
    TRecordBytes::WriteFile(NewFile(QStringLiteral("ACME.W325")), { QByteArray(608, 'w') });
    Open();
    ChooseFolder(Old());
    QCOMPARE(Person->MessageTexts(), QStringList());
    QCOMPARE(Window->Path->text(), Old() + QLatin1Char('/'));
    QCOMPARE(ItemTexts(Window->FileListBox), QStringList({ "*ACME.W324", "acme2.w324", "GAMMA.W324" }));
    QVERIFY(Window->LblTransferred->isVisible());
    QCOMPARE(Window->LblTransferred->text(), QStringLiteral("* = Already transferred"));
    QCOMPARE(Window->focusWidget(), Window->FileListBox);
    QCOMPARE(Window->FileListBox->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(EnabledControls(Window.get()),
        QStringList(
            { "BtnHelp", "FileListBox", "ChkNoOverwrite", "LblTransferred", "BtnSelectAll", "BtnCancel" }));
}

void TstFrmTransfer::browse_data()
{
    QTest::addColumn<bool>("Confirmed");
    QTest::newRow("a folder chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TstFrmTransfer::browse()
{
    QFETCH(bool, Confirmed);
    Open();
    const QString Before = Window->Path->text();
    Person->AnswerSelectFolder(Confirmed ? std::optional<QString>(Old()) : std::nullopt);
    QTest::mouseClick(Window->BtnBrowse, Qt::LeftButton);
    QCOMPARE(Person->Calls().first().Kind, QStringLiteral("SelectFolder"));
    QCOMPARE(
        Person->Calls().first().Caption, QStringLiteral("Select the location of your 2024 client files"));
    QCOMPARE(Window->Path->text(), Confirmed ? Old() : Before);
}

void TstFrmTransfer::selectionRules_data()
{
    QTest::addColumn<QList<int>>("Rows");
    QTest::addColumn<QString>("Button");
    QTest::addColumn<QString>("Status");
    QTest::addColumn<QStringList>("Enabled");
    const QStringList Some { "BtnSelectAll", "BtnDeselectAll", "BtnTransfer" };
    QTest::newRow("none") << QList<int> {} << ""
                          << " 0 files selected" << QStringList { "BtnSelectAll" };
    QTest::newRow("one") << QList<int> { 1 } << ""
                         << " 1 file selected" << Some;
    QTest::newRow("two") << QList<int> { 0, 2 } << ""
                         << " 2 files selected" << Some;
    QTest::newRow("all clicked") << QList<int> { 0, 1, 2 } << ""
                                 << " 3 files selected" << QStringList { "BtnDeselectAll", "BtnTransfer" };
    QTest::newRow("one unclicked again") << QList<int> { 1, 1 } << ""
                                         << " 0 files selected" << QStringList { "BtnSelectAll" };
    QTest::newRow("Select All") << QList<int> { 1 } << "BtnSelectAll"
                                << " 3 files selected" << QStringList { "BtnDeselectAll", "BtnTransfer" };
    QTest::newRow("Deselect All") << QList<int> { 0, 2 } << "BtnDeselectAll"
                                  << " 0 files selected" << QStringList { "BtnSelectAll" };
}

void TstFrmTransfer::selectionRules()
{
    QFETCH(QList<int>, Rows);
    QFETCH(QString, Button);
    QFETCH(QString, Status);
    QFETCH(QStringList, Enabled);
    WriteThreeCompanies();
    Open();
    ChooseFolder(Old());
    ClickItems(Window->FileListBox, Rows);
    if (!Button.isEmpty())
        QTest::mouseClick(Window->findChild<QPushButton *>(Button), Qt::LeftButton);
    QCOMPARE(Window->StatusText->text(), Status);
    QStringList Buttons;
    for (QPushButton *Each : { Window->BtnSelectAll, Window->BtnDeselectAll, Window->BtnTransfer })
        if (Each->isEnabled())
            Buttons.append(Each->objectName());
    QCOMPARE(Buttons, Enabled);
}

void TstFrmTransfer::noOverwriteQuestion_data()
{
    QTest::addColumn<int>("Answer");
    QTest::addColumn<bool>("Checked");
    QTest::newRow("No checks it again") << 7 << true;
    QTest::newRow("Yes leaves it clear") << 6 << false;
}

void TstFrmTransfer::noOverwriteQuestion()
{
    QFETCH(int, Answer);
    QFETCH(bool, Checked);
    Open();
    Person->AnswerMsgBox(Answer);
    QTest::mouseClick(Window->ChkNoOverwrite, Qt::LeftButton);
    QCOMPARE(Window->ChkNoOverwrite->isChecked(), Checked);
    QCOMPARE(Person->MessageTexts(), QStringList({ OverwriteWarning }));
    QCOMPARE(Person->MessageBoxes().first().Flags, YesNoWarningNoDefault);
    QCOMPARE(Person->MessageBoxes().first().Caption, Title);
    // Checking the box asks nothing; clearing it asks again.
    if (!Checked) {
        QTest::mouseClick(Window->ChkNoOverwrite, Qt::LeftButton);
        QVERIFY(Window->ChkNoOverwrite->isChecked());
        QCOMPARE(Person->MessageTexts().size(), 1);
    }
}

void TstFrmTransfer::existingCompanyIsNotOverwritten()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    TRecordBytes::WriteFile(NewFile(QStringLiteral("ACME.W325")), { QByteArray(608, 'w') });
    TRecordBytes::WriteFile(NewFile(QStringLiteral("ACME.W225")), { QByteArray(480, 'w') });
    const QMap<QString, QString> Before = Fingerprint(New());
    Open();
    ChooseFolder(Old());
    QCOMPARE(ItemTexts(Window->FileListBox), QStringList({ "*ACME.W324" }));
    ClickItems(Window->FileListBox, { 0 });
    QTest::mouseClick(Window->BtnTransfer, Qt::LeftButton);
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" 1 file selected - 0 files transferred"));
    QCOMPARE(Fingerprint(New()), Before);
    QCOMPARE(Person->MessageTexts(), QStringList());
}

void TstFrmTransfer::overwriteAfterYes()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    TRecordBytes::WriteFile(NewFile(QStringLiteral("ACME.W325")), { QByteArray(608, 'w') });
    TRecordBytes::WriteFile(NewFile(QStringLiteral("ACME.W225")), { QByteArray(480, 'w') });
    Open();
    ChooseFolder(Old());
    Person->AnswerMsgBox(6);
    QTest::mouseClick(Window->ChkNoOverwrite, Qt::LeftButton);
    ClickItems(Window->FileListBox, { 0 });
    QTest::mouseClick(Window->BtnTransfer, Qt::LeftButton);
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" 1 file selected - 1 file transferred"));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("ACME.W325"))), NewEmployer("ACME HARDWARE"));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("ACME.W225"))), NewEmployeeFile());
    // The marks show the state before the transfer.
    QCOMPARE(ItemTexts(Window->FileListBox), QStringList({ "*ACME.W324" }));
}

void TstFrmTransfer::transferOfOneFile()
{
    WriteOldCompany(Old(), QStringLiteral("ACME.W324"), QStringLiteral("ACME.W224"));
    WriteOldCompany(Old(), QStringLiteral("acme2.w324"), QStringLiteral("acme2.w224"));
    const QMap<QString, QString> OldBefore = Fingerprint(Old());
    Open();
    ChooseFolder(Old());
    ClickItems(Window->FileListBox, { 1 });
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" 1 file selected"));
    // A button's mnemonic clicks it a moment later, as the button is seen going down.
    QTest::keyClick(Window->FileListBox, Qt::Key_T, Qt::AltModifier);
    QTRY_COMPARE(Window->StatusText->text(), QStringLiteral(" 1 file selected - 1 file transferred"));
    QCOMPARE(FilesIn(New()), QStringList({ "acme2.W225", "acme2.W325" }));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("acme2.W325"))), NewEmployer("ACME2 HARDWARE"));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("acme2.W225"))), NewEmployeeFile());
    QCOMPARE(Fingerprint(Old()), OldBefore);
    QStringList Calls;
    for (const TAskedCall &Call : Person->Calls())
        Calls.append(Call.Kind + QLatin1Char(' ') + Call.Caption + QLatin1Char('|') + Call.Text);
    QCOMPARE(Calls,
        QStringList(
            { "ShowWaitMessage Quillmark W-2 2025|Transferring files... please wait", "HideWaitMessage |" }));
    QCOMPARE(Person->WaitCursorShown(), 1);

    QCOMPARE(EnabledControls(Window.get()), QStringList({ "BtnHelp", "BtnCancel" }));
    QCOMPARE(Window->BtnCancel->text(), QStringLiteral("E&xit"));
    QVERIFY(Window->BtnCancel->isDefault());
    QCOMPARE(Window->FileListBox->selectedItems().size(), 0);
    QTest::keyClick(Window.get(), Qt::Key_Return);
    QVERIFY(!Window->isVisible());
    QCOMPARE(Window->result(), int(QDialog::Rejected));
}

void TstFrmTransfer::failingCompanyInTheMiddle()
{
    WriteThreeCompanies();
    QVERIFY(QFile::remove(Old() + QStringLiteral("/BETA.W224")));
    const QMap<QString, QString> OldBefore = Fingerprint(Old());
    Open();
    ChooseFolder(Old());
    QTest::mouseClick(Window->BtnSelectAll, Qt::LeftButton);
    QTest::mouseClick(Window->BtnTransfer, Qt::LeftButton);

    QCOMPARE(Person->MessageTexts(),
        QStringList({ QStringLiteral(
            "BETA.W324 was not transferred:\rcannot read %1/BETA.W224: No such file or directory")
                          .arg(Old()) }));
    QCOMPARE(Person->MessageBoxes().first().Flags, ErrorBox);
    QCOMPARE(Person->MessageBoxes().first().Caption, Title);
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" 3 files selected - 2 files transferred"));
    QCOMPARE(FilesIn(New()), QStringList({ "ALPHA.W225", "ALPHA.W325", "GAMMA.W225", "GAMMA.W325" }));
    QCOMPARE(TRecordBytes::ReadFile(NewFile(QStringLiteral("GAMMA.W225"))), NewEmployeeFile(3));
    QCOMPARE(Fingerprint(Old()), OldBefore);
    // The wait window was down while the failure was told, and is down now.
    QStringList Kinds;
    for (const TAskedCall &Call : Person->Calls())
        Kinds.append(Call.Kind);
    QCOMPARE(Kinds,
        QStringList(
            { "ShowWaitMessage", "HideWaitMessage", "MsgBox", "ShowWaitMessage", "HideWaitMessage" }));
    QCOMPARE(EnabledControls(Window.get()), QStringList({ "BtnHelp", "BtnCancel" }));
    QTest::mouseClick(Window->BtnCancel, Qt::LeftButton);
    QVERIFY(!Window->isVisible());
}

void TstFrmTransfer::escapeClosesOnlyWhenCancelCan()
{
    WriteThreeCompanies();
    Open();
    ChooseFolder(Old());
    Window->BtnCancel->setEnabled(false); // as while the transfer runs
    QTest::keyClick(Window->FileListBox, Qt::Key_Escape);
    QVERIFY(Window->isVisible());
    Window->BtnCancel->setEnabled(true);
    QTest::keyClick(Window->FileListBox, Qt::Key_Escape);
    QVERIFY(!Window->isVisible());
}

void TstFrmTransfer::aNameBeginningWithAStarKeepsIt()
{
    WriteOldCompany(Old(), QStringLiteral("*ODD.W324"), QStringLiteral("*ODD.W224"), 2);
    Open();
    ChooseFolder(Old());
    QCOMPARE(ItemTexts(Window->FileListBox), QStringList({ "*ODD.W324" }));
    QTest::mouseClick(Window->BtnSelectAll, Qt::LeftButton);
    QTest::mouseClick(Window->BtnTransfer, Qt::LeftButton);
    QCOMPARE(Window->StatusText->text(), QStringLiteral(" 1 file selected - 1 file transferred"));
    QCOMPARE(FilesIn(New()), QStringList({ "*ODD.W225", "*ODD.W325" }));
}

QMRK_GUI_TEST_MAIN(TstFrmTransfer)
#include "tst_frmtransfer.moc"
