#include "TFrmPrinterSetup.h"

#include "EFieldException.h"
#include "NumberUtils.h"
#include "TAppGlobals.h"
#include "TAppRegistry.h"
#include "TApplication.h"
#include "TEnterAsTab.h"
#include "TFilterEdit.h"
#include "TOkCancelButtons.h"
#include "TPrinterCatalog.h"
#include "TPrinterSettings.h"
#include "TextUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QRadioButton *Radio(const char *Name, const QString &Caption, QWidget *Parent)
{
    auto *Button = new QRadioButton(Caption, Parent);
    Button->setObjectName(QLatin1String(Name));
    return Button;
}

QSpinBox *Offset(const char *Name, const QString &AccessibleName, QWidget *Parent)
{
    auto *Box = new QSpinBox(Parent);
    Box->setObjectName(QLatin1String(Name));
    Box->setAccessibleName(AccessibleName);
    Box->setRange(-TPrinterSettings::MaxOffset, TPrinterSettings::MaxOffset);
    Box->setSuffix(QStringLiteral(" /100 in"));
    Box->setAlignment(Qt::AlignRight);
    return Box;
}

bool HasNonBlankEntry(const QComboBox *List)
{
    for (int I = 0; I < List->count(); ++I)
        if (!IsBlank(List->itemText(I)))
            return true;
    return false;
}

void Fill(QComboBox *List, const QStringList &Names)
{
    const QString Text = List->currentText();
    List->clear();
    List->addItems(Names);
    List->setCurrentIndex(-1);
    List->setEditText(Text);
}

TPrinterSettings &Record()
{
    return TAppGlobals::Instance().PrinterSettings;
}

TAppRegistry &Registry()
{
    TAppGlobals &Globals = TAppGlobals::Instance();
    if (!Globals.AppRegistry)
        Globals.AppRegistry = std::make_unique<TAppRegistry>();
    return *Globals.AppRegistry;
}

} // namespace

TFrmPrinterSetup::TFrmPrinterSetup(QWidget *Parent)
    : QDialog(Parent)
{
    setObjectName(QStringLiteral("FrmPrinterSetup"));
    setWindowTitle(QStringLiteral("Printer Setup"));
    auto *Layout = new QVBoxLayout(this);
    auto *Lists = new QFormLayout;
    PrinterName = NewList("PrinterName", QStringLiteral("Printer"));
    PaperSize = NewList("PaperSize", QStringLiteral("Paper size"));
    PaperSource = NewList("PaperSource", QStringLiteral("Paper source"));
    Lists->addRow(QStringLiteral("&Printer:"), PrinterName);
    Lists->addRow(QStringLiteral("Paper si&ze:"), PaperSize);
    Lists->addRow(QStringLiteral("Paper sou&rce:"), PaperSource);
    Layout->addLayout(Lists);

    auto *Options = new QHBoxLayout;
    GrpOrientation = new QGroupBox(QStringLiteral("Orientation"), this);
    GrpOrientation->setObjectName(QStringLiteral("GrpOrientation"));
    auto *OrientationLayout = new QVBoxLayout(GrpOrientation);
    RbPortrait = Radio("RbPortrait", QStringLiteral("Por&trait"), GrpOrientation);
    RbLandscape = Radio("RbLandscape", QStringLiteral("&Landscape"), GrpOrientation);
    OrientationLayout->addWidget(RbPortrait);
    OrientationLayout->addWidget(RbLandscape);
    Options->addWidget(GrpOrientation);
    GrpDuplex = new QGroupBox(QStringLiteral("Two-sided printing"), this);
    GrpDuplex->setObjectName(QStringLiteral("GrpDuplex"));
    auto *DuplexLayout = new QVBoxLayout(GrpDuplex);
    RbDuplexNone = Radio("RbDuplexNone", QStringLiteral("&None"), GrpDuplex);
    RbDuplexTablet = Radio("RbDuplexTablet", QStringLiteral("T&ablet"), GrpDuplex);
    RbDuplexBook = Radio("RbDuplexBook", QStringLiteral("&Book"), GrpDuplex);
    for (QRadioButton *Button : { RbDuplexNone, RbDuplexTablet, RbDuplexBook })
        DuplexLayout->addWidget(Button);
    Options->addWidget(GrpDuplex);
    Layout->addLayout(Options);

    auto *CopiesRow = new QHBoxLayout;
    auto *CopiesLabel = new QLabel(QStringLiteral("Cop&ies:"), this);
    Copies = new TFilterEdit(this);
    Copies->setObjectName(QStringLiteral("Copies"));
    Copies->setAccessibleName(QStringLiteral("Copies"));
    Copies->SetValidChars(QStringLiteral("[0..9]"));
    Copies->setMaxLength(2);
    Copies->SetAlignment(TAlignment::RightJustify);
    Copies->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    CopiesLabel->setBuddy(Copies);
    ChkCollate = new QCheckBox(QStringLiteral("Collat&e"), this);
    ChkCollate->setObjectName(QStringLiteral("ChkCollate"));
    CopiesRow->addWidget(CopiesLabel);
    CopiesRow->addWidget(Copies);
    CopiesRow->addSpacing(16);
    CopiesRow->addWidget(ChkCollate);
    CopiesRow->addStretch();
    Layout->addLayout(CopiesRow);

    auto *Forms = new QGroupBox(QStringLiteral("Pre-printed forms"), this);
    auto *FormsLayout = new QFormLayout(Forms);
    ChkDataOnly = new QCheckBox(QStringLiteral("Print &data only (pre-printed forms)"), Forms);
    ChkDataOnly->setObjectName(QStringLiteral("ChkDataOnly"));
    FormsLayout->addRow(ChkDataOnly);
    OffsetX = Offset("OffsetX", QStringLiteral("Horizontal offset"), Forms);
    OffsetY = Offset("OffsetY", QStringLiteral("Vertical offset"), Forms);
    FormsLayout->addRow(QStringLiteral("&Horizontal offset (right):"), OffsetX);
    FormsLayout->addRow(QStringLiteral("&Vertical offset (down):"), OffsetY);
    Layout->addWidget(Forms);

    auto *Buttons = new TOkCancelButtons(this);
    BtnOk = Buttons->BtnOk;
    BtnCancel = Buttons->BtnCancel;
    disconnect(BtnOk, nullptr, this, nullptr);
    disconnect(BtnCancel, nullptr, this, nullptr);
    connect(BtnOk, &QPushButton::clicked, this, &TFrmPrinterSetup::BtnOkClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFrmPrinterSetup::BtnCancelClick);
    Layout->addLayout(Buttons);

    connect(PrinterName, &QComboBox::activated, this, &TFrmPrinterSetup::PrinterNameChange);
    connect(ChkDataOnly, &QCheckBox::toggled, this, &TFrmPrinterSetup::EnableDataOnly);
    EnterAsTab = new TEnterAsTab(this);
    EnterAsTab->SetEnterAsTabKey(true);
    EnterAsTab->SetEscapeAsClose(false);
}

QComboBox *TFrmPrinterSetup::NewList(const char *Name, const QString &AccessibleName)
{
    auto *List = new QComboBox(this);
    List->setObjectName(QLatin1String(Name));
    List->setAccessibleName(AccessibleName);
    List->setEditable(true);
    List->setInsertPolicy(QComboBox::NoInsert);
    List->lineEdit()->setReadOnly(true);
    List->setMinimumContentsLength(30);
    List->installEventFilter(this);
    List->lineEdit()->installEventFilter(this);
    return List;
}

void TFrmPrinterSetup::Execute(QWidget *Parent)
{
    TFrmPrinterSetup Window(Parent);
    Window.exec();
}

void TFrmPrinterSetup::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!FShown) {
        FShown = true;
        TApplication::RunCommand([this] { FormShow(); });
    }
}

void TFrmPrinterSetup::keyPressEvent(QKeyEvent *Event)
{
    // Esc does not close this window; only Cancel does.
    if (Event->key() == Qt::Key_Escape && Event->modifiers() == Qt::NoModifier) {
        Event->accept();
        return;
    }
    QDialog::keyPressEvent(Event);
}

bool TFrmPrinterSetup::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::KeyPress && ComboBoxKeyPress(static_cast<QKeyEvent *>(Event)))
        return true;
    return QDialog::eventFilter(Watched, Event);
}

bool TFrmPrinterSetup::ComboBoxKeyPress(const QKeyEvent *Event) const
{
    // Moving through the entries and opening the list choose; anything that
    // would type, delete or paste does not.
    if (Event->matches(QKeySequence::Paste) || Event->matches(QKeySequence::Cut))
        return true;
    switch (Event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        break;
    }
    return !Event->text().isEmpty() && Event->text().at(0).isPrint();
}

void TFrmPrinterSetup::FormShow()
{
    Record().Clear();
    PrinterName->clear();
    PrinterName->addItems(TPrinterCatalog::Current().PrinterNames());
    LoadFromFile();
    GetData();
    GetPrinterOptions(false);
}

void TFrmPrinterSetup::LoadFromFile()
{
    Record().LoadFromFile(Registry(), TPrinterSettings::StoredKey());
}

void TFrmPrinterSetup::SaveToFile()
{
    Record().SaveToFile(Registry(), TPrinterSettings::StoredKey());
}

void TFrmPrinterSetup::GetData()
{
    const TPrinterSettings &Settings = Record();
    PrinterName->setCurrentIndex(PrinterName->findText(TrimText(Settings.Name)));
    PrinterName->setEditText(TrimText(Settings.Name));
    PaperSize->setEditText(TrimText(Settings.Paper));
    PaperSource->setEditText(TrimText(Settings.Bin));
    (Settings.Orientation == 1 ? RbLandscape : RbPortrait)->setChecked(true);
    ChkCollate->setChecked(Settings.Collate);
    switch (Settings.Duplex) {
    case 1:
        RbDuplexTablet->setChecked(true);
        break;
    case 2:
        RbDuplexBook->setChecked(true);
        break;
    default:
        RbDuplexNone->setChecked(true);
        break;
    }
    Copies->setText(QString::number(Settings.Copies == 0 ? 1 : Settings.Copies));
    ChkDataOnly->setChecked(Settings.DataOnly);
    OffsetX->setValue(Settings.OffsetX);
    OffsetY->setValue(Settings.OffsetY);
    EnableDataOnly();
}

void TFrmPrinterSetup::PutData()
{
    TPrinterSettings &Settings = Record();
    Settings.Name = LeftText(PrinterName->currentText(), TPrinterSettings::NameLength);
    Settings.Paper = LeftText(PaperSize->currentText(), TPrinterSettings::PaperLength);
    Settings.Bin = LeftText(PaperSource->currentText(), TPrinterSettings::BinLength);
    Settings.Orientation = RbLandscape->isChecked() ? 1 : 0;
    Settings.Collate = ChkCollate->isChecked();
    Settings.Duplex = RbDuplexBook->isChecked() ? 2 : RbDuplexTablet->isChecked() ? 1 : 0;
    Settings.Copies = TextToInt(Copies->text());
    Settings.DataOnly = ChkDataOnly->isChecked();
    Settings.OffsetX = OffsetX->value();
    Settings.OffsetY = OffsetY->value();
}

void TFrmPrinterSetup::ValidateFields()
{
    const auto Refuse = [](QWidget *Field, const QString &Message) {
        Field->setFocus(Qt::OtherFocusReason);
        throw EFieldException(Message);
    };
    if (IsBlank(PrinterName->currentText()))
        Refuse(PrinterName, QStringLiteral("Printer has not been selected"));
    if (IsBlank(PaperSize->currentText()) && HasNonBlankEntry(PaperSize))
        Refuse(PaperSize, QStringLiteral("Paper size has not been selected"));
    if (IsBlank(PaperSource->currentText()) && HasNonBlankEntry(PaperSource))
        Refuse(PaperSource, QStringLiteral("Paper source has not been selected"));
    if (TextToInt(Copies->text()) == 0)
        Refuse(Copies, QStringLiteral("Copies must not be 0"));
}

void TFrmPrinterSetup::GetPrinterOptions(bool NewData)
{
    const QString Printer = TrimText(PrinterName->currentText());
    if (!Printer.isEmpty()) {
        TPrinterCatalog &Catalog = TPrinterCatalog::Current();
        Fill(PaperSize, Catalog.PaperNames(Printer));
        Fill(PaperSource, Catalog.BinNames(Printer));
        if (NewData) {
            PaperSize->setEditText(QString());
            PaperSource->setEditText(QString());
        }
    }
    EnablePrinterFeatures();
}

void TFrmPrinterSetup::EnablePrinterFeatures()
{
    // Collation and two-sided printing are offered only where the queue has them.
    const QString Printer = TrimText(PrinterName->currentText());
    TPrinterCatalog &Catalog = TPrinterCatalog::Current();
    const bool Known = TPrinterCatalog::Current().PrinterNames().contains(Printer);
    ChkCollate->setEnabled(Known && Catalog.SupportsCollate(Printer));
    GrpDuplex->setEnabled(Known && Catalog.SupportsDuplex(Printer));
}

void TFrmPrinterSetup::EnableDataOnly()
{
    OffsetX->setEnabled(ChkDataOnly->isChecked());
    OffsetY->setEnabled(ChkDataOnly->isChecked());
}

void TFrmPrinterSetup::PrinterNameChange()
{
    TApplication::RunCommand([this] { GetPrinterOptions(true); });
}

void TFrmPrinterSetup::BtnOkClick()
{
    TApplication::RunCommand([this] {
        ValidateFields();
        PutData();
        SaveToFile();
        accept();
    });
}

void TFrmPrinterSetup::BtnCancelClick()
{
    reject();
}
