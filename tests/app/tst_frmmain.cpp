#include "AppInfo.h"
#include "MakerAddresses.h"
#include "MsgBox.h"
#include "PasswordCipher.h"
#include "QmrkGuiTestMain.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "TCheckBoxEdit.h"
#include "TDesktop.h"
#include "TDollarEdit.h"
#include "TFailingWrites.h"
#include "TFilterEdit.h"
#include "TFrmAbout.h"
#include "TFrmBackupRestore.h"
#include "TFrmDataModule.h"
#include "TFrmImportPreview.h"
#include "TFrmMain.h"
#include "TFrmNewFileDlg.h"
#include "TFrmPassword.h"
#include "TFrmPrinterSetup.h"
#include "TFrmReportPreview.h"
#include "TFrmTransfer.h"
#include "TFrmW2.h"
#include "TFrmW3.h"
#include "TMaskedEdit.h"
#include "TMemoryStatus.h"
#include "TModalDriver.h"
#include "TModalScript.h"
#include "TPreviewPageWidget.h"
#include "TProgramStart.h"
#include "TRecordBytes.h"
#include "TRecordSet.h"
#include "TRvRenderPreview.h"
#include "TScriptedInteraction.h"
#include "TStateEdit.h"
#include "TVisualStyle.h"
#include "W3Totals.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include <memory>

namespace {

constexpr int EmployerNameOffset = 44;
constexpr int FilePasswordOffset = 593;
const QString NoFileCaption = QStringLiteral("Quillmark W-2 Version 2025.00");

QByteArray EmployerBytes(const QByteArray &Name, const QByteArray &StoredPassword = {})
{
    TRecordBytes Record(608);
    Record.PutStr(EmployerNameOffset, Name);
    if (!StoredPassword.isEmpty())
        Record.PutStr(FilePasswordOffset, StoredPassword);
    return Record;
}

QByteArray EmployeeBytes(const QByteArray &FirstName)
{
    return TRecordBytes(480).PutStr(23, FirstName);
}

// A company pair as another copy of the program left it; returns the .W225 path.
QString MakeCompany(const QString &Folder, const QString &Name, const QByteArray &EmployerName,
    const QByteArray &StoredPassword = {})
{
    QDir().mkpath(Folder);
    const QString W2 = Folder + QLatin1Char('/') + Name + QStringLiteral(".W225");
    TRecordBytes::WriteFile(Folder + QLatin1Char('/') + Name + QStringLiteral(".W325"),
        { EmployerBytes(EmployerName, StoredPassword) });
    TRecordBytes::WriteFile(W2, { EmployeeBytes("ANN"), EmployeeBytes("BOB") });
    return W2;
}

QString W3Of(const QString &W2)
{
    return W2.left(W2.size() - 5) + QStringLiteral(".W325");
}

QByteArray PairBytes(const QString &W2)
{
    return TRecordBytes::ReadFile(W3Of(W2)) + "|" + TRecordBytes::ReadFile(W2);
}

// The files of a folder, hidden ones too, so a temporary file left behind shows.
QStringList FilesIn(const QString &Folder)
{
    return QDir(Folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// A new company's employer, just enough to pass the W-3 checks.
void EnterEmployerAndClose(TFrmW3 *Window)
{
    Window->Boxb1->SetChecked(true);
    Window->Boxb8->SetChecked(true);
    Window->Boxe->SetStoredText(QStringLiteral("12-3456789"));
    Window->Boxf_a->setText(QStringLiteral("Acme Payroll"));
    Window->Boxg_a->setText(QStringLiteral("1 Main St"));
    Window->Boxg_b->setText(QStringLiteral("Austin"));
    Window->Boxg_c->setText(QStringLiteral("TX"));
    Window->Boxg_d->setText(QStringLiteral("78701"));
    Window->Box15->setText(QStringLiteral("TX"));
    Window->StateID->setText(QStringLiteral("123456"));
    Window->Contact->setText(QStringLiteral("Pat"));
    QTest::mouseClick(Window->BtnClose, Qt::LeftButton);
}

// Its first employee, just enough to pass the W-2 checks.
void EnterEmployeeAndClose(TFrmW2 *Window)
{
    Window->Amount1->SetValue(1000);
    Window->Boxa->SetStoredText(QStringLiteral("123-45-6780"));
    Window->Boxe_a->setText(QStringLiteral("Ann"));
    Window->Boxe_b->setText(QStringLiteral("Lee"));
    Window->Boxf_a->setText(QStringLiteral("2 Oak St"));
    Window->Boxf_b->setText(QStringLiteral("Austin"));
    Window->Boxf_c->setCurrentText(QStringLiteral("TX"));
    Window->Boxf_d->setText(QStringLiteral("78702"));
    Window->Box16a->SetValue(1000);
    QTest::mouseClick(Window->BtnClose, Qt::LeftButton);
}

} // namespace

class TstFrmMain : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> Dir;
    std::unique_ptr<TScriptedInteraction> Person;
    std::unique_ptr<TFrmMain> Main;
    std::unique_ptr<TFrmDataModule> Data;

    QString Folder(const QString &Name) const { return Dir->filePath(Name); }
    QString DataDir() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
            + QStringLiteral("/QMRK/2025/Data/");
    }
    void Start(const QStringList &Arguments = {});
    void Exit();
    void SetPasswordThroughWindow(const QString &First, const QString &Second);
    int AskedPasswords() const;
    bool FileCommandsEnabled() const;

private Q_SLOTS:
    void init();
    void cleanup();

    void screenCheck_data();
    void screenCheck();
    void startsWithNoFile();
    void menuItems_data();
    void menuItems();
    void eachMenuLetterChoosesOneItem();
    void commandLine_data();
    void commandLine();
    void openRefusesOtherFiles();
    void openShowsTheEmployerInTheCaption();
    void newCompany_data();
    void newCompany();
    void newCompanyOnAnAccountWithoutDocuments();
    void uncreatableDataFolderIsReportedAtStartUp();
    void saveAsCutsTheNameAtTheFirstDot();
    void saveAsOverAnExistingPair_data();
    void saveAsOverAnExistingPair();
    void saveAsWhenThePairCannotBeWritten();
    void closeWhenThePairCannotBeWritten_data();
    void closeWhenThePairCannotBeWritten();
    void closeAndRecentOrder();
    void recentPathWithAmpersandShowsItOnce();
    void vanishedRecentFileIsReported();
    void exitStoresTheRecentList();
    void transferClosesTheOpenFile();
    void printSetupOpensThePrinterSetupWindow();
    void irsInstructions_data();
    void irsInstructions();
    void aboutBox_data();
    void aboutBox();
    void printLabelsPreviewsTheLabelsWithTheirOutlines();
    void passwordIsAskedOnceAtTheNextOpen_data();
    void passwordIsAskedOnceAtTheNextOpen();
    void passwordRules_data();
    void passwordRules();
    void passwordTypingIsFiltered();
    void blankFirstFieldRemovesThePassword();
    void copiesReopenWithoutAskingThePassword();
    void backupThenRestoreRoundTrip();
    void restoreFromAFolderWithOtherNamesFails();
    void failedPairCopyLeavesTheTargetPair_data();
    void failedPairCopyLeavesTheTargetPair();
    void importEmployeesThroughTheMenu();
    void cancelledImportLeavesThePair();
    void exportEmployeesThroughTheMenu();
    void screenshots();
};

void TstFrmMain::init()
{
    Dir = std::make_unique<QTemporaryDir>();
    QDir().mkpath(Folder(QStringLiteral("prog")));
    TDesktop::SetProgramDirForTest(Folder(QStringLiteral("prog")));
    TDesktop::SetWelcomePauseForTest(0);
    TDesktop::SetScreenSizeForTest(QSize(1280, 1024));
    TAppGlobals::Instance().Reset();
    QFile::remove(TAppRegistry::DefaultFileName());
    QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/QMRK"))
        .removeRecursively();
    Person = std::make_unique<TScriptedInteraction>();
}

void TstFrmMain::cleanup()
{
    Exit();
    TTestEnvironment::Instance()->RestoreHome();
    const QString Problems = Person->Problems();
    Person.reset();
    Dir.reset();
    QVERIFY2(Problems.isEmpty(), qPrintable(Problems));
}

void TstFrmMain::Start(const QStringList &Arguments)
{
    Main = std::make_unique<TFrmMain>(Arguments);
    Data = std::make_unique<TFrmDataModule>();
    Main->show();
    QVERIFY(QTest::qWaitForWindowExposed(Main.get()));
}

void TstFrmMain::Exit()
{
    if (Main)
        Main->close();
    Main.reset();
    Data.reset();
}

bool TstFrmMain::FileCommandsEnabled() const
{
    return Main->MnuSaveAs->isEnabled() && Main->MnuBackup->isEnabled() && Main->MnuRestore->isEnabled()
        && Main->MnuClose->isEnabled() && Main->MnuImportEmployees->isEnabled()
        && Main->MnuExportEmployees->isEnabled() && Main->MnuPrintLabels->isEnabled()
        && Main->MnuForms->isEnabled() && Main->MnuEFW2->isEnabled() && Main->MnuPassword->isEnabled()
        && Main->BtnSaveAs->isEnabled() && Main->BtnBackup->isEnabled() && Main->BtnRestore->isEnabled()
        && Main->BtnFormW2->isEnabled() && Main->BtnFormW3->isEnabled();
}

int TstFrmMain::AskedPasswords() const
{
    int Count = 0;
    for (const TAskedCall &Call : Person->Calls())
        Count += Call.Kind == QLatin1String("AskPassword");
    return Count;
}

void TstFrmMain::screenCheck_data()
{
    QTest::addColumn<QSize>("Screen");
    QTest::addColumn<bool>("Runs");
    QTest::newRow("1024 x 768 refused") << QSize(1024, 768) << false;
    QTest::newRow("1024 x 900 accepted") << QSize(1024, 900) << true;
    QTest::newRow("1280 x 600 accepted") << QSize(1280, 600) << true;
    QTest::newRow("1280 x 800 accepted") << QSize(1280, 800) << true;
    QTest::newRow("1279 x 799 refused") << QSize(1279, 799) << false;
}

void TstFrmMain::screenCheck()
{
    QFETCH(QSize, Screen);
    QFETCH(bool, Runs);
    TDesktop::SetScreenSizeForTest(Screen);
    QCOMPARE(TProgramStart::CheckScreen(), Runs);
    if (Runs) {
        QVERIFY(Person->MessageBoxes().isEmpty());
        return;
    }
    QCOMPARE(Person->MessageTexts(),
        QStringList({ "Unable to run Quillmark W-2!\r\rThis program will not run "
                      "under screen\rresolutions of less than 1280 X 800." }));
    QCOMPARE(Person->MessageBoxes().first().Flags, 0);
}

void TstFrmMain::startsWithNoFile()
{
    TAppRegistry Registry;
    const QString Key = QStringLiteral("Software\\QMRKTest\\2025\\RecentFiles");
    Start();
    QCOMPARE(Main->windowTitle(), NoFileCaption);
    QVERIFY(Main->MessagePanel->isVisible());
    QVERIFY(!FileCommandsEnabled());
    for (QAction *Always :
        { Main->MnuOpen, Main->MnuNew, Main->MnuPrintSetup, Main->MnuTransfer, Main->MnuExit })
        QVERIFY(Always->isEnabled());
    QVERIFY(Main->BtnNew->isEnabled() && Main->BtnOpen->isEnabled() && Main->BtnHelp->isEnabled());
    for (QAction *Item : Main->MnuMRU)
        QVERIFY(!Item->isVisible());
    QVERIFY(!Main->MnuMRUSeparator->isVisible());
    QVERIFY(QDir(DataDir()).exists());
    QCOMPARE(TAppGlobals::Instance().DataDir, DataDir());
    QCOMPARE(TAppGlobals::Instance().RegBaseKey, QStringLiteral("Software\\QMRKTest\\2025\\"));
    QVERIFY(TAppGlobals::Instance().MaskEmployeeSSN);
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), TAppGlobals::Instance().ProgramDir);
    QVERIFY(!QFile::exists(TAppRegistry::DefaultFileName()));

    // The list is stored at exit: ten empty values under the test key.
    Exit();
    QByteArray Expected = "[Software]\n";
    for (int I = 0; I < 10; ++I)
        Expected += "QMRKTest\\2025\\RecentFiles\\" + QByteArray::number(I) + "=\n";
    QCOMPARE(TRecordBytes::ReadFile(TAppRegistry::DefaultFileName()), Expected);
}

void TstFrmMain::menuItems_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Caption");
    QTest::addColumn<QString>("Shortcut");
    QTest::addColumn<int>("HelpContext");
    QTest::newRow("open") << "MnuOpen"
                          << "&Open ..."
                          << "Ctrl+O" << 2;
    QTest::newRow("new") << "MnuNew"
                         << "&New ..."
                         << "Ctrl+N" << 3;
    QTest::newRow("save as") << "MnuSaveAs"
                             << "Save &As ..."
                             << "Ctrl+A" << 4;
    QTest::newRow("backup") << "MnuBackup"
                            << "&Backup ..."
                            << "Ctrl+B" << 5;
    QTest::newRow("restore") << "MnuRestore"
                             << "&Restore ..."
                             << "Ctrl+R" << 6;
    QTest::newRow("close") << "MnuClose"
                           << "&Close Employer File"
                           << "Ctrl+F4" << 0;
    QTest::newRow("import employees") << "MnuImportEmployees"
                                      << "&Import Employees ..."
                                      << "" << 0;
    QTest::newRow("export employees") << "MnuExportEmployees"
                                      << "Ex&port Employees ..."
                                      << "" << 0;
    QTest::newRow("print setup") << "MnuPrintSetup"
                                 << "Print &Setup"
                                 << "" << 7;
    QTest::newRow("print labels") << "MnuPrintLabels"
                                  << "Print &Labels"
                                  << "" << 8;
    QTest::newRow("exit") << "MnuExit"
                          << "E&xit"
                          << "Ctrl+X" << 0;
    QTest::newRow("form W-2") << "MnuFormW2"
                              << "Form W-&2"
                              << "" << 9;
    QTest::newRow("form W-3") << "MnuFormW3"
                              << "Form W-&3"
                              << "" << 10;
    QTest::newRow("transfer") << "MnuTransfer"
                              << "&Transfer"
                              << "" << 12;
    QTest::newRow("EFW2") << "MnuEFW2"
                          << "&EFW2 Module"
                          << "" << 19;
    QTest::newRow("password") << "MnuPassword"
                              << "&Password ..."
                              << "" << 14;
    QTest::newRow("contents") << "MnuContents"
                              << "&Contents"
                              << "" << 0;
    QTest::newRow("technical support") << "MnuTechnicalSupport"
                                       << "&Technical Support"
                                       << "" << 0;
    QTest::newRow("license") << "MnuLicenseAgreement"
                             << "&License Agreement"
                             << "" << 0;
    QTest::newRow("IRS instructions") << "MnuIRSInstructions"
                                      << "&IRS Instructions"
                                      << "" << 0;
    QTest::newRow("web update") << "MnuWebUpdate"
                                << "&Web Update"
                                << "" << 0;
    QTest::newRow("about") << "MnuAbout"
                           << "About ..."
                           << "" << 1;
}

void TstFrmMain::menuItems()
{
    QFETCH(QString, Name);
    QFETCH(QString, Caption);
    QFETCH(QString, Shortcut);
    QFETCH(int, HelpContext);
    Start();
    auto *Item = Main->findChild<QAction *>(Name);
    QVERIFY(Item);
    QCOMPARE(Item->text(), Caption);
    QCOMPARE(Item->shortcut().toString(), Shortcut);
    QCOMPARE(Item->property("HelpContext").toInt(), HelpContext);
}

// Alt+F, X exits: a letter two items of one menu share only moves between
// them, so no letter may be taken twice.
void TstFrmMain::eachMenuLetterChoosesOneItem()
{
    Start();
    for (QMenu *Menu : { Main->MnuFile, Main->MnuForms, Main->MnuTools, Main->MnuHelp }) {
        QMap<QChar, QString> Taken;
        for (const QAction *Item : Menu->actions()) {
            const QString Text = Item->text();
            const qsizetype At = Text.indexOf(u'&');
            if (At < 0 || At + 1 >= Text.size())
                continue;
            const QChar Letter = Text.at(At + 1).toLower();
            QVERIFY2(!Taken.contains(Letter),
                qPrintable(QStringLiteral("%1 and %2").arg(Taken.value(Letter), Text)));
            Taken.insert(Letter, Text);
        }
    }
}

void TstFrmMain::commandLine_data()
{
    QTest::addColumn<QStringList>("Arguments");
    QTest::addColumn<bool>("Opens");
    QTest::newRow("path with blanks, unquoted") << QStringList({ "@/Acme", "Payroll.W225" }) << true;
    QTest::newRow("one argument") << QStringList({ "@/Acme Payroll.W225" }) << true;
    QTest::newRow("lower-case extension ignored") << QStringList({ "@/Acme", "Payroll.w225" }) << false;
    QTest::newRow("missing file ignored") << QStringList({ "@/Nobody.W225" }) << false;
    QTest::newRow("no arguments") << QStringList() << false;
}

void TstFrmMain::commandLine()
{
    QFETCH(QStringList, Arguments);
    QFETCH(bool, Opens);
    const QString Path
        = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme Payroll"), "ACME & SONS");
    QFile::copy(Path, Folder(QStringLiteral("co/Acme Payroll.w225")));
    for (QString &Argument : Arguments)
        Argument.replace(QLatin1Char('@'), Folder(QStringLiteral("co")));
    Start(Arguments);
    QCOMPARE(Data->CompanyFileOpen, Opens);
    QCOMPARE(Main->MessagePanel->isVisible(), !Opens);
    QCOMPARE(FileCommandsEnabled(), Opens);
    QCOMPARE(Main->windowTitle(), Opens ? NoFileCaption + QStringLiteral(" - ACME && SONS") : NoFileCaption);
    if (Opens)
        QCOMPARE(Data->CurrentW2File, Path);
    QVERIFY(Person->MessageBoxes().isEmpty());
}

void TstFrmMain::openRefusesOtherFiles()
{
    Start();
    const QString Text = Folder(QStringLiteral("notes.txt"));
    TRecordBytes::WriteFile(Text, { QByteArray(480, '\0') });
    Person->AnswerOpenFile(Text);
    Main->MnuOpen->trigger();
    QCOMPARE(Person->MessageTexts(), QStringList({ "The selected file is not valid" }));
    QCOMPARE(Person->MessageBoxes().first().Flags, 16);
    QVERIFY(!Data->CompanyFileOpen);

    Person->AnswerOpenFile(std::nullopt);
    Main->MnuOpen->trigger();
    QVERIFY(!Data->CompanyFileOpen);
    QCOMPARE(Person->MessageBoxes().size(), 1);
}

void TstFrmMain::openShowsTheEmployerInTheCaption()
{
    Start();
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("acme"), "ACME");
    QString Copy = Path;
    Copy.replace(QStringLiteral(".W225"), QStringLiteral(".w225"));
    QFile::rename(Path, Copy);
    QDir::setCurrent(Dir->path());
    Person->AnswerOpenFile(Copy);
    Main->BtnOpen->click();
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Main->windowTitle(), NoFileCaption + QStringLiteral(" - ACME"));
    QVERIFY(!Main->MessagePanel->isVisible());
    QVERIFY(FileCommandsEnabled());
    QCOMPARE(QDir::currentPath() + QLatin1Char('/'), TAppGlobals::Instance().ProgramDir);
    const TAskedCall Asked = Person->Calls().first();
    QCOMPARE(Asked.Kind, QStringLiteral("SelectOpenFile"));
    QCOMPARE(Asked.Caption, QStringLiteral("Open Quillmark W-2 File"));
    QVERIFY(Asked.Text.startsWith(DataDir() + QLatin1Char('|')));
}

void TstFrmMain::newCompany_data()
{
    QTest::addColumn<QString>("Typed");
    QTest::addColumn<QString>("Message");
    QTest::addColumn<bool>("Opens");
    QTest::newRow("new name") << "Acme Payroll"
                              << "" << true;
    QTest::newRow("existing name") << "Existing"
                                   << "File already exists!" << false;
    QTest::newRow("blanks only") << "   "
                                 << "" << false;
}

void TstFrmMain::newCompany()
{
    QFETCH(QString, Typed);
    QFETCH(QString, Message);
    QFETCH(bool, Opens);
    Start();
    const QString Existing = MakeCompany(DataDir(), QStringLiteral("Existing"), "OLD");
    const QByteArray ExistingBytes = PairBytes(Existing);
    TModalScript Script;
    Script.Then<TFrmNewFileDlg>([Typed](TFrmNewFileDlg *Dialog) {
        QCOMPARE(Dialog->windowTitle(), QStringLiteral("New Quillmark W-2 Company/Employer File"));
        QVERIFY(Dialog->NewFileName->text().isEmpty());
        QTest::keyClicks(Dialog->NewFileName, Typed);
        QTest::keyClick(Dialog->NewFileName, Qt::Key_Return);
    });
    if (Opens)
        Script.Then<TFrmW3>(EnterEmployerAndClose).Then<TFrmW2>(EnterEmployeeAndClose);
    Script.Start();
    Main->MnuNew->trigger();
    QVERIFY(Script.Done());
    QCOMPARE(Person->MessageTexts(), Message.isEmpty() ? QStringList() : QStringList({ Message }));
    QCOMPARE(Data->CompanyFileOpen, Opens);
    QCOMPARE(PairBytes(Existing), ExistingBytes);
    if (Opens) {
        const QString Path = DataDir() + Typed + QStringLiteral(".W225");
        QCOMPARE(Data->CurrentW2File, Path);
        QCOMPARE(TRecordBytes::ReadFile(Path).size(), 480);
        QCOMPARE(TRecordBytes::ReadFile(W3Of(Path)).size(), 608);
        QCOMPARE(Data->CurrentEmployee.FirstName(), QStringLiteral("Ann"));
        QCOMPARE(Main->windowTitle(), NoFileCaption + QStringLiteral(" - Acme Payroll"));
        QCOMPARE(Data->FormsReviewState, 0);
        QVERIFY(FileCommandsEnabled());
    }
}

// A fresh account has no Documents folder, though the system names one:
// start-up makes the whole data path, and New then makes the pair in it.
void TstFrmMain::newCompanyOnAnAccountWithoutDocuments()
{
    const QString Home = TTestEnvironment::Instance()->UseFreshHome();
    QCOMPARE(DataDir(), Home + QStringLiteral("/Documents/QMRK/2025/Data/"));
    QVERIFY(!QFileInfo::exists(Home + QStringLiteral("/Documents")));
    Start();
    QVERIFY(Person->MessageBoxes().isEmpty());
    QVERIFY(QFileInfo(DataDir()).isDir());
    QCOMPARE(TAppGlobals::Instance().DataDir, DataDir());
    TModalScript Script;
    Script
        .Then<TFrmNewFileDlg>([](TFrmNewFileDlg *Dialog) {
            QTest::keyClicks(Dialog->NewFileName, QStringLiteral("Acme"));
            QTest::keyClick(Dialog->NewFileName, Qt::Key_Return);
        })
        .Then<TFrmW3>(EnterEmployerAndClose)
        .Then<TFrmW2>(EnterEmployeeAndClose);
    Script.Start();
    Main->MnuNew->trigger();
    QVERIFY(Script.Done());
    QVERIFY(Person->MessageBoxes().isEmpty());
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(TRecordBytes::ReadFile(DataDir() + QStringLiteral("Acme.W225")).size(), 480);
    QCOMPARE(TRecordBytes::ReadFile(DataDir() + QStringLiteral("Acme.W325")).size(), 608);
}

// Documents is taken by a file: the person learns once, at start-up, which
// folder could not be made and why.
void TstFrmMain::uncreatableDataFolderIsReportedAtStartUp()
{
    const QString Home = TTestEnvironment::Instance()->UseFreshHome();
    TRecordBytes::WriteFile(Home + QStringLiteral("/Documents"), { QByteArray("notes") });
    Start();
    QCOMPARE(Person->MessageTexts(),
        QStringList({ QStringLiteral("The folder ") + Home
            + QStringLiteral("/Documents could not be created:\rNot a directory") }));
    QCOMPARE(Person->MessageBoxes().first().Flags, 16);
    QVERIFY(!Data->CompanyFileOpen);
}

void TstFrmMain::saveAsCutsTheNameAtTheFirstDot()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    const QByteArray Original = PairBytes(Path);
    Start({ Path });
    QDir().mkpath(Folder(QStringLiteral("copies")));
    Person->AnswerSaveFile(Folder(QStringLiteral("copies/Acme 2025.old.W225")));
    Main->MnuSaveAs->trigger();
    const QString Target = Folder(QStringLiteral("copies/Acme 2025.W225"));
    QCOMPARE(Person->MessageTexts(), QStringList({ "Files have been successfully saved" }));
    QCOMPARE(Person->MessageBoxes().first().Flags, 0);
    QCOMPARE(PairBytes(Target), Original);
    QCOMPARE(PairBytes(Path), Original);
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Data->CurrentW2File, Target);
    QCOMPARE(Data->RSW2->FileName(), Target);
    QCOMPARE(Main->windowTitle(), NoFileCaption + QStringLiteral(" - ACME"));
    QCOMPARE(TAppGlobals::Instance().RecentFileList.Entry(0), Path);
    QCOMPARE(Main->MnuMRU[0]->text(), QStringLiteral("&0 ") + Path);
    QStringList Kinds;
    for (const TAskedCall &Call : Person->Calls())
        Kinds << Call.Kind;
    QCOMPARE(Kinds, QStringList({ "SelectSaveFile", "ShowWaitMessage", "HideWaitMessage", "MsgBox" }));
    QCOMPARE(
        Person->Calls().at(1).Text, QStringLiteral("Saving ") + Path + QStringLiteral(" as Acme 2025.W225"));
    QCOMPARE(Person->WaitCursorShown(), 1);
}

void TstFrmMain::saveAsOverAnExistingPair_data()
{
    QTest::addColumn<int>("Answer");
    QTest::newRow("cancel keeps everything") << 2;
    QTest::newRow("ok replaces the pair") << 1;
}

void TstFrmMain::saveAsOverAnExistingPair()
{
    QFETCH(int, Answer);
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    const QString Other = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Other"), "OTHER");
    const QByteArray OtherBytes = PairBytes(Other);
    Start({ Path });
    Person->AnswerSaveFile(Other);
    Person->AnswerMsgBox(Answer);
    Main->MnuSaveAs->trigger();
    const TAskedCall Question = Person->MessageBoxes().first();
    QCOMPARE(Question.Text, QStringLiteral("This file already exists. Do you want to replace it?"));
    QCOMPARE(Question.Flags, 289);
    QVERIFY(Data->CompanyFileOpen);
    if (Answer == 2) {
        QCOMPARE(PairBytes(Other), OtherBytes);
        QCOMPARE(Data->CurrentW2File, Path);
        QCOMPARE(Person->MessageBoxes().size(), 1);
    } else {
        QCOMPARE(PairBytes(Other), PairBytes(Path));
        QCOMPARE(Data->CurrentW2File, Other);
        QCOMPARE(Main->windowTitle(), NoFileCaption + QStringLiteral(" - ACME"));
    }
}

// The employer record cannot be written back when the pair is closed for
// the copy: nothing is copied, nothing is called saved, and the pair the
// person was working on is open again.
void TstFrmMain::saveAsWhenThePairCannotBeWritten()
{
    Start({ MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME") });
    // An earlier copy that went well must not make this one look as if it did.
    const QString Path = Folder(QStringLiteral("co/Earlier.W225"));
    Person->AnswerSaveFile(Path);
    Main->MnuSaveAs->trigger();
    QCOMPARE(Data->CurrentW2File, Path);
    const QByteArray Original = PairBytes(Path);
    Person->Clear();
    QVERIFY(MakeWritesFail(*Data->RSW3));
    const QString Target = Folder(QStringLiteral("copies/Acme 2025.W225"));
    QDir().mkpath(Folder(QStringLiteral("copies")));
    Person->AnswerSaveFile(Target);
    Main->MnuSaveAs->trigger();
    const QStringList Shown = Person->MessageTexts();
    QCOMPARE(Shown.size(), 1);
    QVERIFY2(Shown.first().contains(W3Of(Path)), qPrintable(Shown.first()));
    QCOMPARE(Person->MessageBoxes().first().Flags, 16);
    QVERIFY(!QFileInfo::exists(Target));
    QVERIFY(!QFileInfo::exists(W3Of(Target)));
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Data->CurrentW2File, Path);
    QCOMPARE(Data->RSW3->FileName(), W3Of(Path));
    QCOMPARE(Main->windowTitle(), NoFileCaption + QStringLiteral(" - ACME"));
    QCOMPARE(PairBytes(Path), Original);
}

// The employer record is not written, but the files are closed: the menus
// must not offer the entry windows on a company that is no longer open.
void TstFrmMain::closeWhenThePairCannotBeWritten_data()
{
    QTest::addColumn<bool>("Leaving");
    QTest::newRow("Close command") << false;
    QTest::newRow("leaving the program, answered No") << true;
}

void TstFrmMain::closeWhenThePairCannotBeWritten()
{
    QFETCH(bool, Leaving);
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    QVERIFY(MakeWritesFail(*Data->RSW3));
    if (Leaving) {
        Person->AnswerMsgBox(1); // the error
        Person->AnswerMsgBox(7); // stay in the program
        QVERIFY(!Main->close());
        QCOMPARE(Person->MessageTexts().size(), 2);
        QCOMPARE(Person->MessageBoxes().last().Flags, 308);
    } else {
        Main->MnuClose->trigger();
        QCOMPARE(Person->MessageTexts().size(), 1);
    }
    QVERIFY(Person->MessageTexts().first().contains(W3Of(Path)));
    QVERIFY(!Data->CompanyFileOpen);
    QVERIFY(!FileCommandsEnabled());
    QVERIFY(!Main->BtnFormW2->isEnabled());
    QCOMPARE(Main->windowTitle(), NoFileCaption);
}

void TstFrmMain::closeAndRecentOrder()
{
    const QString A = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("A"), "ALPHA");
    const QString B = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("B"), "BRAVO");
    Start({ A });
    Main->MnuClose->trigger();
    QVERIFY(!Data->CompanyFileOpen);
    QVERIFY(Data->CurrentW2File.isEmpty());
    QCOMPARE(Main->windowTitle(), NoFileCaption);
    QVERIFY(Main->MessagePanel->isVisible());
    QVERIFY(!FileCommandsEnabled());
    QVERIFY(Main->MnuMRUSeparator->isVisible());

    Main->OpenCompanyFile(B);
    QCOMPARE(TAppGlobals::Instance().RecentFileList.Entries().mid(0, 2), QStringList({ A, QString() }));
    Main->MnuClose->trigger();
    QCOMPARE(TAppGlobals::Instance().RecentFileList.Entries().mid(0, 3), QStringList({ B, A, QString() }));
    QCOMPARE(Main->MnuMRU[0]->text(), QStringLiteral("&0 ") + B);
    QCOMPARE(Main->MnuMRU[1]->text(), QStringLiteral("&1 ") + A);
    QVERIFY(Main->MnuMRU[1]->isVisible());
    QVERIFY(!Main->MnuMRU[2]->isVisible());

    // Reopening through the list; the file reached again goes to the top when closed.
    Main->MnuMRU[1]->trigger();
    QCOMPARE(Data->CurrentW2File, A);
    Main->MnuMRU[1]->trigger();
    QCOMPARE(TAppGlobals::Instance().RecentFileList.Entries().mid(0, 2), QStringList({ A, B }));
    QCOMPARE(Data->CurrentW2File, A);
}

void TstFrmMain::recentPathWithAmpersandShowsItOnce()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("R&D")), QStringLiteral("Labs"), "LABS");
    Start({ Path });
    Main->MnuClose->trigger();
    QString Shown = Path;
    Shown.replace(QStringLiteral("&"), QStringLiteral("&&"));
    QCOMPARE(Main->MnuMRU[0]->text(), QStringLiteral("&0 ") + Shown);
    QCOMPARE(Main->MnuMRU[0]->iconText().count(QLatin1Char('&')), 1);
}

void TstFrmMain::vanishedRecentFileIsReported()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Gone"), "GONE");
    Start({ Path });
    Main->MnuClose->trigger();
    QFile::remove(Path);
    Main->MnuMRU[0]->trigger();
    QCOMPARE(Person->MessageTexts(), QStringList({ "File not found" }));
    QCOMPARE(Person->MessageBoxes().first().Flags, 16);
    QVERIFY(!Data->CompanyFileOpen);
    QCOMPARE(TAppGlobals::Instance().RecentFileList.Entry(0), Path);
}

void TstFrmMain::exitStoresTheRecentList()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    Main->MnuExit->trigger();
    QTRY_VERIFY(!Main->isVisible());
    QVERIFY(!Data->CompanyFileOpen);
    Exit();
    TAppRegistry Registry;
    QCOMPARE(
        Registry.ReadString(QStringLiteral("Software\\QMRKTest\\2025\\RecentFiles"), QStringLiteral("0")),
        Path);

    TAppGlobals::Instance().Reset();
    Start();
    QCOMPARE(Main->MnuMRU[0]->text(), QStringLiteral("&0 ") + Path);
    QVERIFY(Main->MnuMRU[0]->isVisible());
    QVERIFY(Main->MnuMRUSeparator->isVisible());
}

void TstFrmMain::transferClosesTheOpenFile()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    bool CompanyOpenMeanwhile = true;
    WhenModal<TFrmTransfer>([&](TFrmTransfer *Window) {
        CompanyOpenMeanwhile = Data->CompanyFileOpen;
        QTest::mouseClick(Window->BtnCancel, Qt::LeftButton);
    });
    Main->MnuTransfer->trigger();
    QVERIFY(!CompanyOpenMeanwhile);
    QVERIFY(!Data->CompanyFileOpen);
    QVERIFY(!FileCommandsEnabled());
    QVERIFY(Main->MnuTransfer->isEnabled());
    QCOMPARE(Person->MessageTexts(), QStringList());
}

void TstFrmMain::printSetupOpensThePrinterSetupWindow()
{
    Start();
    QString Caption;
    WhenModal<TFrmPrinterSetup>([&Caption](TFrmPrinterSetup *Window) {
        Caption = Window->windowTitle();
        QTest::mouseClick(Window->BtnCancel, Qt::LeftButton);
    });
    Main->MnuPrintSetup->trigger();
    QCOMPARE(Caption, QStringLiteral("Printer Setup"));
    QVERIFY(Person->MessageTexts().isEmpty());
}

void TstFrmMain::irsInstructions_data()
{
    QTest::addColumn<bool>("Present");
    QTest::newRow("beside the program") << true;
    QTest::newRow("missing") << false;
}

void TstFrmMain::irsInstructions()
{
    QFETCH(bool, Present);
    const QString Instructions = Folder(QStringLiteral("prog/Inst W2W3.pdf"));
    if (Present)
        TRecordBytes::WriteFile(Instructions, { QByteArray("%PDF-1.4\n") });
    QList<QUrl> Opened;
    TDesktop::SetOpenUrlForTest([&Opened](const QUrl &Url) { Opened.append(Url); });
    Start();
    Main->MnuIRSInstructions->trigger();
    TDesktop::SetOpenUrlForTest({});
    if (Present) {
        QCOMPARE(Opened, QList<QUrl>({ QUrl::fromLocalFile(Instructions) }));
        QVERIFY(Person->MessageBoxes().isEmpty());
        return;
    }
    QVERIFY(Opened.isEmpty());
    QCOMPARE(Person->MessageTexts(), QStringList({ "The IRS Instructions cannot no be found" }));
    QCOMPARE(Person->MessageBoxes().first().Flags, 16);
    QCOMPARE(Person->MessageBoxes().first().Caption, QStringLiteral("Quillmark W-2 2025"));
}

void TstFrmMain::aboutBox_data()
{
    QTest::addColumn<QString>("Close");
    QTest::addColumn<bool>("OpensWebSite");
    QTest::newRow("click on the web site") << "site" << true;
    QTest::newRow("OK button") << "ok" << false;
    QTest::newRow("Enter") << "enter" << false;
    QTest::newRow("Esc") << "esc" << false;
}

void TstFrmMain::aboutBox()
{
    QFETCH(QString, Close);
    QFETCH(bool, OpensWebSite);
    const QString Meminfo = Folder(QStringLiteral("meminfo"));
    TRecordBytes::WriteFile(Meminfo,
        { QByteArray(
            "MemTotal:       16318412 kB\nMemFree:         1022312 kB\nMemAvailable:    9464678 kB\n") });
    TMemoryStatus::SetMeminfoFileForTest(Meminfo);
    QList<QUrl> Opened;
    TDesktop::SetOpenUrlForTest([&Opened](const QUrl &Url) { Opened.append(Url); });
    Start();
    bool Closed = false;
    WhenModal<TFrmAbout>([&](TFrmAbout *About) {
        QCOMPARE(About->windowTitle(), QStringLiteral("About QMRK"));
        QCOMPARE(About->size(), QSize(390, 345));
        QCOMPARE(About->ProductName->text(), QStringLiteral("Quillmark W-2 2025 (64-bit)"));
        QVERIFY(About->ProductName->font().bold());
        QCOMPARE(About->Version->text(), QStringLiteral("Version 2025.00"));
        QCOMPARE(About->LblWebSite->text(), MakerWebSite());
        QVERIFY(MakerWebSite().startsWith(QLatin1String("https://")));
        QVERIFY(About->LblWebSite->font().underline());
        QCOMPARE(About->LblWebSite->palette().color(QPalette::WindowText), QColor(Qt::blue));
        QCOMPARE(About->LblWebSite->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(About->findChild<QLabel *>(QStringLiteral("LblPhysMem"))->text(),
            QStringLiteral("Physical Memory Available to Windows:"));
        QCOMPARE(About->findChild<QLabel *>(QStringLiteral("LblMemLoad"))->text(),
            QStringLiteral("Memory in Use:"));
        QCOMPARE(About->PhysMem->text(), QStringLiteral("16,318,412 KB"));
        QCOMPARE(About->MemLoad->text(), QStringLiteral("42 %"));
        QVERIFY(About->BtnOK->isDefault());
        if (Close == QLatin1String("site"))
            QTest::mouseClick(About->LblWebSite, Qt::LeftButton);
        else if (Close == QLatin1String("ok"))
            QTest::mouseClick(About->BtnOK, Qt::LeftButton);
        else
            QTest::keyClick(About, Close == QLatin1String("esc") ? Qt::Key_Escape : Qt::Key_Return);
        Closed = !About->isVisible();
    });
    Main->MnuAbout->trigger();
    TMemoryStatus::SetMeminfoFileForTest({});
    TDesktop::SetOpenUrlForTest({});
    QVERIFY(Closed);
    QCOMPARE(Opened, OpensWebSite ? QList<QUrl>({ QUrl(MakerWebSite()) }) : QList<QUrl>());
    QVERIFY(Person->MessageBoxes().isEmpty());
}

// The rows of Shot (the preview's page as shown) where a horizontal line
// crosses the column X inches from the page's left edge, in inches from its
// top edge; the page is the white part of the shot.
QList<double> DarkRowsAt(const QImage &Shot, double X)
{
    const int Middle = Shot.height() / 2;
    int Left = 0, Right = Shot.width() - 1, Top = 0;
    while (Left < Shot.width() && Shot.pixel(Left, Middle) != qRgb(255, 255, 255))
        ++Left;
    while (Right > Left && Shot.pixel(Right, Middle) != qRgb(255, 255, 255))
        --Right;
    const double Dpi = (Right - Left + 1) / 8.5;
    const int Column = Left + qRound(X * Dpi);
    while (Top < Shot.height() && Shot.pixel(Column, Top) != qRgb(255, 255, 255))
        ++Top;
    QList<double> Rows;
    // Below the page lies its shadow.
    const int Bottom = std::min(Shot.height(), Top + int(10.95 * Dpi));
    for (int Y = Top; Y < Bottom; ++Y)
        if (qGray(Shot.pixel(Column, Y)) < 160 && (Y == Top || qGray(Shot.pixel(Column, Y - 1)) >= 160))
            Rows.append((Y - Top) / Dpi);
    return Rows;
}

void TstFrmMain::printLabelsPreviewsTheLabelsWithTheirOutlines()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    Data->RSW2->SetCurrentRecord(2);
    Data->RSW2->GetRec();
    QString Caption;
    int Pages = 0;
    QList<double> Column1, Column3;
    WhenModal<TFrmReportPreview>([&](TFrmReportPreview *Window) {
        Caption = Window->windowTitle();
        Pages = Window->RvRenderPreview->Pages();
        const QImage Shot = Window->PageView->grab().toImage();
        // Through the middle of the first and the third column, clear of
        // the text: only the outlines cross there.
        Column1 = DarkRowsAt(Shot, 0.188 + 2.2);
        Column3 = DarkRowsAt(Shot, 0.188 + 2 * 2.75 + 2.2);
        Window->BtnExit->click();
    });
    Main->MnuPrintLabels->trigger();
    QCOMPARE(Caption, QStringLiteral("Employee Labels Preview (Avery 5160)"));
    QCOMPARE(Pages, 1);
    // The top and bottom edges of the ten labels of each column; a label's
    // bottom edge and the next one's top coincide.
    for (const QList<double> &Rows : { Column1, Column3 }) {
        QCOMPARE(Rows.size(), 11);
        for (int I = 0; I < Rows.size(); ++I)
            QVERIFY2(qAbs(Rows[I] - (0.5 + I)) < 0.03, qPrintable(QString::number(Rows[I])));
    }
    QCOMPARE(Data->RSW2->CurrentRecord(), 2);
    QCOMPARE(Data->CurrentEmployee.FirstName(), QStringLiteral("BOB"));
}

void TstFrmMain::SetPasswordThroughWindow(const QString &First, const QString &Second)
{
    WhenModal<TFrmPassword>([First, Second](TFrmPassword *Window) {
        QCOMPARE(Window->windowTitle(), QStringLiteral("Set/Change Password"));
        Window->PW1->selectAll();
        QTest::keyClick(Window->PW1, Qt::Key_Backspace);
        QTest::keyClicks(Window->PW1, First);
        QTest::keyClick(Window->PW1, Qt::Key_Return);
        QTRY_VERIFY(Window->PW2->hasFocus());
        QTest::keyClicks(Window->PW2, Second);
        QTest::mouseClick(Window->BtnOk, Qt::LeftButton);
    });
    Main->MnuPassword->trigger();
}

void TstFrmMain::passwordIsAskedOnceAtTheNextOpen_data()
{
    QTest::addColumn<QVariant>("Typed"); // a string, or nothing for Cancel
    QTest::addColumn<bool>("Opens");
    QTest::addColumn<QStringList>("Messages");
    QTest::newRow("right") << QVariant(QStringLiteral("Secret7")) << true << QStringList();
    QTest::newRow("wrong") << QVariant(QStringLiteral("Secret8")) << false
                           << QStringList({ "Incorrect Password" });
    QTest::newRow("letter case wrong")
        << QVariant(QStringLiteral("secret7")) << false << QStringList({ "Incorrect Password" });
    QTest::newRow("cancelled") << QVariant() << false << QStringList();
}

void TstFrmMain::passwordIsAskedOnceAtTheNextOpen()
{
    QFETCH(QVariant, Typed);
    QFETCH(bool, Opens);
    QFETCH(QStringList, Messages);
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    SetPasswordThroughWindow(QStringLiteral("Secret7"), QStringLiteral("Secret7"));
    QCOMPARE(Data->CurrentEmployer.FilePassword(), EncodePassword(QStringLiteral("Secret7")));
    QCOMPARE(TRecordBytes::ReadFile(W3Of(Path)).mid(FilePasswordOffset, 8),
        QByteArray("\x07") + EncodePassword(QStringLiteral("Secret7")).toLatin1());
    QCOMPARE(AskedPasswords(), 0);
    Main->MnuClose->trigger();
    const QByteArray Closed = PairBytes(Path);

    Person->AnswerPassword(Typed.isValid() ? std::optional<QString>(Typed.toString()) : std::nullopt);
    Main->MnuMRU[0]->trigger();
    QCOMPARE(AskedPasswords(), 1);
    QCOMPARE(Person->MessageTexts(), Messages);
    QCOMPARE(Data->CompanyFileOpen, Opens);
    QCOMPARE(Main->MessagePanel->isVisible(), !Opens);
    QCOMPARE(FileCommandsEnabled(), Opens);
    if (!Opens) {
        QCOMPARE(PairBytes(Path), Closed);
        QCOMPARE(Main->windowTitle(), NoFileCaption);
    }
}

void TstFrmMain::passwordRules_data()
{
    QTest::addColumn<QString>("First");
    QTest::addColumn<QString>("Second");
    QTest::addColumn<QString>("Message");
    QTest::addColumn<QString>("Stored");
    QTest::newRow("four characters refused") << "Ab1c"
                                             << "Ab1c"
                                             << "The Password cannot be less than 5 characters"
                                             << "";
    QTest::newRow("five accepted") << "Ab1cd"
                                   << "Ab1cd"
                                   << ""
                                   << "Ab1cd";
    QTest::newRow("twelve accepted") << "Abcdef123456"
                                     << "Abcdef123456"
                                     << ""
                                     << "Abcdef123456";
    QTest::newRow("thirteenth cannot be typed") << "Abcdef1234567"
                                                << "Abcdef123456"
                                                << ""
                                                << "Abcdef123456";
    QTest::newRow("fields differ") << "Abcdef1"
                                   << "abcdef1"
                                   << "The Password and Confirmation fields don't match"
                                   << "";
}

void TstFrmMain::passwordRules()
{
    QFETCH(QString, First);
    QFETCH(QString, Second);
    QFETCH(QString, Message);
    QFETCH(QString, Stored);
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    SetPasswordThroughWindow(First, Second);
    if (!Message.isEmpty()) {
        QCOMPARE(Person->MessageTexts(), QStringList({ Message }));
        QCOMPARE(Person->MessageBoxes().first().Flags, 16);
        QVERIFY(Data->CurrentEmployer.FilePassword().isEmpty());
        return;
    }
    QVERIFY(Person->MessageBoxes().isEmpty());
    QCOMPARE(DecodePassword(Data->CurrentEmployer.FilePassword()), Stored);
}

void TstFrmMain::passwordTypingIsFiltered()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    QString Seen;
    WhenModal<TFrmPassword>([&Seen](TFrmPassword *Window) {
        QTest::keyClicks(Window->PW1, QStringLiteral("a-b c!9_Z"));
        QTest::keyClick(Window->PW1, Qt::Key_Escape);
        Seen = Window->PW1->text();
        QVERIFY(Window->isVisible());
        QTest::mouseClick(Window->BtnCancel, Qt::LeftButton);
    });
    Main->MnuPassword->trigger();
    QCOMPARE(Seen, QStringLiteral("abc9Z"));
    QVERIFY(Data->CurrentEmployer.FilePassword().isEmpty());
}

void TstFrmMain::blankFirstFieldRemovesThePassword()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME",
        EncodePassword(QStringLiteral("Secret7")).toLatin1());
    Person->AnswerPassword(QStringLiteral("Secret7"));
    Start({ Path });
    QString Shown;
    WhenModal<TFrmPassword>([&Shown](TFrmPassword *Window) {
        Shown = Window->PW1->text();
        Window->PW1->clear();
        QTest::keyClicks(Window->PW2, QStringLiteral("Whatever1"));
        QTest::mouseClick(Window->BtnOk, Qt::LeftButton);
    });
    Main->MnuPassword->trigger();
    QCOMPARE(Shown, QStringLiteral("Secret7"));
    QVERIFY(Data->CurrentEmployer.FilePassword().isEmpty());
    QCOMPARE(TRecordBytes::ReadFile(W3Of(Path)).at(FilePasswordOffset), '\0');
    Main->MnuClose->trigger();
    Main->MnuMRU[0]->trigger();
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(AskedPasswords(), 1);
}

void TstFrmMain::copiesReopenWithoutAskingThePassword()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME",
        EncodePassword(QStringLiteral("Secret7")).toLatin1());
    Person->AnswerPassword(QStringLiteral("Secret7"));
    Start({ Path });
    QCOMPARE(AskedPasswords(), 1);

    Person->AnswerSaveFile(Folder(QStringLiteral("co/Copy.W225")));
    Main->MnuSaveAs->trigger();
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Data->CurrentEmployer.FilePassword(), EncodePassword(QStringLiteral("Secret7")));

    QDir().mkpath(Folder(QStringLiteral("usb")));
    WhenModal<TFrmBackupRestore>([this](TFrmBackupRestore *Dialog) {
        Dialog->Path->setText(Folder(QStringLiteral("usb")));
        QTest::mouseClick(Dialog->BtnOk, Qt::LeftButton);
    });
    Main->MnuBackup->trigger();
    WhenModal<TFrmBackupRestore>(
        [](TFrmBackupRestore *Dialog) { QTest::mouseClick(Dialog->BtnOk, Qt::LeftButton); });
    Main->MnuRestore->trigger();
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(AskedPasswords(), 1);
    QCOMPARE(Person->MessageTexts(),
        QStringList({ "Files have been successfully saved", "Backup completed successfully",
            "File restore completed successfully" }));
}

void TstFrmMain::backupThenRestoreRoundTrip()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    QString Offered;
    WhenModal<TFrmBackupRestore>([this, &Offered](TFrmBackupRestore *Dialog) {
        QCOMPARE(Dialog->windowTitle(), QStringLiteral("Quillmark W-2 File Backup"));
        Offered = Dialog->Path->text();
        Person->AnswerSelectFolder(Folder(QStringLiteral("usb")));
        QTest::mouseClick(Dialog->BtnBrowse, Qt::LeftButton);
        QCOMPARE(Dialog->Path->text(), Folder(QStringLiteral("usb")));
        QTest::mouseClick(Dialog->BtnOk, Qt::LeftButton);
    });
    QDir().mkpath(Folder(QStringLiteral("usb")));
    Main->MnuBackup->trigger();
    QVERIFY(Offered.isEmpty());
    const QByteArray AtBackup = PairBytes(Path);
    QCOMPARE(PairBytes(Folder(QStringLiteral("usb/Acme.W225"))), AtBackup);
    QCOMPARE(Person->MessageTexts(), QStringList({ "Backup completed successfully" }));
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Person->Calls().at(0).Kind, QStringLiteral("SelectFolder"));
    QCOMPARE(Person->Calls().at(0).Caption, QStringLiteral("Select the backup to folder"));
    QCOMPARE(Person->Calls().at(1).Text, QStringLiteral("Copying files to ") + Folder(QStringLiteral("usb")));

    Data->CurrentEmployer.SetEmployerName(QStringLiteral("CHANGED"));
    Data->RSW3->PostRec();
    Main->UpdateFormCaption();
    QVERIFY(PairBytes(Path) != AtBackup);

    WhenModal<TFrmBackupRestore>([this, &Offered](TFrmBackupRestore *Dialog) {
        QCOMPARE(Dialog->windowTitle(), QStringLiteral("Quillmark W-2 Restore File Backup"));
        Offered = Dialog->Path->text();
        QTest::mouseClick(Dialog->BtnOk, Qt::LeftButton);
    });
    Data->FormsReviewState = 2;
    Main->MnuRestore->trigger();
    QCOMPARE(Offered, Folder(QStringLiteral("usb")));
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Data->FormsReviewState, 0);
    QCOMPARE(Main->windowTitle(), NoFileCaption + QStringLiteral(" - ACME"));
    QCOMPARE(Person->MessageTexts().last(), QStringLiteral("File restore completed successfully"));
    Main->MnuClose->trigger();
    QCOMPARE(PairBytes(Path), AtBackup);
}

void TstFrmMain::restoreFromAFolderWithOtherNamesFails()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    MakeCompany(Folder(QStringLiteral("usb")), QStringLiteral("Other"), "OTHER");
    Start({ Path });
    const QByteArray Before = PairBytes(Path);
    WhenModal<TFrmBackupRestore>([this](TFrmBackupRestore *Dialog) {
        Dialog->Path->setText(Folder(QStringLiteral("usb")));
        QTest::mouseClick(Dialog->BtnOk, Qt::LeftButton);
    });
    Main->MnuRestore->trigger();
    QCOMPARE(Person->MessageBoxes().size(), 1);
    const TAskedCall Error = Person->MessageBoxes().first();
    QCOMPARE(Error.Text,
        QStringLiteral("The following error occured during the copy file process:\rNo such file or "
                       "directory"));
    QCOMPARE(Error.Flags, 16);
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Data->CurrentW2File, Path);
    QCOMPARE(Main->windowTitle(), NoFileCaption + QStringLiteral(" - ACME"));
    QCOMPARE(PairBytes(Path), Before);
}

void TstFrmMain::failedPairCopyLeavesTheTargetPair_data()
{
    QTest::addColumn<QString>("Command");
    QTest::addColumn<QString>("Reason");
    // The backup holds only the employee file: nothing may be copied.
    QTest::newRow("restore, employer file missing in the backup") << "restore"
                                                                  << "No such file or directory";
    QTest::newRow("backup, employer file's place taken by a folder") << "backup"
                                                                     << "Is a directory";
    QTest::newRow("save as, employer file's place taken by a folder") << "save as"
                                                                      << "Is a directory";
}

// A pair copy that fails on its second file must leave the pair it was to
// replace exactly as it was: never an employee file of one copy beside the
// employer file of another.
void TstFrmMain::failedPairCopyLeavesTheTargetPair()
{
    QFETCH(QString, Command);
    QFETCH(QString, Reason);
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    const QString Usb = Folder(QStringLiteral("usb"));
    const QString Old = MakeCompany(Usb, QStringLiteral("Acme"), "OLD BACKUP");
    TRecordBytes::WriteFile(Old, { EmployeeBytes("OLDANN") });
    QVERIFY(QFile::remove(W3Of(Old)));
    if (Command != QLatin1String("restore"))
        QVERIFY(QDir().mkpath(W3Of(Old)));
    const QByteArray Open = PairBytes(Path);
    const QByteArray Employees = TRecordBytes::ReadFile(Old);
    const QStringList UsbFiles = FilesIn(Usb);
    const QStringList CompanyFiles = FilesIn(Folder(QStringLiteral("co")));
    Start({ Path });
    if (Command == QLatin1String("save as")) {
        Person->AnswerSaveFile(Old);
        Person->AnswerMsgBox(MsgResult::Ok); // replace it
        Main->MnuSaveAs->trigger();
    } else {
        WhenModal<TFrmBackupRestore>([Usb](TFrmBackupRestore *Dialog) {
            Dialog->Path->setText(Usb);
            QTest::mouseClick(Dialog->BtnOk, Qt::LeftButton);
        });
        (Command == QLatin1String("backup") ? Main->MnuBackup : Main->MnuRestore)->trigger();
    }
    const QStringList Shown = Person->MessageTexts();
    QCOMPARE(Shown.size(), Command == QLatin1String("save as") ? 2 : 1);
    QCOMPARE(
        Shown.last(), QStringLiteral("The following error occured during the copy file process:\r") + Reason);
    QCOMPARE(Person->MessageBoxes().last().Flags, 16);
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Data->CurrentW2File, Path);
    Main->MnuClose->trigger();
    QCOMPARE(PairBytes(Path), Open);
    QCOMPARE(TRecordBytes::ReadFile(Old), Employees);
    QCOMPARE(FilesIn(Usb), UsbFiles);
    QCOMPARE(FilesIn(Folder(QStringLiteral("co"))), CompanyFiles);
}

// Pictures of the main window for a person to look at, when a folder is given.
namespace {

// Two employees the fixture company does not have, with their own state line.
const QByteArray ImportFile = "EmployeeSSN,FirstName,LastName,StreetAddress,City,State,ZipCode,Box1Wages,"
                              "Box15State_a,StateID_a\r\n"
                              "234-56-7890,Cy,Day,3 Oak Ave,Austin,TX,78701,1000,TX,55\r\n"
                              "345-67-8901,Di,Eve,4 Ash Ct,Austin,tx,78702,\"2,000.50\",TX,55\r\n";

QString WriteImportFile(const QString &Path)
{
    QFile File(Path);
    if (!File.open(QIODevice::WriteOnly) || File.write(ImportFile) != ImportFile.size())
        qFatal("cannot write %s", qPrintable(Path));
    return Path;
}

} // namespace

void TstFrmMain::importEmployeesThroughTheMenu()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    const QByteArray Before = TRecordBytes::ReadFile(Path);
    Start({ Path });
    Data->RecordIndexDirty = false;
    Data->FormsReviewState = 2;
    Person->AnswerOpenFile(WriteImportFile(Folder(QStringLiteral("payroll.csv"))));
    bool Previewed = false;
    WhenModal<TFrmImportPreview>([&Previewed](TFrmImportPreview *Window) {
        Previewed = true;
        QCOMPARE(Window->GrdRows->rowCount(), 3);
        QTest::mouseClick(Window->BtnImport, Qt::LeftButton);
    });
    Main->MnuImportEmployees->trigger();
    QVERIFY(Previewed);
    QCOMPARE(Person->MessageTexts(), QStringList { "2 employees imported." });
    // Appended after the two employees there, who are left byte for byte.
    const QByteArray After = TRecordBytes::ReadFile(Path);
    QCOMPARE(After.size(), 4 * 480);
    QCOMPARE(After.left(960), Before);
    QVERIFY(Data->CompanyFileOpen);
    QCOMPARE(Data->RSW2->RecordCount(), 4);
    QVERIFY(Data->RecordIndexDirty);
    QCOMPARE(Data->FormsReviewState, 0);
    QVERIFY(FileCommandsEnabled());
    ComputeW3Totals(*Data);
    QCOMPARE(Data->CurrentEmployer.TotalWages(), 3000.5);
    QCOMPARE(Data->CurrentEmployer.FormsW2Count(), 4);
}

void TstFrmMain::cancelledImportLeavesThePair()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    const QByteArray Before = PairBytes(Path);
    Person->AnswerOpenFile(WriteImportFile(Folder(QStringLiteral("payroll.csv"))));
    WhenModal<TFrmImportPreview>(
        [](TFrmImportPreview *Window) { QTest::mouseClick(Window->BtnCancel, Qt::LeftButton); });
    Main->MnuImportEmployees->trigger();
    QCOMPARE(Person->MessageTexts(), QStringList());
    QCOMPARE(PairBytes(Path), Before);
    QCOMPARE(Data->RSW2->RecordCount(), 2);
}

void TstFrmMain::exportEmployeesThroughTheMenu()
{
    const QString Path = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME");
    Start({ Path });
    const QString Csv = Folder(QStringLiteral("out.csv"));
    Person->AnswerSaveFile(Csv);
    Main->MnuExportEmployees->trigger();
    QCOMPARE(Person->MessageTexts(), QStringList { "2 employees exported." });
    const QList<QByteArray> Lines = TRecordBytes::ReadFile(Csv).split('\n');
    QCOMPARE(Lines.size(), 4);
    QVERIFY(Lines[0].startsWith("\xEF\xBB\xBF"
                                "EmployeeSSN,ControlNumber,FirstName,"));
    QVERIFY(Lines[1].startsWith(",,ANN,"));
    QVERIFY(Lines[2].startsWith(",,BOB,"));
    QCOMPARE(Lines[3], QByteArray());
}

void TstFrmMain::screenshots()
{
    const QString Target = qEnvironmentVariable("QMRK_SCREENSHOT_DIR");
    if (Target.isEmpty())
        QSKIP("set QMRK_SCREENSHOT_DIR to keep pictures of the main window");
    QString StyleError;
    QVERIFY2(TVisualStyle::Apply(*qApp, StyleError), qPrintable(StyleError));
    Start();
    QVERIFY(Main->grab().save(Target + QStringLiteral("/main-no-file.png")));
    const QString Path
        = MakeCompany(Folder(QStringLiteral("co")), QStringLiteral("Acme"), "ACME HARDWARE & SUPPLY");
    Main->OpenCompanyFile(Path);
    Main->MnuClose->trigger();
    Main->OpenCompanyFile(Path);
    QVERIFY(Main->grab().save(Target + QStringLiteral("/main-company-open.png")));
    Main->MnuFile->popup(Main->mapToGlobal(QPoint(0, 20)));
    QTRY_VERIFY(Main->MnuFile->isVisible());
    QVERIFY(Main->MnuFile->grab().save(Target + QStringLiteral("/main-file-menu.png")));
    Main->MnuFile->close();

    const auto Picture = [Target](QWidget *Window, const QString &Name) {
        QVERIFY(Window->grab().save(Target + QLatin1Char('/') + Name));
    };
    WhenModal<TFrmNewFileDlg>([&](TFrmNewFileDlg *Dialog) {
        QTest::keyClicks(Dialog->NewFileName, QStringLiteral("Acme Payroll"));
        Picture(Dialog, QStringLiteral("dialog-new-file.png"));
        Dialog->reject();
    });
    Main->MnuNew->trigger();
    WhenModal<TFrmPassword>([&](TFrmPassword *Window) {
        QTest::keyClicks(Window->PW1, QStringLiteral("Secret7"));
        Picture(Window, QStringLiteral("dialog-password.png"));
        Window->reject();
    });
    Main->MnuPassword->trigger();
    WhenModal<TFrmBackupRestore>([&](TFrmBackupRestore *Dialog) {
        Dialog->Path->setText(QStringLiteral("/media/usb"));
        Picture(Dialog, QStringLiteral("dialog-backup.png"));
        Dialog->reject();
    });
    Main->MnuBackup->trigger();
    WhenModal<TFrmAbout>([&](TFrmAbout *About) {
        Picture(About, QStringLiteral("dialog-about.png"));
        About->reject();
    });
    Main->MnuAbout->trigger();
}

QMRK_GUI_TEST_MAIN(TstFrmMain)
#include "tst_frmmain.moc"
