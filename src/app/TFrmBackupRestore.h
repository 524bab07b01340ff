#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The dialog of Backup and of Restore: which file, and the folder to copy
// to or from. The folder last confirmed in either is offered by both.
class TFrmBackupRestore : public QDialog {
    Q_OBJECT
public:
    enum class TKind { Backup, Restore };

    TFrmBackupRestore(
        TKind Kind, const QString &CurrentFile, const QString &ProgramDir, QWidget *Parent = nullptr);

    // Shows the dialog; true with Folder set when it is confirmed with a
    // folder that is not blank. The folder is then remembered.
    static bool Execute(TKind Kind, const QString &CurrentFile, QString &Folder, QWidget *Parent = nullptr);

    QLineEdit *Path = nullptr;
    QPushButton *BtnBrowse = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;

private:
    void BtnBrowseClick();

    TKind FKind;
};
