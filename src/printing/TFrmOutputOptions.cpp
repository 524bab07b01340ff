#include "TFrmOutputOptions.h"

#include "AppInfo.h"
#include "MsgBox.h"
#include "TOkCancelButtons.h"
#include "TPrinterCatalog.h"
#include "TUserInteraction.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const char *FormatFilters[]
    = { "Snapshot Document (*.ndr)", "Adobe Portable Document (*.pdf)", "Web Document (*.html)" };
const char *FormatExtensions[] = { "ndr", "pdf", "html" };

} // namespace

TFrmOutputOptions::TFrmOutputOptions(const QString &Caption, int Setups, bool FromPreview, QWidget *Parent)
    : QDialog(Parent)
    , FSetups(Setups)
    , FFromPreview(FromPreview)
{
    setObjectName(QStringLiteral("FrmOutputOptions"));
    setWindowTitle(Caption);
    auto *Layout = new QVBoxLayout(this);
    CreateDestination();
    CreatePrinter();
    CreateFile();
    Layout->addWidget(GrpDestination);
    Layout->addWidget(GrpPrinter);
    Layout->addWidget(GrpFile);
    auto *Buttons = new TOkCancelButtons(this);
    BtnOk = Buttons->BtnOk;
    BtnCancel = Buttons->BtnCancel;
    disconnect(BtnOk, nullptr, this, nullptr);
    connect(BtnOk, &QPushButton::clicked, this, &TFrmOutputOptions::BtnOkClick);
    Layout->addLayout(Buttons);
    GrpDestination->setVisible(!FromPreview);
    GrpFile->setVisible(!FromPreview);
    UpdateControls();
}

void TFrmOutputOptions::CreateDestination()
{
    GrpDestination = new QGroupBox(QStringLiteral("Report Destination"), this);
    GrpDestination->setObjectName(QStringLiteral("GrpDestination"));
    RbPrinter = new QRadioButton(QStringLiteral("&Printer"), GrpDestination);
    RbPrinter->setObjectName(QStringLiteral("RbPrinter"));
    RbPreview = new QRadioButton(QStringLiteral("Pre&view"), GrpDestination);
    RbPreview->setObjectName(QStringLiteral("RbPreview"));
    RbFile = new QRadioButton(QStringLiteral("&File"), GrpDestination);
    RbFile->setObjectName(QStringLiteral("RbFile"));
    const bool HasPrinter = !TPrinterCatalog::Current().PrinterNames().isEmpty();
    RbPrinter->setEnabled(HasPrinter && (FSetups & SystemSetup::AllowDestPrinter));
    RbPreview->setEnabled(FSetups & SystemSetup::AllowDestPreview);
    RbFile->setEnabled(FSetups & SystemSetup::AllowDestFile);
    auto *Row = new QHBoxLayout(GrpDestination);
    Row->addWidget(RbPrinter);
    Row->addWidget(RbPreview);
    Row->addWidget(RbFile);
    for (QRadioButton *Button : { RbPrinter, RbPreview, RbFile })
        connect(Button, &QRadioButton::toggled, this, &TFrmOutputOptions::UpdateControls);
}

void TFrmOutputOptions::CreatePrinter()
{
    GrpPrinter = new QGroupBox(QStringLiteral("Printer"), this);
    GrpPrinter->setObjectName(QStringLiteral("GrpPrinter"));
    CmbPrinter = new QComboBox(GrpPrinter);
    CmbPrinter->setObjectName(QStringLiteral("CmbPrinter"));
    CmbPrinter->addItems(TPrinterCatalog::Current().PrinterNames());
    CmbPrinter->setEnabled(FSetups & SystemSetup::AllowPrinterSetup);
    SpnCopies = new QSpinBox(GrpPrinter);
    SpnCopies->setObjectName(QStringLiteral("SpnCopies"));
    SpnCopies->setRange(1, 9999);
    SpnCopies->setEnabled(FSetups & SystemSetup::AllowCopies);
    ChkCollate = new QCheckBox(QStringLiteral("C&ollate"), GrpPrinter);
    ChkCollate->setObjectName(QStringLiteral("ChkCollate"));
    CmbDuplex = new QComboBox(GrpPrinter);
    CmbDuplex->setObjectName(QStringLiteral("CmbDuplex"));
    CmbDuplex->addItems({ QStringLiteral("One-sided"), QStringLiteral("Two-sided, long edge"),
        QStringLiteral("Two-sided, short edge") });
    auto *Form = new QFormLayout(GrpPrinter);
    Form->addRow(QStringLiteral("&Name:"), CmbPrinter);
    Form->addRow(QStringLiteral("&Copies:"), SpnCopies);
    Form->addRow(QString(), ChkCollate);
    Form->addRow(QStringLiteral("&Two-sided:"), CmbDuplex);
    connect(CmbPrinter, &QComboBox::currentTextChanged, this, &TFrmOutputOptions::PrinterNameChange);
}

void TFrmOutputOptions::CreateFile()
{
    GrpFile = new QGroupBox(QStringLiteral("File"), this);
    GrpFile->setObjectName(QStringLiteral("GrpFile"));
    EdFileName = new QLineEdit(GrpFile);
    EdFileName->setObjectName(QStringLiteral("EdFileName"));
    BtnBrowse = new QPushButton(QStringLiteral("&Browse..."), GrpFile);
    BtnBrowse->setObjectName(QStringLiteral("BtnBrowse"));
    CmbFormat = new QComboBox(GrpFile);
    CmbFormat->setObjectName(QStringLiteral("CmbFormat"));
    for (const char *Filter : FormatFilters)
        CmbFormat->addItem(QLatin1String(Filter));
    auto *NameRow = new QHBoxLayout;
    NameRow->addWidget(EdFileName, 1);
    NameRow->addWidget(BtnBrowse);
    auto *Form = new QFormLayout(GrpFile);
    // A row of a layout gets no buddy of its own: without one the label
    // showed its '&' instead of the shortcut.
    auto *NameLabel = new QLabel(QStringLiteral("File &name:"), GrpFile);
    NameLabel->setBuddy(EdFileName);
    Form->addRow(NameLabel, NameRow);
    Form->addRow(QStringLiteral("F&ormat:"), CmbFormat);
    connect(BtnBrowse, &QPushButton::clicked, this, &TFrmOutputOptions::BtnBrowseClick);
}

void TFrmOutputOptions::PrinterNameChange()
{
    TPrinterCatalog &Catalog = TPrinterCatalog::Current();
    const QString Printer = CmbPrinter->currentText();
    const bool Duplex = !Printer.isEmpty() && Catalog.SupportsDuplex(Printer);
    CmbDuplex->setEnabled(Duplex && (FSetups & SystemSetup::AllowDuplex));
    if (!Duplex)
        CmbDuplex->setCurrentIndex(0);
    const bool Collate = !Printer.isEmpty() && Catalog.SupportsCollate(Printer);
    ChkCollate->setEnabled(Collate && (FSetups & SystemSetup::AllowCollate));
}

void TFrmOutputOptions::UpdateControls()
{
    const bool ToPrinter = FFromPreview || RbPrinter->isChecked();
    GrpPrinter->setEnabled(ToPrinter);
    GrpFile->setEnabled(!FFromPreview && RbFile->isChecked());
    PrinterNameChange();
}

void TFrmOutputOptions::GetData(const TOutputOptions &Options)
{
    QRadioButton *Choice = Options.Destination == TReportDest::Printer ? RbPrinter
        : Options.Destination == TReportDest::File                     ? RbFile
                                                                       : RbPreview;
    if (!Choice->isEnabled())
        Choice = RbPreview->isEnabled() ? RbPreview : RbFile->isEnabled() ? RbFile : RbPrinter;
    Choice->setChecked(true);
    const QString Printer = Options.Job.PrinterName.isEmpty() ? TPrinterCatalog::Current().DefaultPrinter()
                                                              : Options.Job.PrinterName;
    CmbPrinter->setCurrentIndex(qMax(0, CmbPrinter->findText(Printer)));
    SpnCopies->setValue(Options.Job.Copies);
    ChkCollate->setChecked(Options.Job.Collate);
    CmbDuplex->setCurrentIndex(int(Options.Job.Duplex));
    EdFileName->setText(Options.FileName);
    CmbFormat->setCurrentIndex(int(Options.Format));
    UpdateControls();
}

void TFrmOutputOptions::PutData(TOutputOptions &Options) const
{
    if (!FFromPreview)
        Options.Destination = RbPrinter->isChecked() ? TReportDest::Printer
            : RbFile->isChecked()                    ? TReportDest::File
                                                     : TReportDest::Preview;
    if (CmbPrinter->currentText() != Options.Job.PrinterName && !CmbPrinter->currentText().isEmpty()) {
        Options.Job.PrinterName = CmbPrinter->currentText();
        Options.Job.PaperName.clear();
        Options.Job.BinName.clear();
    }
    Options.Job.Copies = SpnCopies->value();
    Options.Job.Collate = ChkCollate->isEnabled() && ChkCollate->isChecked();
    Options.Job.Duplex = CmbDuplex->isEnabled() ? TDuplex(CmbDuplex->currentIndex()) : TDuplex::Simplex;
    Options.FileName = EdFileName->text().trimmed();
    Options.Format = TFileFormat(CmbFormat->currentIndex());
}

void TFrmOutputOptions::BtnBrowseClick()
{
    const int Format = CmbFormat->currentIndex();
    QString FileName = EdFileName->text();
    if (TUserInteraction::Current().SelectSaveDocument(QStringLiteral("Output File"), FileName,
            QLatin1String(FormatFilters[Format]), QLatin1String(FormatExtensions[Format]), FileName))
        EdFileName->setText(FileName);
}

void TFrmOutputOptions::BtnOkClick()
{
    if (!FFromPreview && RbFile->isChecked() && EdFileName->text().trimmed().isEmpty()) {
        MsgBox(QStringLiteral("Please name the file the report goes to."), AppTitle(), MsgFlag::IconWarning);
        EdFileName->setFocus();
        return;
    }
    if ((FFromPreview || RbPrinter->isChecked()) && CmbPrinter->currentText().isEmpty()) {
        MsgBox(QStringLiteral("No printer is installed."), AppTitle(), MsgFlag::IconWarning);
        return;
    }
    accept();
}
