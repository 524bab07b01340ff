#pragma once

#include "TOutputOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The engine's output options dialog: where a run goes (printer, preview or
// a file), the printer with its copies, collation and two-sided printing, and
// the file and its format. Its print-from-preview form offers the printer
// part alone.
class TFrmOutputOptions : public QDialog {
    Q_OBJECT
public:
    // Setups: the SystemSetup flags saying what may be chosen.
    TFrmOutputOptions(const QString &Caption, int Setups, bool FromPreview, QWidget *Parent = nullptr);

    void GetData(const TOutputOptions &Options);
    void PutData(TOutputOptions &Options) const;

    QGroupBox *GrpDestination = nullptr;
    QRadioButton *RbPrinter = nullptr;
    QRadioButton *RbPreview = nullptr;
    QRadioButton *RbFile = nullptr;
    QGroupBox *GrpPrinter = nullptr;
    QComboBox *CmbPrinter = nullptr;
    QSpinBox *SpnCopies = nullptr;
    QCheckBox *ChkCollate = nullptr;
    QComboBox *CmbDuplex = nullptr;
    QGroupBox *GrpFile = nullptr;
    QLineEdit *EdFileName = nullptr;
    QPushButton *BtnBrowse = nullptr;
    QComboBox *CmbFormat = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;

private:
    void CreateDestination();
    void CreatePrinter();
    void CreateFile();
    void UpdateControls();
    void PrinterNameChange();
    void BtnBrowseClick();
    void BtnOkClick();

    int FSetups;
    bool FFromPreview;
};
