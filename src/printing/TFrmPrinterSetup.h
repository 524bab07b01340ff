#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TEnterAsTab;
class TFilterEdit;

// "Printer Setup": the printer, paper, paper source, orientation,
// collation, two-sided printing and copies every run prints with, and the
// printing of the data alone onto printed forms. OK checks and saves the
// choice in the program's settings; the runs read it from there
// (TPrinterSetup), whether or not this window was ever opened.
class TFrmPrinterSetup : public QDialog {
    Q_OBJECT
public:
    explicit TFrmPrinterSetup(QWidget *Parent = nullptr);

    // Creates the window, shows it modally and releases it (Print Setup).
    static void Execute(QWidget *Parent);

    QComboBox *PrinterName = nullptr;
    QComboBox *PaperSize = nullptr;
    QComboBox *PaperSource = nullptr;
    QGroupBox *GrpOrientation = nullptr;
    QRadioButton *RbPortrait = nullptr;
    QRadioButton *RbLandscape = nullptr;
    QCheckBox *ChkCollate = nullptr;
    QGroupBox *GrpDuplex = nullptr;
    QRadioButton *RbDuplexNone = nullptr;
    QRadioButton *RbDuplexTablet = nullptr;
    QRadioButton *RbDuplexBook = nullptr;
    TFilterEdit *Copies = nullptr;
    QCheckBox *ChkDataOnly = nullptr;
    QSpinBox *OffsetX = nullptr;
    QSpinBox *OffsetY = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;
    TEnterAsTab *EnterAsTab = nullptr;

    void FormShow();
    void LoadFromFile();
    void SaveToFile();
    void GetData();
    void PutData();
    void ValidateFields();
    void GetPrinterOptions(bool NewData);
    void PrinterNameChange();
    void BtnOkClick();
    void BtnCancelClick();

protected:
    void showEvent(QShowEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    QComboBox *NewList(const char *Name, const QString &AccessibleName);
    // Keys typed into the three lists are dropped: their text comes only
    // from choosing an entry.
    bool ComboBoxKeyPress(const QKeyEvent *Event) const;
    void EnableDataOnly();
    void EnablePrinterFeatures();

    bool FShown = false;
};
