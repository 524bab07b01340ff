#include "TFrmBackupRestore.h"

#include "TOkCancelButtons.h"

#include "FileUtils.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "THelpSystem.h"
#include "TextUtils.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString PathValue = QStringLiteral("Path");

QString BackupKey()
{
    return TAppGlobals::Instance().RegBaseKey + QStringLiteral("Backup");
}

struct TTexts {
    const char *Caption;
    const char *Explanation;
    const char *FolderGroup;
    const char *BrowseCaption;
    int HelpContext;
};

TTexts TextsOf(TFrmBackupRestore::TKind Kind)
{
    if (Kind == TFrmBackupRestore::TKind::Backup)
        return { "Quillmark W-2 File Backup",
            "You are about to make a backup of the current file. If you are backing-up to a removable "
            "storerage "
            "device (such as a USB flash drive), connnect it to your system before clicking Ok. Use the "
            "Restore "
            "command to retrieve your backup.",
            " Backup Current File To: ", "Select the backup to folder", 5 };
    return { "Quillmark W-2 Restore File Backup",
        "You are about to restore the current file from a previous backup. If you are restoring from a "
        "removable "
        "storage device (such as a USB flash drive), connect it to your system before clicking Ok.",
        " Restore Current File Backup From: ", "Select the folder to restore from", 6 };
}

} // namespace

TFrmBackupRestore::TFrmBackupRestore(
    TKind Kind, const QString &CurrentFile, const QString &ProgramDir, QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , FKind(Kind)
{
    const TTexts Texts = TextsOf(Kind);
    setObjectName(Kind == TKind::Backup ? QStringLiteral("FrmBackup") : QStringLiteral("FrmRestore"));
    setWindowTitle(QLatin1String(Texts.Caption));
    THelpSystem::SetHelpContext(this, Texts.HelpContext);

    auto *Current = new QGroupBox(QStringLiteral(" Current File: "), this);
    auto *Explanation = new QLabel(QLatin1String(Texts.Explanation), Current);
    Explanation->setWordWrap(true);
    auto *FileName = new QLabel(CurrentFile, Current);
    FileName->setObjectName(QStringLiteral("LblFileName"));
    auto *Location = new QLabel(ProgramDir, Current);
    Location->setObjectName(QStringLiteral("LblLocation"));
    auto *Values = new QFormLayout;
    Values->addRow(QStringLiteral("File name:"), FileName);
    Values->addRow(QStringLiteral("Location:"), Location);
    auto *CurrentLayout = new QVBoxLayout(Current);
    CurrentLayout->addWidget(Explanation);
    CurrentLayout->addLayout(Values);

    auto *Target = new QGroupBox(QLatin1String(Texts.FolderGroup), this);
    Path = new QLineEdit(Target);
    Path->setObjectName(QStringLiteral("Path"));
    Path->setAccessibleName(QString::fromLatin1(Texts.FolderGroup).trimmed());
    const TAppGlobals &Globals = TAppGlobals::Instance();
    if (Globals.AppRegistry && Globals.AppRegistry->KeyExists(BackupKey()))
        Path->setText(Globals.AppRegistry->ReadString(BackupKey(), PathValue));
    BtnBrowse = new QPushButton(QStringLiteral("&Browse"), Target);
    BtnBrowse->setObjectName(QStringLiteral("BtnBrowse"));
    BtnBrowse->setAutoDefault(false);
    connect(BtnBrowse, &QPushButton::clicked, this, &TFrmBackupRestore::BtnBrowseClick);
    auto *TargetLayout = new QHBoxLayout(Target);
    TargetLayout->addWidget(Path, 1);
    TargetLayout->addWidget(BtnBrowse);

    auto *Buttons = new TOkCancelButtons(this);
    BtnOk = Buttons->BtnOk;
    BtnCancel = Buttons->BtnCancel;

    auto *Layout = new QVBoxLayout(this);
    Layout->addWidget(Current);
    Layout->addWidget(Target);
    Layout->addLayout(Buttons);
    setMinimumWidth(480);
}

void TFrmBackupRestore::BtnBrowseClick()
{
    QString Folder;
    if (SelectFolder(QLatin1String(TextsOf(FKind).BrowseCaption), Folder))
        Path->setText(Folder);
}

bool TFrmBackupRestore::Execute(TKind Kind, const QString &CurrentFile, QString &Folder, QWidget *Parent)
{
    TAppGlobals &Globals = TAppGlobals::Instance();
    TFrmBackupRestore Dialog(Kind, CurrentFile, Globals.ProgramDir, Parent);
    if (Dialog.exec() != QDialog::Accepted || IsBlank(Dialog.Path->text()))
        return false;
    Folder = Dialog.Path->text();
    if (Globals.AppRegistry) {
        Globals.AppRegistry->WriteString(BackupKey(), PathValue, Folder);
        Globals.AppRegistry->Flush();
    }
    return true;
}
