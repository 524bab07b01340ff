#include "TFrmMain.h"

#include "TFrmReportPreview.h"
#include "TRvProject.h"
#include "TW2LabelPrinting.h"
#include "TaxFormsProject.h"

#include "AppInfo.h"
#include "CompanyFiles.h"
#include "EException.h"
#include "EmployeeExport.h"
#include "FileUtils.h"
#include "MsgBox.h"
#include "ShellRules.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "TApplication.h"
#include "TCompanyDump.h"
#include "TDataModulePrintSource.h"
#include "TDesktop.h"
#include "TEmployeeImport.h"
#include "TFilterEdit.h"
#include "TFrmAbout.h"
#include "TFrmBackupRestore.h"
#include "TFrmDataModule.h"
#include "TFrmEFW2.h"
#include "TFrmImportPreview.h"
#include "TFrmNewFileDlg.h"
#include "TFrmPassword.h"
#include "TFrmPrinterSetup.h"
#include "TFrmTransfer.h"
#include "TFrmW2.h"
#include "TFrmW3.h"
#include "TFrmWelcome.h"
#include "THelpSystem.h"
#include "TRecordSet.h"
#include "TUserInteraction.h"
#include "TWebUpdate.h"
#include "TextUtils.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString CsvFilter = QStringLiteral("CSV Files (*.csv *.CSV)");
// A spreadsheet of 10,000 employees is a few megabytes; this is room enough.
constexpr qint64 MaxCsvSize = 256 * 1024 * 1024;

QString CompanyFilter()
{
    const QString Mask = QLatin1Char('*') + W2FileExtension();
    return QStringLiteral("Quillmark W-2 Files (%1 %2)").arg(Mask, Mask.toLower());
}

QString MainCaption()
{
    return QStringLiteral("Quillmark W-2 Version ") + VersionText();
}
constexpr int ClientWidth = 624;
constexpr int ClientHeight = 437;

QString RecentFilesKey()
{
    return TAppGlobals::Instance().RegBaseKey + QStringLiteral("RecentFiles");
}

} // namespace

TFrmMain::TFrmMain(const QStringList &Arguments, QWidget *Parent)
    : QMainWindow(Parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , FArguments(Arguments)
    , FLabels(std::make_unique<TW2LabelPrinting>())
{
    FLabels->RptW2Labels.OnOverridePreview = [this](TRvSystem &System, int Mode, QObject *&Form) {
        ReportSystemOverridePreview(System, Mode, Form);
    };
    setObjectName(QStringLiteral("FrmMain"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/program.svg")));
    THelpSystem::SetHelpContext(this, 1);
    CreateMenus();
    CreateToolBar();
    CreateMessagePanel();
    setWindowTitle(MainCaption());
    setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    if (const QScreen *Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());
}

TFrmMain::~TFrmMain() = default;

QAction *TFrmMain::AddItem(QMenu *Menu, const char *Name, const QString &Caption,
    const QKeySequence &Shortcut, int HelpContext, void (TFrmMain::*Handler)())
{
    QAction *Item = Menu->addAction(Caption);
    Item->setObjectName(QLatin1String(Name));
    Item->setShortcut(Shortcut);
    if (HelpContext > 0)
        Item->setProperty("HelpContext", HelpContext);
    if (Handler)
        connect(Item, &QAction::triggered, this,
            [this, Handler] { TApplication::RunCommand([this, Handler] { (this->*Handler)(); }); });
    return Item;
}

void TFrmMain::CreateMenus()
{
    MnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    MnuFile->setObjectName(QStringLiteral("MnuFile"));
    MnuOpen = AddItem(MnuFile, "MnuOpen", QStringLiteral("&Open ..."), QKeySequence(QStringLiteral("Ctrl+O")),
        2, &TFrmMain::MnuOpenClick);
    MnuNew = AddItem(MnuFile, "MnuNew", QStringLiteral("&New ..."), QKeySequence(QStringLiteral("Ctrl+N")), 3,
        &TFrmMain::MnuNewClick);
    MnuSaveAs = AddItem(MnuFile, "MnuSaveAs", QStringLiteral("Save &As ..."),
        QKeySequence(QStringLiteral("Ctrl+A")), 4, &TFrmMain::MnuSaveAsClick);
    MnuBackup = AddItem(MnuFile, "MnuBackup", QStringLiteral("&Backup ..."),
        QKeySequence(QStringLiteral("Ctrl+B")), 5, &TFrmMain::MnuBackupClick);
    MnuRestore = AddItem(MnuFile, "MnuRestore", QStringLiteral("&Restore ..."),
        QKeySequence(QStringLiteral("Ctrl+R")), 6, &TFrmMain::MnuRestoreClick);
    MnuClose = AddItem(MnuFile, "MnuClose", QStringLiteral("&Close Employer File"),
        QKeySequence(QStringLiteral("Ctrl+F4")), 0, &TFrmMain::MnuCloseClick);
    MnuFile->addSeparator();
    MnuImportEmployees = AddItem(MnuFile, "MnuImportEmployees", QStringLiteral("&Import Employees ..."), {},
        0, &TFrmMain::MnuImportEmployeesClick);
    MnuExportEmployees = AddItem(MnuFile, "MnuExportEmployees", QStringLiteral("Ex&port Employees ..."), {},
        0, &TFrmMain::MnuExportEmployeesClick);
    MnuFile->addSeparator();
    MnuPrintSetup = AddItem(
        MnuFile, "MnuPrintSetup", QStringLiteral("Print &Setup"), {}, 7, &TFrmMain::MnuPrintSetupClick);
    MnuPrintLabels = AddItem(
        MnuFile, "MnuPrintLabels", QStringLiteral("Print &Labels"), {}, 8, &TFrmMain::MnuPrintLabelsClick);
    MnuFile->addSeparator();
    for (int I = 0; I < 10; ++I) {
        QAction *Item = MnuFile->addAction(QString());
        Item->setObjectName(QStringLiteral("MnuMRU%1").arg(I));
        Item->setData(I);
        Item->setVisible(false);
        connect(Item, &QAction::triggered, this,
            [this, I] { TApplication::RunCommand([this, I] { MnuMRUClick(I); }); });
        MnuMRU.append(Item);
    }
    MnuMRUSeparator = MnuFile->addSeparator();
    MnuMRUSeparator->setObjectName(QStringLiteral("MnuMRUSeparator"));
    MnuMRUSeparator->setVisible(false);
    MnuExit = AddItem(MnuFile, "MnuExit", QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+X")), 0,
        &TFrmMain::MnuExitClick);

    MnuForms = menuBar()->addMenu(QStringLiteral("F&orms"));
    MnuForms->setObjectName(QStringLiteral("MnuForms"));
    MnuFormW2 = AddItem(MnuForms, "MnuFormW2", QStringLiteral("Form W-&2"), {}, 9, &TFrmMain::MnuFormW2Click);
    MnuFormW3
        = AddItem(MnuForms, "MnuFormW3", QStringLiteral("Form W-&3"), {}, 10, &TFrmMain::MnuFormW3Click);

    MnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    MnuTools->setObjectName(QStringLiteral("MnuTools"));
    MnuTransfer
        = AddItem(MnuTools, "MnuTransfer", QStringLiteral("&Transfer"), {}, 12, &TFrmMain::MnuTransferClick);
    MnuTools->addSeparator();
    MnuEFW2 = AddItem(MnuTools, "MnuEFW2", QStringLiteral("&EFW2 Module"), {}, 19, &TFrmMain::MnuEFW2Click);
    MnuTools->addSeparator();
    MnuPassword = AddItem(
        MnuTools, "MnuPassword", QStringLiteral("&Password ..."), {}, 14, &TFrmMain::MnuPasswordClick);

    MnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    MnuHelp->setObjectName(QStringLiteral("MnuHelp"));
    MnuContents = AddItem(MnuHelp, "MnuContents", QStringLiteral("&Contents"), {}, 0, nullptr);
    connect(MnuContents, &QAction::triggered, this, [] { THelpSystem::ShowTopic(1); });
    MnuTechnicalSupport
        = AddItem(MnuHelp, "MnuTechnicalSupport", QStringLiteral("&Technical Support"), {}, 0, nullptr);
    connect(MnuTechnicalSupport, &QAction::triggered, this, [] { THelpSystem::ShowTopic(15); });
    MnuLicenseAgreement
        = AddItem(MnuHelp, "MnuLicenseAgreement", QStringLiteral("&License Agreement"), {}, 0, nullptr);
    connect(MnuLicenseAgreement, &QAction::triggered, this, [] { THelpSystem::ShowTopic(17); });
    MnuIRSInstructions = AddItem(MnuHelp, "MnuIRSInstructions", QStringLiteral("&IRS Instructions"), {}, 0,
        &TFrmMain::MnuIRSInstructionsClick);
    MnuHelp->addSeparator();
    MnuWebUpdate = AddItem(
        MnuHelp, "MnuWebUpdate", QStringLiteral("&Web Update"), {}, 0, &TFrmMain::MnuWebUpdateClick);
    MnuHelp->addSeparator();
    MnuAbout = AddItem(MnuHelp, "MnuAbout", QStringLiteral("About ..."), {}, 1, &TFrmMain::MnuAboutClick);
}

QToolButton *TFrmMain::AddButton(const char *Name, const QString &Hint, const QString &Icon, QAction *Command)
{
    auto *Button = new QToolButton(this);
    Button->setObjectName(QLatin1String(Name));
    Button->setIcon(QIcon(QStringLiteral(":/icons/") + Icon));
    Button->setIconSize(QSize(24, 24));
    Button->setFixedSize(32, 32);
    Button->setAutoRaise(true);
    Button->setToolTip(Hint);
    Button->setAccessibleName(Hint);
    Button->setFocusPolicy(Qt::NoFocus);
    connect(Button, &QToolButton::clicked, Command, &QAction::trigger);
    return Button;
}

void TFrmMain::CreateToolBar()
{
    auto *Bar = new QToolBar(this);
    Bar->setObjectName(QStringLiteral("ToolBar"));
    Bar->setMovable(false);
    Bar->setFloatable(false);
    Bar->setFixedHeight(34);
    Bar->toggleViewAction()->setEnabled(false);
    addToolBar(Qt::TopToolBarArea, Bar);
    BtnNew = AddButton("BtnNew", QStringLiteral("New"), QStringLiteral("new.svg"), MnuNew);
    BtnOpen = AddButton("BtnOpen", QStringLiteral("Open"), QStringLiteral("open.svg"), MnuOpen);
    BtnSaveAs = AddButton("BtnSaveAs", QStringLiteral("Save As"), QStringLiteral("saveas.svg"), MnuSaveAs);
    BtnBackup = AddButton("BtnBackup", QStringLiteral("Backup"), QStringLiteral("backup.svg"), MnuBackup);
    BtnRestore
        = AddButton("BtnRestore", QStringLiteral("Restore"), QStringLiteral("restore.svg"), MnuRestore);
    BtnFormW2 = AddButton("BtnFormW2", QStringLiteral("Form W-2"), QStringLiteral("formw2.svg"), MnuFormW2);
    BtnFormW3 = AddButton("BtnFormW3", QStringLiteral("Form W-3"), QStringLiteral("formw3.svg"), MnuFormW3);
    BtnHelp = AddButton("BtnHelp", QStringLiteral("Help"), QStringLiteral("help.svg"), MnuContents);
    for (QToolButton *Button :
        { BtnNew, BtnOpen, BtnSaveAs, BtnBackup, BtnRestore, BtnFormW2, BtnFormW3, BtnHelp })
        Bar->addWidget(Button);
}

void TFrmMain::CreateMessagePanel()
{
    auto *Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(Client);
    MessagePanel = new QFrame(Client);
    MessagePanel->setObjectName(QStringLiteral("MessagePanel"));
    MessagePanel->setFixedSize(320, 117);
    MessagePanel->setAutoFillBackground(true);
    MessagePanel->setStyleSheet(
        QStringLiteral("#MessagePanel { background: #008080; }"
                       "#MessagePanel QLabel { color: #ffffff; background: transparent; }"));
    auto *Title = new QLabel(QStringLiteral("There is no Payer file open"), MessagePanel);
    Title->setObjectName(QStringLiteral("LblNoFile"));
    QFont Large = Title->font();
    Large.setBold(true);
    Large.setPointSizeF(Large.pointSizeF() * 1.3);
    Title->setFont(Large);
    Title->setAlignment(Qt::AlignCenter);
    auto *Layout = new QVBoxLayout(MessagePanel);
    Layout->setContentsMargins(10, 8, 8, 10);
    Layout->addWidget(Title);
    for (const char *Line : { "To create a new payer, select New from the File menu.",
             "To open an existing payer, select Open from the File menu." }) {
        auto *Text = new QLabel(QStringLiteral("\u25AA  ") + QLatin1String(Line), MessagePanel);
        QFont Small = Text->font();
        Small.setPointSizeF(Small.pointSizeF() * 0.85);
        Text->setFont(Small);
        Text->setWordWrap(true);
        Layout->addWidget(Text);
    }
    auto *Centre = new QVBoxLayout(Client);
    Centre->addStretch();
    Centre->addWidget(MessagePanel, 0, Qt::AlignHCenter);
    Centre->addStretch();
}

TFrmDataModule &TFrmMain::Data() const
{
    return *TFrmDataModule::Instance();
}

void TFrmMain::showEvent(QShowEvent *Event)
{
    QMainWindow::showEvent(Event);
    if (!FStarted) {
        FStarted = true;
        TApplication::RunCommand([this] { FormShow(); });
    }
}

void TFrmMain::FormShow()
{
    TAppGlobals &Globals = TAppGlobals::Instance();
    Globals.MaskEmployeeSSN = true;
    Globals.AppRegistry = std::make_unique<TAppRegistry>();
    if (const QString Problem = Globals.AppRegistry->Problem(); !Problem.isEmpty())
        MsgBox(Problem, AppTitle(), MsgFlag::IconWarning);
    Globals.MasterList.clear();
    Globals.ProgramDir = TDesktop::ProgramDir();
    Globals.DataDir = PrepareDataDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    Globals.RegBaseKey = RegBaseKey(IsDevEnvironmentRunning());
    QDir::setCurrent(Globals.ProgramDir);
    TaxFormsProject().ProjectFile = Globals.ProgramDir + TaxFormsFileName();

    TFrmWelcome Welcome;
    Welcome.ShowFor(TDesktop::WelcomePauseMs());
    Welcome.close();

    DeleteUpdateLeftovers(Globals.ProgramDir);
    setWindowTitle(MainCaption());
    // The record sizes are the data module's, set when it made the two sets.
    TFrmDataModule &Module = Data();
    connect(&Module, &TFrmDataModule::RecentFileClosed, this,
        [](const QString &Path) { TAppGlobals::Instance().RecentFileList.AddRecentFile(Path); });
    connect(&Module, &TFrmDataModule::RecentMenuNeedsRefresh, this, &TFrmMain::RefreshRecentMenu);
    EnableMenuItems(false);
    Module.RSW2->SetMaxRec(10000);
    MnuTransfer->setEnabled(true);
    Globals.RecentFileList.Load(*Globals.AppRegistry, RecentFilesKey());
    RefreshRecentMenu();

    const QString CommandLineFile = CommandLineCompanyFile(FArguments);
    if (!CommandLineFile.isEmpty())
        OpenCompanyFile(CommandLineFile);
}

void TFrmMain::closeEvent(QCloseEvent *Event)
{
    if (Shutdown()) {
        Event->accept();
        return;
    }
    // The company could not be written back: closing now would lose what it holds.
    if (MsgBox(QStringLiteral("The company file could not be written.~Close the program anyway? Changes not "
                              "written will be lost."),
            AppTitle(), MsgFlag::YesNo | MsgFlag::IconWarning | MsgFlag::DefaultButton2)
        == MsgResult::Yes) {
        Event->accept();
        return;
    }
    // The files may have been closed all the same; the menus show what is open.
    UpdateFormCaption();
    EnableMenuItems(Data().CompanyFileOpen);
    Event->ignore();
}

// False when the open company could not be written back; the error was shown.
bool TFrmMain::Shutdown()
{
    TAppGlobals &Globals = TAppGlobals::Instance();
    try {
        if (TFrmDataModule::Instance())
            Data().CloseCompany();
    } catch (const EException &Error) {
        TApplication::ShowException(Error.Message());
        return false;
    }
    QFile::remove(QDir::current().filePath(QStringLiteral("QMRK.RPT")));
    if (Globals.AppRegistry) {
        Globals.RecentFileList.Store(*Globals.AppRegistry, RecentFilesKey());
        if (!Globals.AppRegistry->Flush())
            MsgBox(QStringLiteral("The list of recent files could not be stored in ")
                    + Globals.AppRegistry->FileName(),
                AppTitle(), MsgFlag::IconWarning);
    }
    Globals.AppRegistry.reset();
    Globals.MasterList.clear();
    return true;
}

void TFrmMain::MnuIRSInstructionsClick()
{
    const QString Instructions = TAppGlobals::Instance().ProgramDir + QStringLiteral("Inst W2W3.pdf");
    if (QFile::exists(Instructions))
        TDesktop::OpenUrl(QUrl::fromLocalFile(Instructions));
    else
        MsgBox(QStringLiteral("The IRS Instructions cannot no be found"), AppTitle(), MsgFlag::IconError);
}

void TFrmMain::MnuWebUpdateClick()
{
    // The setup program runs now; it replaces the program once this one has gone.
    if (TWebUpdate::Run())
        close();
}

void TFrmMain::MnuAboutClick()
{
    TFrmAbout About(this);
    About.exec();
}

void TFrmMain::EnableMenuItems(bool EnableIt)
{
    for (QAction *Item : { MnuSaveAs, MnuBackup, MnuRestore, MnuClose, MnuImportEmployees, MnuExportEmployees,
             MnuPrintLabels, MnuEFW2, MnuPassword })
        Item->setEnabled(EnableIt);
    MnuForms->menuAction()->setEnabled(EnableIt);
    MnuFormW2->setEnabled(EnableIt);
    MnuFormW3->setEnabled(EnableIt);
    for (QToolButton *Button : { BtnSaveAs, BtnBackup, BtnRestore, BtnFormW2, BtnFormW3 })
        Button->setEnabled(EnableIt);
    MessagePanel->setVisible(!EnableIt);
}

void TFrmMain::UpdateFormCaption()
{
    const QString Base = MainCaption();
    TFrmDataModule *Module = TFrmDataModule::Instance();
    if (Module && Module->CompanyFileOpen)
        setWindowTitle(
            Base + QStringLiteral(" - ") + DoubleAmpersands(Module->CurrentEmployer.EmployerName()));
    else
        setWindowTitle(Base);
}

void TFrmMain::RefreshRecentMenu()
{
    const TRecentFileList &Recent = TAppGlobals::Instance().RecentFileList;
    for (int I = 0; I < MnuMRU.size(); ++I) {
        const QString Entry = Recent.Entry(I);
        MnuMRU[I]->setText(QStringLiteral("&%1 ").arg(I) + DoubleAmpersands(Entry));
        MnuMRU[I]->setVisible(!Entry.isEmpty());
    }
    MnuMRUSeparator->setVisible(MnuMRU[0]->isVisible());
}

void TFrmMain::OpenCompanyFile(const QString &Path)
{
    TFrmDataModule &Module = Data();
    try {
        Module.OpenCompany(Path);
    } catch (...) {
        UpdateFormCaption();
        EnableMenuItems(Module.CompanyFileOpen);
        throw;
    }
    UpdateFormCaption();
    EnableMenuItems(Module.CompanyFileOpen);
    Module.FormsReviewState = 0;
}

void TFrmMain::RestoreCurrentFolder()
{
    const QString ProgramDir = TAppGlobals::Instance().ProgramDir;
    if (QDir::current().absolutePath().compare(QDir(ProgramDir).absolutePath(), Qt::CaseInsensitive) != 0)
        QDir::setCurrent(ProgramDir);
}

void TFrmMain::MnuOpenClick()
{
    QString Chosen;
    if (TUserInteraction::Current().SelectOpenFile(QStringLiteral("Open Quillmark W-2 File"),
            TAppGlobals::Instance().DataDir, CompanyFilter(), Chosen)) {
        if (!HasCompanyExtension(Chosen))
            MsgBox(QStringLiteral("The selected file is not valid"), AppTitle(), MsgFlag::IconError);
        else
            OpenCompanyFile(Chosen);
    }
    RestoreCurrentFolder();
}

void TFrmMain::MnuNewClick()
{
    TFrmNewFileDlg Dialog(this);
    if (Dialog.exec() != QDialog::Accepted || IsBlank(Dialog.NewFileName->text()))
        return;
    const QString Path = TAppGlobals::Instance().DataDir + Dialog.NewFileName->text() + W2FileExtension();
    if (QFileInfo::exists(Path)) {
        MsgBox(QStringLiteral("File already exists!"), AppTitle(), MsgFlag::IconError);
        return;
    }
    OpenCompanyFile(Path);
    if (!Data().CompanyFileOpen)
        return;
    // The employer first, then the first employee with the employer's state.
    MnuFormW3Click();
    Data().SetNewEmployeeDefaults();
    MnuFormW2Click();
    EnableMenuItems(true);
    Data().FormsReviewState = 0;
}

void TFrmMain::MnuSaveAsClick()
{
    QString Chosen;
    if (!TUserInteraction::Current().SelectSaveFile(QStringLiteral("Save Quillmark W-2 File As"),
            TAppGlobals::Instance().DataDir, CompanyFilter(), Chosen)) {
        RestoreCurrentFolder();
        return;
    }
    const QString TargetName = SaveAsTargetName(Chosen);
    const QString Target = QFileInfo(Chosen).absolutePath() + QLatin1Char('/') + TargetName;
    if (QFileInfo::exists(Target)
        && MsgBox(QStringLiteral("This file already exists. Do you want to replace it?"), AppTitle(),
               MsgFlag::OkCancel | MsgFlag::IconQuestion | MsgFlag::DefaultButton2)
            != MsgResult::Ok) {
        RestoreCurrentFolder();
        return;
    }
    TFrmDataModule &Module = Data();
    const QString Source = Module.CurrentW2File;
    CopyWithPairClosed(
        QStringLiteral("Saving ") + Source + QStringLiteral(" as ") + TargetName,
        [&] { CopyCompanyPair(Source, Target); },
        [&] {
            if (!CopyFailed) {
                MsgBox(QStringLiteral("Files have been successfully saved"), AppTitle(), MsgFlag::Ok);
                Module.CurrentW2File = Target;
            }
        });
    UpdateFormCaption();
    RestoreCurrentFolder();
}

void TFrmMain::CopyWithPairClosed(
    const QString &WaitText, const std::function<void()> &Copy, const std::function<void()> &BeforeReopen)
{
    TFrmDataModule &Module = Data();
    TUserInteraction &Person = TUserInteraction::Current();
    Person.ShowWaitMessage(AppTitle(), WaitText);
    Person.BeginWaitCursor();
    std::exception_ptr Failure;
    // Until a copy is made none is: a close that fails before the copy must
    // not pass for the success of an earlier one.
    CopyFailed = true;
    try {
        Module.RSW2->CloseRecSet();
        Copy();
    } catch (...) {
        Failure = std::current_exception();
    }
    Person.EndWaitCursor();
    Person.HideWaitMessage();
    // A failed close leaves the pair open; there is nothing to reopen then.
    if (!Module.RSW2->Active()) {
        BeforeReopen();
        Module.SkipPasswordCheck = true;
        try {
            Module.OpenCompany(Module.CurrentW2File);
        } catch (...) {
            Module.SkipPasswordCheck = false;
            throw;
        }
        Module.SkipPasswordCheck = false;
    }
    if (Failure)
        std::rethrow_exception(Failure);
}

void TFrmMain::MnuBackupClick()
{
    TFrmDataModule &Module = Data();
    QString Folder;
    if (!TFrmBackupRestore::Execute(TFrmBackupRestore::TKind::Backup, Module.CurrentW2File, Folder, this))
        return;
    const QString W2File = Module.CurrentW2File;
    const QString Target = AddPathDelimiter(Folder) + QFileInfo(W2File).fileName();
    CopyWithPairClosed(
        QStringLiteral("Copying files to ") + Folder, [&] { CopyCompanyPair(W2File, Target); }, [] {});
    if (!CopyFailed)
        MsgBox(QStringLiteral("Backup completed successfully"), AppTitle(), MsgFlag::Ok);
}

void TFrmMain::MnuRestoreClick()
{
    TFrmDataModule &Module = Data();
    QString Folder;
    if (!TFrmBackupRestore::Execute(TFrmBackupRestore::TKind::Restore, Module.CurrentW2File, Folder, this))
        return;
    const QString W2File = Module.CurrentW2File;
    const QString Source = AddPathDelimiter(Folder) + QFileInfo(W2File).fileName();
    std::exception_ptr Failure;
    try {
        CopyWithPairClosed(
            QStringLiteral("Copying files from ") + Folder, [&] { CopyCompanyPair(Source, W2File); }, [] {});
    } catch (...) {
        Failure = std::current_exception();
    }
    UpdateFormCaption();
    Module.FormsReviewState = 0;
    if (Failure)
        std::rethrow_exception(Failure);
    MsgBox(QStringLiteral("File restore completed successfully"), AppTitle(), MsgFlag::Ok);
}

void TFrmMain::MnuCloseClick()
{
    TFrmDataModule &Module = Data();
    try {
        Module.CloseCompany();
    } catch (...) {
        // A close that failed half-way may still have closed the files.
        UpdateFormCaption();
        EnableMenuItems(Module.CompanyFileOpen);
        throw;
    }
    UpdateFormCaption();
    EnableMenuItems(false);
}

void TFrmMain::MnuMRUClick(int Index)
{
    const QString Path = TAppGlobals::Instance().RecentFileList.Entry(Index);
    if (!QFileInfo::exists(Path)) {
        MsgBox(QStringLiteral("File not found"), AppTitle(), MsgFlag::IconError);
        return;
    }
    if (!IsBlank(Path))
        OpenCompanyFile(Path);
}

void TFrmMain::MnuExitClick()
{
    close();
}

void TFrmMain::MnuFormW2Click()
{
    TFrmW2 Window(Data(), this);
    Window.exec();
}

void TFrmMain::MnuFormW3Click()
{
    TFrmW3 Window(Data(), this);
    Window.exec();
    UpdateFormCaption();
}

void TFrmMain::MnuTransferClick()
{
    if (MnuClose->isEnabled())
        MnuCloseClick();
    TFrmTransfer Window(this);
    Window.exec();
}

void TFrmMain::MnuEFW2Click()
{
    TFrmEFW2 Window(Data(), this);
    Window.exec();
}

void TFrmMain::MnuPrintSetupClick()
{
    TFrmPrinterSetup::Execute(this);
}

void TFrmMain::MnuPasswordClick()
{
    TFrmPassword Window(Data(), this);
    Window.exec();
}

void TFrmMain::MnuPrintLabelsClick()
{
    TDataModulePrintSource Source(Data());
    FLabels->Print(Source);
}

void TFrmMain::ReportSystemOverridePreview(TRvSystem &System, int Mode, QObject *&Form)
{
    TFrmReportPreview::OverridePreview(System, Mode, Form, this);
}

// The rows are checked against the company as it is on the disk, so both
// working records are written first; the employee file is then replaced
// with the pair closed, and reopening it brings the record count, the
// sorted index and the W-3 totals up to date.
void TFrmMain::MnuImportEmployeesClick()
{
    TFrmDataModule &Module = Data();
    if (Module.RSW2->BrowseOnly() || Module.RSW3->BrowseOnly()) {
        MsgBox(QStringLiteral("The company file is open read-only: no employees can be imported."),
            AppTitle(), MsgFlag::IconWarning);
        return;
    }
    QString CsvFile;
    const bool Chosen = TUserInteraction::Current().SelectOpenFile(
        QStringLiteral("Import Employees"), TAppGlobals::Instance().DataDir, CsvFilter, CsvFile);
    RestoreCurrentFolder();
    if (!Chosen)
        return;
    QByteArray Csv;
    QString Problem;
    if (!ReadRegularFile(CsvFile, MaxCsvSize, Csv, Problem))
        throw EException(CsvFile + QStringLiteral(": ") + Problem);
    Module.RSW2->PostRec();
    Module.RSW3->PostRec();
    TEmployeeImport Import;
    if (!Import.ReadCompany(Module.CurrentW2File, Problem))
        throw EException(Problem);
    Import.Load(Csv);
    if (!TFrmImportPreview::Execute(Import, QFileInfo(CsvFile).fileName(), this))
        return;
    QString Failure;
    CopyWithPairClosed(
        QStringLiteral("Importing employees from ") + CsvFile,
        [&] { Failure = Import.WriteCompany(Module.CurrentW2File); }, [] {});
    if (!Failure.isEmpty())
        throw EException(QStringLiteral("No employees were imported: ") + Failure + QLatin1Char('.'));
    // The new employees have not been through the W-2 window yet.
    Module.FormsReviewState = 0;
    MsgBox(CountText(Import.Records().size(), QStringLiteral("employee"), QStringLiteral("employees"))
            + QStringLiteral(" imported."),
        AppTitle(), MsgFlag::IconInformation);
}

void TFrmMain::MnuExportEmployeesClick()
{
    TFrmDataModule &Module = Data();
    QString CsvFile;
    const bool Chosen = TUserInteraction::Current().SelectSaveDocument(QStringLiteral("Export Employees"),
        TAppGlobals::Instance().DataDir, CsvFilter, QStringLiteral("csv"), CsvFile);
    RestoreCurrentFolder();
    if (!Chosen)
        return;
    if (!Module.RSW2->BrowseOnly())
        Module.RSW2->PostRec();
    TCompanyDump Company;
    QString Problem;
    if (!Company.ReadComplete(Module.CurrentW2File, QStringLiteral("nothing was exported"), Problem))
        throw EException(Problem);
    if (const QString Failure = WriteEmployeesCsv(CsvFile, Company.Employees()); !Failure.isEmpty())
        throw EException(CsvFile + QStringLiteral(": ") + Failure);
    MsgBox(CountText(Company.Employees().size(), QStringLiteral("employee"), QStringLiteral("employees"))
            + QStringLiteral(" exported."),
        AppTitle(), MsgFlag::IconInformation);
}
