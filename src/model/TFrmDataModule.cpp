#include "TFrmDataModule.h"

#include "AppInfo.h"
#include "CompanyFiles.h"
#include "MsgBox.h"
#include "NumberUtils.h"
#include "PasswordCipher.h"
#include "TPasswordDialog.h"
#include "TRecordSet.h"
#include "TextUtils.h"

namespace {
TFrmDataModule *TheInstance = nullptr;
} // namespace

TFrmDataModule::TFrmDataModule(QObject *Owner)
    : QObject(Owner)
    , RSW3(new TRecordSet(this))
    , RSW2(new TRecordSet(this))
    , PasswordDialog(new TPasswordDialog(this))
{
    if (!TheInstance)
        TheInstance = this;
    RSW3->setObjectName(QStringLiteral("RSW3"));
    RSW2->setObjectName(QStringLiteral("RSW2"));
    PasswordDialog->setObjectName(QStringLiteral("PasswordDialog"));
    PasswordDialog->Prompt = QStringLiteral("Enter File Password");
    SetUpEmployerFile();
    SetUpEmployeeFile();
}

TFrmDataModule::~TFrmDataModule()
{
    if (TheInstance == this)
        TheInstance = nullptr;
}

TFrmDataModule *TFrmDataModule::Instance()
{
    return TheInstance;
}

void TFrmDataModule::SetUpEmployerFile()
{
    RSW3->SetRecSize(EmployerRecord::RecSize);
    RSW3->SetFileOpenMode(TFileOpenMode::omOpenReadWrite);
    RSW3->SetFileShareMode(TFileShareMode::smShareDenyWrite);
    RSW3->SetMaxRec(MaxEmployerRecords);
    RSW3->SetAutoCreate(true);
    // The employee file already tells the person that the pair is read-only.
    RSW3->SetShowOpenMode(false);
    RSW3->OnAfterRead = [this](TRecordSet *Sender) { RSW3AfterRead(Sender); };
    RSW3->OnBeforePost = [this](TRecordSet *Sender) { RSW3BeforePost(Sender); };
}

void TFrmDataModule::SetUpEmployeeFile()
{
    RSW2->SetRecSize(EmployeeRecord::RecSize);
    RSW2->SetFileOpenMode(TFileOpenMode::omOpenReadWrite);
    RSW2->SetFileShareMode(TFileShareMode::smShareDenyWrite);
    RSW2->SetMaxRec(MaxEmployeeRecords);
    RSW2->SetAutoCreate(true);
    RSW2->SetShowOpenMode(true);
    RSW2->DelErrText
        = QStringLiteral("Unable to delete current employee~you cannot delete the first employee "
                         "when~its the only record in the database.");
    RSW2->DelMsgText = QStringLiteral("Confirm request~Delete current employee from database?");
    RSW2->OnBeforeOpen = [this](TRecordSet *Sender) { RSW2BeforeOpen(Sender); };
    RSW2->OnAfterOpen = [this](TRecordSet *Sender) { RSW2AfterOpen(Sender); };
    RSW2->OnBeforeClose = [this](TRecordSet *Sender) { RSW2BeforeClose(Sender); };
    RSW2->OnAfterClose = [this](TRecordSet *Sender) { RSW2AfterClose(Sender); };
    RSW2->OnAfterNewRec = [this](TRecordSet *Sender) { RSW2AfterNewRec(Sender); };
    RSW2->OnAfterDelete = [this](TRecordSet *Sender) { RSW2AfterDelete(Sender); };
    RSW2->OnAfterRead = [this](TRecordSet *Sender) { RSW2AfterRead(Sender); };
    RSW2->OnBeforePost = [this](TRecordSet *Sender) { RSW2BeforePost(Sender); };
}

void TFrmDataModule::OpenCompany(const QString &W2File)
{
    CloseEmployeeFile();
    CurrentW2File = W2File;
    RSW2->SetFileName(W2File);
    try {
        RSW2->OpenRecSet();
    } catch (...) {
        if (!RSW2->Active())
            AbandonFailedOpen();
        throw;
    }
    if (!RSW2->Active())
        AbandonFailedOpen();
}

// The employer file may be open while the employee file is not (it could not
// be opened, or opening it failed): let go of the employer file without
// writing it, so no half-open pair stays behind and the menus show no company.
void TFrmDataModule::AbandonFailedOpen()
{
    RSW3->CloseRecSet();
    ForgetPair();
}

void TFrmDataModule::CloseCompany()
{
    CloseEmployeeFile();
    ForgetPair();
}

// A write that fails before the employee file is let go keeps the pair open,
// to be closed again; one that fails after it has closed both files.
void TFrmDataModule::CloseEmployeeFile()
{
    try {
        RSW2->CloseRecSet();
    } catch (...) {
        if (!RSW2->Active())
            ForgetPair();
        throw;
    }
}

void TFrmDataModule::ForgetPair()
{
    CompanyFileOpen = false;
    CurrentW2File.clear();
    RSW2->SetFileName(QString());
}

int TFrmDataModule::ValidEmployeeCount()
{
    int Count = 0;
    RSW2->ScanRecords(RSW2->RecordCount(), [this, &Count](int) {
        if (CurrentEmployee.CountsAsValid())
            ++Count;
    });
    return Count;
}

void TFrmDataModule::SetNewEmployeeDefaults()
{
    CurrentEmployee.SetNewRecordDefaults(CurrentEmployer);
}

bool TFrmDataModule::CheckFilePassword()
{
    PasswordDialog->Password = DecodePassword(CurrentEmployer.FilePassword());
    if (PasswordDialog->Execute())
        return true;
    CompanyFileOpen = false;
    CurrentW2File.clear();
    RSW2->SetFileName(QString());
    // Closing the employer file posts nothing: the record stays as it is on disk.
    RSW3->CloseRecSet();
    if (!PasswordDialog->Cancel())
        MsgBox(QStringLiteral("Incorrect Password"), AppTitle(), MsgFlag::IconError);
    return false;
}

// A file without one complete record has no record 1 to write to: every
// post would land at the file's end, after a partial record or after the
// last post, where no open ever reads. It gets its zero record 1 now, as a
// file the program creates has.
void TFrmDataModule::GiveFirstRecord(TRecordSet &Set)
{
    if (Set.Active() && !Set.BrowseOnly() && Set.LastRecord() == 0)
        Set.NewRec();
}

void TFrmDataModule::RSW3AfterRead(TRecordSet *Sender)
{
    CurrentEmployer.LoadFrom(Sender->RecordBuffer());
}

void TFrmDataModule::RSW3BeforePost(TRecordSet *Sender)
{
    CurrentEmployer.StoreTo(Sender->RecordBuffer());
}

// The employer file is opened and read first, so the password is asked before
// the employee file is touched.
void TFrmDataModule::RSW2BeforeOpen(TRecordSet *Sender)
{
    CompanyFileOpen = true;
    CurrentW3File = W3FileFor(CurrentW2File);
    RSW3->SetFileName(CurrentW3File);
    RSW3->OpenRecSet();
    GiveFirstRecord(*RSW3);
    // A file without a complete record leaves the buffer as it was: such a
    // file reads as the empty employer, never as the last company's.
    RSW3->NewRecData();
    RSW3->GetRec();
    // Without an open employer file CurrentEmployer still holds the last
    // company's record, whose password must not be asked for.
    if (RSW3->Active() && !IsBlank(CurrentEmployer.FilePassword()) && !SkipPasswordCheck)
        CheckFilePassword();
    if (!RSW3->Active()) {
        CompanyFileOpen = false;
        Sender->Cancel();
    }
}

void TFrmDataModule::RSW2AfterOpen(TRecordSet *Sender)
{
    Q_EMIT RecentMenuNeedsRefresh();
    RecordIndexDirty = true;
    GiveFirstRecord(*Sender);
    Sender->NewRecData();
    Sender->GetRec();
    // A read-only employee file tells the person itself, and the employer
    // file then quietly follows it. Held alone, the employer file must say
    // so, or what the W-3 window takes would be dropped without a word.
    if (RSW3->BrowseOnly() && !Sender->BrowseOnly())
        MsgBox(RSW3->BrowseOnlyMessage(), AppTitle(), MsgFlag::IconInformation);
}

void TFrmDataModule::RSW2BeforeClose(TRecordSet *Sender)
{
    Sender->PostRec();
}

void TFrmDataModule::RSW2AfterClose(TRecordSet *)
{
    Q_EMIT RecentFileClosed(CurrentW2File);
    Q_EMIT RecentMenuNeedsRefresh();
    // The employee file is closed already: an employer file whose record
    // cannot be written must not stay open alone, or the next company opened
    // would find it open and take it for its own.
    try {
        RSW3->PostRec();
    } catch (...) {
        RSW3->CloseRecSet();
        throw;
    }
    RSW3->CloseRecSet();
}

void TFrmDataModule::RSW2AfterNewRec(TRecordSet *)
{
    RecordIndexDirty = true;
    SetNewEmployeeDefaults();
}

void TFrmDataModule::RSW2AfterDelete(TRecordSet *)
{
    RecordIndexDirty = true;
}

void TFrmDataModule::RSW2AfterRead(TRecordSet *Sender)
{
    CurrentEmployee.LoadFrom(Sender->RecordBuffer());
}

void TFrmDataModule::RSW2BeforePost(TRecordSet *Sender)
{
    CurrentEmployee.StoreTo(Sender->RecordBuffer());
}
