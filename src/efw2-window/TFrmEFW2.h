#pragma once

#include "EFW2LimitChecks.h"
#include "EFW2Settings.h"
#include "TEFW2Submission.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <memory>

class QCheckBox;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;
class TCheckBoxEdit;
class TEnterAsTab;
class TFieldHighlight;
class TFilterEdit;
class TFrmDataModule;
class TMaskedEdit;
class TStateEdit;

// The EFW2 window: the submitter data of the submission, the clients it
// already holds, and the Process command that writes the open company's
// EFW2 file. The submitter data and the submission's counters are kept in
// "QMRK.W2S" beside the program, for every company alike.
//
// Creating the window runs its opening: the files are named, the EFW2
// folder is made, the settings are read into the fields and the submission
// state decides what is enabled. A settings file that cannot be made or read
// raises EInOutError, and there is no window.
class TFrmEFW2 : public QDialog {
    Q_OBJECT
public:
    explicit TFrmEFW2(TFrmDataModule &Data, QWidget *Parent = nullptr);
    ~TFrmEFW2() override;

    // The fields, in tab order.
    TMaskedEdit *EIN = nullptr;
    TFilterEdit *UserID = nullptr;
    TCheckBoxEdit *ResubInd = nullptr;
    TFilterEdit *ResubID = nullptr;
    TFilterEdit *CompanyName = nullptr;
    TFilterEdit *LocationAddr = nullptr;
    TFilterEdit *DeliveryAddr = nullptr;
    TFilterEdit *City = nullptr;
    TStateEdit *StateCode = nullptr;
    TFilterEdit *ZipCode = nullptr;
    TFilterEdit *ZipCodeExt = nullptr;
    TFilterEdit *ForeignState = nullptr;
    TFilterEdit *ForeignZip = nullptr;
    TFilterEdit *CountryCode = nullptr;
    TFilterEdit *SubmitName = nullptr;
    TFilterEdit *SubmitAddr1 = nullptr;
    TFilterEdit *SubmitAddr2 = nullptr;
    TFilterEdit *SubmitCity = nullptr;
    TStateEdit *SubmitState = nullptr;
    TFilterEdit *SubmitZip = nullptr;
    TFilterEdit *SubmitZipExt = nullptr;
    TFilterEdit *SubmitFSP = nullptr;
    TFilterEdit *SubmitFPC = nullptr;
    TFilterEdit *SubmitCC = nullptr;
    TFilterEdit *ContactName = nullptr;
    TMaskedEdit *ContactPhone = nullptr;
    TFilterEdit *ContactExt = nullptr;
    TFilterEdit *ContactEmail = nullptr;
    TMaskedEdit *ContactFax = nullptr;
    TFilterEdit *PreparerCode = nullptr;

    QPushButton *BtnViewCountryCodes = nullptr;
    QPushButton *BtnHelp = nullptr;
    QPushButton *BtnProcess = nullptr;
    QLabel *LblProcessBlock = nullptr; // why Process is disabled
    QPushButton *BtnReset = nullptr;
    QPushButton *BtnClose = nullptr;
    QCheckBox *ChkSubmitter = nullptr;
    QCheckBox *ChkFinal = nullptr;
    QPlainTextEdit *MemoClientsProcessed = nullptr;
    TFilterEdit *TotalRecords = nullptr;
    QLabel *CurClientPanel = nullptr;

    // The thirty fields in tab order.
    const QList<QWidget *> &Fields() const { return FFields; }
    const EFW2Settings &Settings() const { return FSettings; }
    const TEFW2Submission &Submission() const { return *FSubmission; }
    QString SettingsFile() const { return FSettingsFile; }
    QString ClientFile() const { return FClientFile; }
    QString MasterFile() const { return FMasterFile; }

    void SettingsToWindow();
    void WindowToSettings();
    TSubmitterData SubmitterFromWindow() const;
    // Paints the fields still wanting attention in the mark colour and the
    // others normally; ResubID is enabled with ResubInd.
    void MarkRequiredFields();
    // The Process command: the open company's records to its client file
    // and, in a multi-client submission, to the master list. The run is the
    // one "qmrk-w2-cli efw2" makes (TEFW2Process); the window adds the focus,
    // the messages and the submission's bookkeeping.
    void ProcessClient();

    // How View Country Codes opens the list; tests put a recorder here.
    // An empty function returns to the desktop's viewer.
    static void SetOpenDocumentForTest(std::function<void(const QString &Path)> Open);

public Q_SLOTS:
    void reject() override;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void CreateFields();
    void CreateSide(QVBoxLayout *Side);
    void CreateClientPanel();
    QGridLayout *FieldGrid();
    template <typename T> T *AddField(const char *Name, const QString &AccessibleName);
    TFilterEdit *AddText(const char *Name, const QString &AccessibleName, int MaxLength, bool Upper = true);
    QList<std::pair<TFilterEdit *, QString TSubmitterData::*>> TextSlots() const;
    TFilterEdit *AddDigits(const char *Name, const QString &AccessibleName, int MaxLength);
    TMaskedEdit *AddMasked(const char *Name, const QString &AccessibleName, const QString &Mask);
    TStateEdit *AddState(const char *Name, const QString &AccessibleName);
    void AddLine(const QString &Caption, const QList<QWidget *> &Controls);
    QPushButton *AddButton(const char *Name, const QString &Caption, const QString &Hint);
    void ConnectHandlers();
    void FixFileNames();
    void FormCreate();
    void ApplyOpeningRules();
    void ApplyStates(const TEFW2ControlStates &States);
    void FormCloseQuery();
    void FormClose();
    void ShowTotalRecords();
    bool AcceptFindings(const QList<TEFW2Finding> &Findings);

    void BtnProcessClick();
    void BtnResetClick();
    void BtnHelpClick();
    void BtnViewCountryCodesClick();
    void ChkSubmitterClick(bool Checked);
    void ChkFinalClick(bool Checked);

    TFrmDataModule &Data;
    QWidget *FFieldPanel = nullptr;
    QList<QWidget *> FFields;
    QColor FNormalColor;
    TFieldHighlight *FieldHighlight = nullptr;
    TEnterAsTab *EnterAsTab = nullptr;
    EFW2Settings FSettings;
    std::unique_ptr<TEFW2Submission> FSubmission;
    QString FSettingsFile;
    QString FCountryCodesFile;
    QString FClientsFile;
    QString FEFW2Dir;
    QString FClientFile;
    QString FMasterFile;
};
