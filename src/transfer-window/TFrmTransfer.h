#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;

// The prior-year transfer window: the folder of last year's files, the
// companies found there, and the transfer of those picked into this year's
// data folder. It goes from choosing the folder to choosing the files to
// done, once per opening.
class TFrmTransfer : public QDialog {
    Q_OBJECT
public:
    explicit TFrmTransfer(QWidget *Parent = nullptr);

    // The pause before and after the transfer that lets the wait window be
    // read; tests set it to 0.
    static int PauseMs();
    static void SetPauseForTest(int Ms);

    QLineEdit *Path = nullptr;
    QPushButton *BtnBrowse = nullptr;
    QPushButton *BtnHelp = nullptr;
    QListWidget *FileListBox = nullptr;
    QCheckBox *ChkNoOverwrite = nullptr;
    QLabel *LblTransferred = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnSelectAll = nullptr;
    QPushButton *BtnDeselectAll = nullptr;
    QPushButton *BtnTransfer = nullptr;
    QPushButton *BtnCancel = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *StatusText = nullptr;

public Q_SLOTS:
    // Closes the window only while Cancel (later Exit) can be pressed.
    void reject() override;

protected:
    void closeEvent(QCloseEvent *Event) override;

private:
    enum class TState { ChoosingFolder, ChoosingFiles, Done };

    QWidget *CreateExplanation();
    void CreateControls();
    void ConnectHandlers();
    void FormShow();
    void BtnBrowseClick();
    void BtnOkClick();
    void FileListBoxSelectionChange();
    void BtnSelectAllClick();
    void BtnDeselectAllClick();
    void ChkNoOverwriteClick(bool Checked);
    void BtnTransferClick();
    void TransferSelected();
    void ShowTransferred(int Transferred);
    void BtnHelpClick();
    QString SelectionText() const;

    TState FState = TState::ChoosingFolder;
    QString FFromFolder;
};
