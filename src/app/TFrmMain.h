#pragma once

#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QFrame;
class QMenu;
class QToolButton;
class TFrmDataModule;
class TRvSystem;
class TW2LabelPrinting;

// The main window: the hub from which every command starts.
class TFrmMain : public QMainWindow {
    Q_OBJECT
public:
    // Arguments: the command line without the program's name.
    explicit TFrmMain(const QStringList &Arguments = {}, QWidget *Parent = nullptr);
    ~TFrmMain() override;

    void EnableMenuItems(bool EnableIt);
    void UpdateFormCaption();
    void RefreshRecentMenu();
    // Closes the open pair, opens Path and brings the caption and menus up to date.
    void OpenCompanyFile(const QString &Path);

    void MnuOpenClick();
    void MnuNewClick();
    void MnuSaveAsClick();
    void MnuBackupClick();
    void MnuRestoreClick();
    void MnuCloseClick();
    void MnuImportEmployeesClick();
    void MnuExportEmployeesClick();
    void MnuMRUClick(int Index);
    void MnuExitClick();
    void MnuFormW2Click();
    void MnuFormW3Click();
    void MnuTransferClick();
    void MnuEFW2Click();
    void MnuPasswordClick();
    void MnuPrintSetupClick();
    void MnuIRSInstructionsClick();
    void MnuWebUpdateClick();
    void MnuAboutClick();
    void MnuPrintLabelsClick();
    void ReportSystemOverridePreview(TRvSystem &System, int Mode, QObject *&Form);

    // The employee labels: the report system RptW2Labels and its LabelShell.
    TW2LabelPrinting &Labels() const { return *FLabels; }

    QMenu *MnuFile = nullptr;
    QAction *MnuOpen = nullptr;
    QAction *MnuNew = nullptr;
    QAction *MnuSaveAs = nullptr;
    QAction *MnuBackup = nullptr;
    QAction *MnuRestore = nullptr;
    QAction *MnuClose = nullptr;
    QAction *MnuImportEmployees = nullptr;
    QAction *MnuExportEmployees = nullptr;
    QAction *MnuPrintSetup = nullptr;
    QAction *MnuPrintLabels = nullptr;
    QList<QAction *> MnuMRU;
    QAction *MnuMRUSeparator = nullptr;
    QAction *MnuExit = nullptr;
    QMenu *MnuForms = nullptr;
    QAction *MnuFormW2 = nullptr;
    QAction *MnuFormW3 = nullptr;
    QMenu *MnuTools = nullptr;
    QAction *MnuTransfer = nullptr;
    QAction *MnuEFW2 = nullptr;
    QAction *MnuPassword = nullptr;
    QMenu *MnuHelp = nullptr;
    QAction *MnuContents = nullptr;
    QAction *MnuTechnicalSupport = nullptr;
    QAction *MnuLicenseAgreement = nullptr;
    QAction *MnuIRSInstructions = nullptr;
    QAction *MnuWebUpdate = nullptr;
    QAction *MnuAbout = nullptr;

    QToolButton *BtnNew = nullptr;
    QToolButton *BtnOpen = nullptr;
    QToolButton *BtnSaveAs = nullptr;
    QToolButton *BtnBackup = nullptr;
    QToolButton *BtnRestore = nullptr;
    QToolButton *BtnFormW2 = nullptr;
    QToolButton *BtnFormW3 = nullptr;
    QToolButton *BtnHelp = nullptr;
    QFrame *MessagePanel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    void closeEvent(QCloseEvent *Event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateMessagePanel();
    QAction *AddItem(QMenu *Menu, const char *Name, const QString &Caption, const QKeySequence &Shortcut,
        int HelpContext, void (TFrmMain::*Handler)());
    QToolButton *AddButton(const char *Name, const QString &Hint, const QString &Icon, QAction *Command);
    void FormShow();
    bool Shutdown();
    void RestoreCurrentFolder();
    // Closes the pair, runs Copy, runs BeforeReopen and reopens the pair
    // (CurrentW2File) without the password prompt, also when Copy raised; the
    // error is raised again afterwards.
    void CopyWithPairClosed(const QString &WaitText, const std::function<void()> &Copy,
        const std::function<void()> &BeforeReopen);
    TFrmDataModule &Data() const;

    QStringList FArguments;
    std::unique_ptr<TW2LabelPrinting> FLabels;
    bool FStarted = false;
};
