#pragma once

#include "EmployeeRecord.h"
#include "EmployerRecord.h"

#include <QObject>
#include <QString>

class TPasswordDialog;
class TRecordSet;

// The one place where a company pair is opened, tied together, copied to and
// from the working records and closed. Windows never touch the files: they
// change CurrentEmployer and CurrentEmployee and ask RSW3 and RSW2 to read,
// post, append or delete. It needs no display, so the command-line tool and
// the tests use it as the program does.
class TFrmDataModule : public QObject {
    Q_OBJECT
public:
    explicit TFrmDataModule(QObject *Owner = nullptr);
    // Writes nothing: the owner closes the company first.
    ~TFrmDataModule() override;

    // The data module of the run: the first one made that still lives.
    static TFrmDataModule *Instance();

    TRecordSet *const RSW3; // the employer file, name.W325
    TRecordSet *const RSW2; // the employee file, name.W225
    TPasswordDialog *const PasswordDialog;

    EmployerRecord CurrentEmployer;
    EmployeeRecord CurrentEmployee;
    QString CurrentW2File; // empty while no pair is open
    QString CurrentW3File;
    bool CompanyFileOpen = false; // the menus follow it
    bool SkipPasswordCheck = false; // set around the reopen of Save As, Backup and Restore
    bool RecordIndexDirty = false; // the sorted employee index must be rebuilt
    int FormsReviewState = 0; // 0 to 2: entry windows closed since the company was opened

    // Closes the open pair, then opens the pair of W2File, creating missing
    // files with one zero record. CompanyFileOpen tells whether it is open;
    // when it is not, nothing of the pair is left open.
    void OpenCompany(const QString &W2File);
    // Writes both working records back, closes the pair and forgets its path.
    // A failed write is raised: the pair stays open when the employee record
    // was not written, and is closed and forgotten when the employer's was not.
    void CloseCompany();

    // Employee records whose box 1 wages or first box 16 state wages,
    // rounded to cents, are above zero. Walks the file through
    // CurrentEmployee and returns to the current record; post edits first.
    int ValidEmployeeCount();
    // The employer's state and state ID on the first state line of
    // CurrentEmployee, as every new employee gets them.
    void SetNewEmployeeDefaults();
    // Asks for the file password. A refusal or a cancelled prompt closes the
    // employer file unwritten and leaves no pair open; false then.
    bool CheckFilePassword();

    void RSW3AfterRead(TRecordSet *Sender);
    void RSW3BeforePost(TRecordSet *Sender);
    void RSW2BeforeOpen(TRecordSet *Sender);
    void RSW2AfterOpen(TRecordSet *Sender);
    void RSW2BeforeClose(TRecordSet *Sender);
    void RSW2AfterClose(TRecordSet *Sender);
    void RSW2AfterNewRec(TRecordSet *Sender);
    void RSW2AfterDelete(TRecordSet *Sender);
    void RSW2AfterRead(TRecordSet *Sender);
    void RSW2BeforePost(TRecordSet *Sender);

Q_SIGNALS:
    // A company pair was closed: Path goes to the top of the recent-files list.
    void RecentFileClosed(const QString &Path);
    // The recent-files menu is to be rebuilt (after every open and close).
    void RecentMenuNeedsRefresh();

private:
    void SetUpEmployerFile();
    void SetUpEmployeeFile();
    void AbandonFailedOpen();
    void CloseEmployeeFile();
    void ForgetPair();
    void GiveFirstRecord(TRecordSet &Set);
};
