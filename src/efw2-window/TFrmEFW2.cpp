#include "TFrmEFW2.h"

#include "AppInfo.h"
#include "EFW2Files.h"
#include "EFieldException.h"
#include "EInOutError.h"
#include "ENoEmployeesException.h"
#include "EProcessException.h"
#include "FieldColors.h"
#include "MsgBox.h"
#include "NumberUtils.h"
#include "SubmitterRules.h"
#include "TAppGlobals.h"
#include "TApplication.h"
#include "TCheckBoxEdit.h"
#include "TDesktop.h"
#include "TEFW2Client.h"
#include "TEFW2Process.h"
#include "TEnterAsTab.h"
#include "TFieldHighlight.h"
#include "TFilterEdit.h"
#include "TFrmDataModule.h"
#include "THelpSystem.h"
#include "TMaskedEdit.h"
#include "TStateEdit.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const QString ProcessHint = QStringLiteral("Process the Form and create EFW2 file");
const QString Caption
    = QStringLiteral("EFW2 - Submitter Information and File Creation Version ") + VersionText();
const QString CurrentClientText = QStringLiteral(" Current Client:  ");
const QString PreparerCodes = QStringLiteral(
    "A = Accounting Firm, L = Self Prepared, S= Service Bureau, P = Parent Company, O = Other");
constexpr int HelpContext = 19;
constexpr int CaptionWidth = 440;
constexpr int WidestField = 400;

std::function<void(const QString &)> &OpenDocumentHook()
{
    static std::function<void(const QString &)> Hook;
    return Hook;
}

void OpenDocument(const QString &Path)
{
    if (OpenDocumentHook())
        OpenDocumentHook()(Path);
    else
        TDesktop::OpenUrl(QUrl::fromLocalFile(Path));
}

// The choice of a state list: the entry equal to Code, letter case ignored;
// none when Code is empty or not in the list.
void SelectState(TStateEdit *List, const QString &Code)
{
    List->setCurrentIndex(Code.isEmpty() ? -1 : List->findText(Code, Qt::MatchFixedString));
}

QString ChosenState(const TStateEdit *List)
{
    return List->currentIndex() < 0 ? QString() : List->currentText();
}

// A field wide enough for Chars characters of its font.
int FieldWidth(const QWidget *Field, int Chars)
{
    const int Width = Field->fontMetrics().horizontalAdvance(QLatin1Char('W')) * Chars + 12;
    return qMin(Width, WidestField);
}

bool MovesBetweenFields(const QFocusEvent *Event)
{
    const Qt::FocusReason Reason = Event->reason();
    return Reason != Qt::ActiveWindowFocusReason && Reason != Qt::PopupFocusReason
        && Reason != Qt::MenuBarFocusReason;
}

} // namespace

TFrmEFW2::TFrmEFW2(TFrmDataModule &Data, QWidget *Parent)
    : QDialog(Parent)
    , Data(Data)
{
    setObjectName(QStringLiteral("FrmEFW2"));
    setWindowTitle(Caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    THelpSystem::SetHelpContext(this, HelpContext);
    auto *Layout = new QGridLayout(this);
    CreateFields();
    Layout->addWidget(FFieldPanel, 0, 0);
    auto *Side = new QVBoxLayout;
    Layout->addLayout(Side, 0, 1);
    CreateSide(Side);
    CreateClientPanel();
    Layout->addWidget(CurClientPanel, 1, 0, 1, 2);
    ConnectHandlers();
    // Installed before the highlight, so a field left gets its colour back
    // before the marks are recomputed.
    for (QWidget *Field : std::as_const(FFields))
        Field->installEventFilter(this);
    FieldHighlight = new TFieldHighlight(FFieldPanel);
    EnterAsTab = new TEnterAsTab(this);
    EnterAsTab->SetEnterAsTabKey(true);
    EnterAsTab->SetEscapeAsClose(true);
    setFixedSize(sizeHint());
    if (const QScreen *Screen = QGuiApplication::primaryScreen())
        move(Screen->availableGeometry().center() - rect().center());
    FormCreate();
}

TFrmEFW2::~TFrmEFW2() = default;

void TFrmEFW2::SetOpenDocumentForTest(std::function<void(const QString &)> Open)
{
    OpenDocumentHook() = std::move(Open);
}

template <typename T> T *TFrmEFW2::AddField(const char *Name, const QString &AccessibleName)
{
    auto *Field = new T(FFieldPanel);
    Field->setObjectName(QLatin1String(Name));
    Field->setAccessibleName(AccessibleName);
    FFields.append(Field);
    return Field;
}

TFilterEdit *TFrmEFW2::AddText(const char *Name, const QString &AccessibleName, int MaxLength, bool Upper)
{
    auto *Edit = AddField<TFilterEdit>(Name, AccessibleName);
    if (Upper)
        Edit->SetCharCase(TFilterEdit::TCharCase::UpperCase);
    Edit->setMaxLength(MaxLength);
    Edit->setFixedWidth(FieldWidth(Edit, MaxLength));
    return Edit;
}

TFilterEdit *TFrmEFW2::AddDigits(const char *Name, const QString &AccessibleName, int MaxLength)
{
    auto *Edit = AddText(Name, AccessibleName, MaxLength, false);
    Edit->SetValidChars(QStringLiteral("[0..9]"));
    return Edit;
}

TMaskedEdit *TFrmEFW2::AddMasked(const char *Name, const QString &AccessibleName, const QString &Mask)
{
    auto *Edit = AddField<TMaskedEdit>(Name, AccessibleName);
    Edit->SetEditMask(Mask);
    Edit->setFixedWidth(FieldWidth(Edit, int(Mask.size())));
    return Edit;
}

TStateEdit *TFrmEFW2::AddState(const char *Name, const QString &AccessibleName)
{
    auto *List = AddField<TStateEdit>(Name, AccessibleName);
    List->SetOkToDel(true);
    List->setFixedWidth(FieldWidth(List, 4));
    return List;
}

QGridLayout *TFrmEFW2::FieldGrid()
{
    return static_cast<QGridLayout *>(FFieldPanel->layout());
}

// One line of the panel: the caption, the dotted leader and the controls.
void TFrmEFW2::AddLine(const QString &Text, const QList<QWidget *> &Controls)
{
    QGridLayout *Grid = FieldGrid();
    const int Row = Grid->rowCount();
    auto *Label = new QLabel(Text, FFieldPanel);
    Label->setWordWrap(true);
    Label->setFixedWidth(CaptionWidth);
    Label->setBuddy(Controls.first());
    auto *Leader = new QLabel(QStringLiteral(".  .  ."), FFieldPanel);
    Leader->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *Line = new QHBoxLayout;
    Line->setSpacing(6);
    for (QWidget *Control : Controls)
        Line->addWidget(Control);
    Line->addStretch();
    Grid->addWidget(Label, Row, 0);
    Grid->addWidget(Leader, Row, 1);
    Grid->addLayout(Line, Row, 2);
}

void TFrmEFW2::CreateFields()
{
    FFieldPanel = new QWidget(this);
    FFieldPanel->setObjectName(QStringLiteral("FieldPanel"));
    FFieldPanel->setAutoFillBackground(true);
    QPalette White = FFieldPanel->palette();
    White.setColor(QPalette::Window, Qt::white);
    White.setColor(QPalette::WindowText, Qt::black);
    FFieldPanel->setPalette(White);
    auto *Grid = new QGridLayout(FFieldPanel);
    Grid->setVerticalSpacing(1);
    Grid->setContentsMargins(8, 4, 8, 4);

    const QString EINCaption = QStringLiteral("Submitter's Employer Identification Number (EIN)");
    EIN = AddMasked("EIN", EINCaption, QStringLiteral("99-9999999"));
    AddLine(EINCaption, { EIN });
    const QString UserIDCaption = QStringLiteral(
        "BSO User ID assigned to the employee who is attesting to the accuracy of the EFW2 file");
    UserID = AddText("UserID", UserIDCaption, 8);
    AddLine(UserIDCaption, { UserID });
    const QString ResubIndCaption = QStringLiteral("Check if the file is being resubmitted");
    ResubInd = AddField<TCheckBoxEdit>("ResubInd", ResubIndCaption);
    ResubInd->setFixedWidth(24);
    AddLine(ResubIndCaption, { ResubInd });
    const QString ResubIDCaption = QStringLiteral("and enter the Wage File Identifier from SSA notice");
    ResubID = AddText("ResubID", ResubIDCaption, 6, false);
    AddLine(ResubIDCaption, { ResubID });

    const QString CompanyNameCaption = QStringLiteral("Company Name");
    CompanyName = AddText("CompanyName", CompanyNameCaption, 57);
    AddLine(CompanyNameCaption, { CompanyName });
    const QString LocationCaption = QStringLiteral("Location address (Floor, Suite or Room number)");
    LocationAddr = AddText("LocationAddr", LocationCaption, 22);
    AddLine(LocationCaption, { LocationAddr });
    const QString DeliveryCaption = QStringLiteral("Delivery address");
    DeliveryAddr = AddText("DeliveryAddr", DeliveryCaption, 22);
    AddLine(DeliveryCaption, { DeliveryAddr });
    const QString CityCaption = QStringLiteral("City");
    City = AddText("City", CityCaption, 22);
    AddLine(CityCaption, { City });
    const QString StateCaption = QStringLiteral("State");
    StateCode = AddState("StateCode", StateCaption);
    AddLine(StateCaption, { StateCode });
    const QString ZipCaption = QStringLiteral("Zip Code and Zip Code extension (extension is optional)");
    ZipCode = AddDigits("ZipCode", ZipCaption, 5);
    ZipCodeExt = AddDigits("ZipCodeExt", QStringLiteral("Zip Code extension"), 4);
    AddLine(ZipCaption, { ZipCode, new QLabel(QStringLiteral("\u2014"), FFieldPanel), ZipCodeExt });
    const QString ForeignStateCaption = QStringLiteral("Foreign State or Province");
    ForeignState = AddText("ForeignState", ForeignStateCaption, 23);
    AddLine(ForeignStateCaption, { ForeignState });
    const QString ForeignZipCaption = QStringLiteral("Foreign Postal Code");
    ForeignZip = AddText("ForeignZip", ForeignZipCaption, 15);
    AddLine(ForeignZipCaption, { ForeignZip });
    const QString CountryCaption = QStringLiteral("Country Code (if U.S. state or possession, leave blank)");
    CountryCode = AddText("CountryCode", CountryCaption, 2);
    CountryCode->SetValidChars(QStringLiteral("[A..Z,a..z]"));
    BtnViewCountryCodes = new QPushButton(QStringLiteral("&View Country Codes"), FFieldPanel);
    BtnViewCountryCodes->setObjectName(QStringLiteral("BtnViewCountryCodes"));
    BtnViewCountryCodes->setAutoDefault(false);
    BtnViewCountryCodes->setFocusPolicy(Qt::ClickFocus);
    AddLine(CountryCaption, { CountryCode, BtnViewCountryCodes });

    const QString SubmitNameCaption = QStringLiteral("Submitter Name");
    SubmitName = AddText("SubmitName", SubmitNameCaption, 57);
    AddLine(SubmitNameCaption, { SubmitName });
    const QString SubmitAddr1Caption
        = QStringLiteral("Submitter's Location address (Floor, Suite or Room number)");
    SubmitAddr1 = AddText("SubmitAddr1", SubmitAddr1Caption, 22);
    AddLine(SubmitAddr1Caption, { SubmitAddr1 });
    const QString SubmitAddr2Caption = QStringLiteral("Submitter's Delivery address");
    SubmitAddr2 = AddText("SubmitAddr2", SubmitAddr2Caption, 22);
    AddLine(SubmitAddr2Caption, { SubmitAddr2 });
    const QString SubmitCityCaption = QStringLiteral("Submitter's City");
    SubmitCity = AddText("SubmitCity", SubmitCityCaption, 22);
    AddLine(SubmitCityCaption, { SubmitCity });
    const QString SubmitStateCaption = QStringLiteral("Submitter's State");
    SubmitState = AddState("SubmitState", SubmitStateCaption);
    AddLine(SubmitStateCaption, { SubmitState });
    const QString SubmitZipCaption
        = QStringLiteral("Submitter's Zip Code and Zip Code extension (extension is optional)");
    SubmitZip = AddDigits("SubmitZip", SubmitZipCaption, 5);
    SubmitZipExt = AddDigits("SubmitZipExt", QStringLiteral("Submitter's Zip Code extension"), 4);
    AddLine(SubmitZipCaption, { SubmitZip, new QLabel(QStringLiteral("\u2014"), FFieldPanel), SubmitZipExt });
    const QString SubmitFSPCaption = QStringLiteral("Submitter's Foreign State or Province");
    SubmitFSP = AddText("SubmitFSP", SubmitFSPCaption, 23);
    AddLine(SubmitFSPCaption, { SubmitFSP });
    const QString SubmitFPCCaption = QStringLiteral("Submitter's Foreign Postal Code");
    SubmitFPC = AddText("SubmitFPC", SubmitFPCCaption, 15);
    AddLine(SubmitFPCCaption, { SubmitFPC });
    const QString SubmitCCCaption
        = QStringLiteral("Submitter's Country Code (if U.S. state or possession, leave blank)");
    SubmitCC = AddText("SubmitCC", SubmitCCCaption, 2);
    SubmitCC->SetValidChars(QStringLiteral("[A..Z,a..z]"));
    AddLine(SubmitCCCaption,
        { SubmitCC, new QLabel(QStringLiteral("Click View Country Codes Above"), FFieldPanel) });

    const QString ContactNameCaption
        = QStringLiteral("Person to be contacted by SSA concerning processing problems");
    ContactName = AddText("ContactName", ContactNameCaption, 27);
    AddLine(ContactNameCaption, { ContactName });
    const QString PhoneCaption = QStringLiteral("Contact Person's telephone number and extension");
    ContactPhone = AddMasked("ContactPhone", PhoneCaption, QStringLiteral("999-999-9999"));
    ContactExt = AddDigits("ContactExt", QStringLiteral("Contact Person's telephone extension"), 5);
    AddLine(PhoneCaption, { ContactPhone, ContactExt });
    const QString EmailCaption = QStringLiteral("Contact Person's e-mail/internet address");
    ContactEmail = AddText("ContactEmail", EmailCaption, 40, false);
    AddLine(EmailCaption, { ContactEmail });
    const QString FaxCaption = QStringLiteral("Contact Person's  fax number if applicable");
    ContactFax = AddMasked("ContactFax", FaxCaption, QStringLiteral("999-999-9999"));
    AddLine(FaxCaption, { ContactFax });
    const QString PreparerCaption = QStringLiteral(
        "Preparer Code. Enter one of the following codes to indicate who prepared the EFW2 file:");
    PreparerCode = AddText("PreparerCode", PreparerCaption, 1);
    PreparerCode->SetValidChars(QStringLiteral("[A,L,S,P,O,a,l,s,p,o]"));
    PreparerCode->SetAlignment(TAlignment::Center);
    PreparerCode->setFixedWidth(FieldWidth(PreparerCode, 2));
    PreparerCode->setAccessibleDescription(PreparerCodes);
    AddLine(PreparerCaption + QLatin1Char('\n') + PreparerCodes, { PreparerCode });
    FNormalColor = FieldColor(EIN);
}

QPushButton *TFrmEFW2::AddButton(const char *Name, const QString &Text, const QString &Hint)
{
    auto *Button = new QPushButton(Text, this);
    Button->setObjectName(QLatin1String(Name));
    Button->setToolTip(Hint);
    Button->setAutoDefault(false);
    return Button;
}

void TFrmEFW2::CreateSide(QVBoxLayout *Side)
{
    BtnHelp = AddButton(
        "BtnHelp", QStringLiteral("&Help"), QStringLiteral("Obtain help on completing this Form"));
    BtnProcess = AddButton("BtnProcess", QStringLiteral("&Process"), ProcessHint);
    BtnReset = AddButton(
        "BtnReset", QStringLiteral("&Reset"), QStringLiteral("Reset the EFW2 file creation process"));
    for (QPushButton *Button : { BtnHelp, BtnProcess, BtnReset })
        Side->addWidget(Button);

    auto *Exclude = new QGroupBox(QStringLiteral("Exclude the following records"), this);
    Exclude->setObjectName(QStringLiteral("GrpExclude"));
    auto *ExcludeLayout = new QVBoxLayout(Exclude);
    ChkSubmitter = new QCheckBox(QStringLiteral("Submitter"), Exclude);
    ChkSubmitter->setObjectName(QStringLiteral("ChkSubmitter"));
    ChkFinal = new QCheckBox(QStringLiteral("Final"), Exclude);
    ChkFinal->setObjectName(QStringLiteral("ChkFinal"));
    for (QCheckBox *Box : { ChkSubmitter, ChkFinal }) {
        Box->setFocusPolicy(Qt::ClickFocus);
        ExcludeLayout->addWidget(Box);
    }
    Side->addWidget(Exclude);
    LblProcessBlock = new QLabel(this);
    LblProcessBlock->setObjectName(QStringLiteral("LblProcessBlock"));
    LblProcessBlock->setWordWrap(true);
    LblProcessBlock->hide();
    Side->addWidget(LblProcessBlock);

    auto *ClientsLabel = new QLabel(QStringLiteral("Clients Processed:"), this);
    MemoClientsProcessed = new QPlainTextEdit(this);
    MemoClientsProcessed->setObjectName(QStringLiteral("MemoClientsProcessed"));
    MemoClientsProcessed->setReadOnly(true);
    MemoClientsProcessed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoClientsProcessed->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoClientsProcessed->setAccessibleName(QStringLiteral("Clients Processed"));
    ClientsLabel->setBuddy(MemoClientsProcessed);
    Side->addWidget(ClientsLabel);
    Side->addWidget(MemoClientsProcessed, 1);

    const QString TotalCaption = QStringLiteral("Total  number of employee  records created for all Clients");
    auto *TotalLabel = new QLabel(TotalCaption, this);
    TotalLabel->setWordWrap(true);
    TotalRecords = new TFilterEdit(this);
    TotalRecords->setObjectName(QStringLiteral("TotalRecords"));
    TotalRecords->setReadOnly(true);
    TotalRecords->SetValidChars(QStringLiteral("[0..9]"));
    TotalRecords->SetAlignment(TAlignment::RightJustify);
    TotalRecords->setAccessibleName(TotalCaption);
    TotalLabel->setBuddy(TotalRecords);
    Side->addWidget(TotalLabel);
    Side->addWidget(TotalRecords);
    Side->addSpacing(12);

    BtnClose = AddButton("BtnClose", QStringLiteral("&Close"),
        QStringLiteral("Closes the Form without processing, but your data will be saved"));
    BtnClose->setFocusPolicy(Qt::ClickFocus);
    Side->addWidget(BtnClose);
}

void TFrmEFW2::CreateClientPanel()
{
    CurClientPanel = new QLabel(this);
    CurClientPanel->setObjectName(QStringLiteral("CurClientPanel"));
    CurClientPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont Bold = CurClientPanel->font();
    Bold.setBold(true);
    CurClientPanel->setFont(Bold);
    CurClientPanel->setMinimumHeight(CurClientPanel->fontMetrics().height() + 10);
}

void TFrmEFW2::ConnectHandlers()
{
    const auto Command = [this](void (TFrmEFW2::*Handler)()) {
        return [this, Handler] { TApplication::RunCommand([this, Handler] { (this->*Handler)(); }); };
    };
    connect(BtnProcess, &QPushButton::clicked, this, Command(&TFrmEFW2::BtnProcessClick));
    connect(BtnReset, &QPushButton::clicked, this, Command(&TFrmEFW2::BtnResetClick));
    connect(BtnHelp, &QPushButton::clicked, this, Command(&TFrmEFW2::BtnHelpClick));
    connect(BtnViewCountryCodes, &QPushButton::clicked, this, Command(&TFrmEFW2::BtnViewCountryCodesClick));
    connect(BtnClose, &QPushButton::clicked, this, &QDialog::close);
    connect(ChkSubmitter, &QCheckBox::clicked, this, [this](bool Checked) { ChkSubmitterClick(Checked); });
    connect(ChkFinal, &QCheckBox::clicked, this, [this](bool Checked) { ChkFinalClick(Checked); });
}

void TFrmEFW2::FixFileNames()
{
    const TAppGlobals &Globals = TAppGlobals::Instance();
    FSettingsFile = Globals.ProgramDir + QStringLiteral("QMRK.W2S");
    FCountryCodesFile = Globals.ProgramDir + QStringLiteral("CountryCodes.pdf");
    FClientsFile = Globals.ProgramDir + QStringLiteral("QMRK.CP");
    FEFW2Dir = Globals.DataDir + QStringLiteral("EFW2/");
    if (!QDir().mkpath(FEFW2Dir))
        throw EInOutError(QStringLiteral("Cannot create the folder %1").arg(FEFW2Dir));
    FClientFile = FEFW2Dir + ClientFileName(Data.CurrentW3File);
    FMasterFile = FEFW2Dir + QStringLiteral("FormsW2Report.txt");
}

void TFrmEFW2::FormCreate()
{
    FixFileNames();
    FSettings = LoadEFW2Settings(FSettingsFile);
    SettingsToWindow();
    MarkRequiredFields();
    FSubmission
        = std::make_unique<TEFW2Submission>(TAppGlobals::Instance().MasterList, FClientsFile, FMasterFile);
    ApplyOpeningRules();
}

void TFrmEFW2::ApplyOpeningRules()
{
    CurClientPanel->setText(CurrentClientText + Data.CurrentEmployer.EmployerName());
    FSubmission->Load();
    for (const QString &Name : FSubmission->ClientsProcessed())
        MemoClientsProcessed->appendPlainText(Name);
    ApplyStates(
        FSubmission->OpeningStates(Data.FormsReviewState, FSettings, Data.CurrentEmployer.EmployerName()));
}

void TFrmEFW2::ApplyStates(const TEFW2ControlStates &States)
{
    BtnProcess->setEnabled(States.Process);
    // A disabled Process says why, in its hint and under the boxes.
    const QString Why = EFW2ProcessBlockText(States.Block);
    BtnProcess->setToolTip(Why.isEmpty() ? ProcessHint : Why);
    LblProcessBlock->setText(Why);
    LblProcessBlock->setVisible(!Why.isEmpty());
    BtnReset->setEnabled(States.Reset);
    ChkSubmitter->setEnabled(States.Submitter);
    ChkFinal->setEnabled(States.Final);
}

// The free-text fields with their slots, in window order; the masked, state
// and check fields move one by one.
QList<std::pair<TFilterEdit *, QString TSubmitterData::*>> TFrmEFW2::TextSlots() const
{
    return { { UserID, &TSubmitterData::UserID }, { ResubID, &TSubmitterData::ResubID },
        { CompanyName, &TSubmitterData::CompanyName }, { LocationAddr, &TSubmitterData::LocationAddr },
        { DeliveryAddr, &TSubmitterData::DeliveryAddr }, { City, &TSubmitterData::City },
        { ZipCode, &TSubmitterData::ZipCode }, { ZipCodeExt, &TSubmitterData::ZipCodeExt },
        { ForeignState, &TSubmitterData::ForeignState }, { ForeignZip, &TSubmitterData::ForeignZip },
        { CountryCode, &TSubmitterData::CountryCode }, { SubmitName, &TSubmitterData::SubmitName },
        { SubmitAddr1, &TSubmitterData::SubmitAddr1 }, { SubmitAddr2, &TSubmitterData::SubmitAddr2 },
        { SubmitCity, &TSubmitterData::SubmitCity }, { SubmitZip, &TSubmitterData::SubmitZip },
        { SubmitZipExt, &TSubmitterData::SubmitZipExt }, { SubmitFSP, &TSubmitterData::SubmitFSP },
        { SubmitFPC, &TSubmitterData::SubmitFPC }, { SubmitCC, &TSubmitterData::SubmitCC },
        { ContactName, &TSubmitterData::ContactName }, { ContactExt, &TSubmitterData::ContactExt },
        { ContactEmail, &TSubmitterData::ContactEmail }, { PreparerCode, &TSubmitterData::PreparerCode } };
}

void TFrmEFW2::SettingsToWindow()
{
    const TSubmitterData D = FSettings.Submitter();
    EIN->SetStoredText(D.EIN);
    ResubInd->SetChecked(D.ResubInd);
    SelectState(StateCode, D.StateCode);
    SelectState(SubmitState, D.SubmitState);
    ContactPhone->SetStoredText(D.ContactPhone);
    ContactFax->SetStoredText(D.ContactFax);
    for (const auto &[Field, Slot] : TextSlots())
        Field->setText(D.*Slot);
    ShowTotalRecords();
    ChkSubmitter->setChecked(FSettings.ExcludeSubmitter());
    ChkFinal->setChecked(FSettings.ExcludeFinal());
}

TSubmitterData TFrmEFW2::SubmitterFromWindow() const
{
    TSubmitterData D;
    D.EIN = EIN->StoredText();
    D.ResubInd = ResubInd->Checked();
    D.StateCode = ChosenState(StateCode);
    D.SubmitState = ChosenState(SubmitState);
    D.ContactPhone = ContactPhone->StoredText();
    D.ContactFax = ContactFax->StoredText();
    for (const auto &[Field, Slot] : TextSlots())
        D.*Slot = Field->text();
    return D;
}

void TFrmEFW2::WindowToSettings()
{
    FSettings.SetSubmitter(SubmitterFromWindow());
    FSettings.SetTotalRecords(TextToInt(TotalRecords->text()));
    FSettings.SetExcludeSubmitter(ChkSubmitter->isChecked());
    FSettings.SetExcludeFinal(ChkFinal->isChecked());
}

void TFrmEFW2::ShowTotalRecords()
{
    TotalRecords->setText(QString::number(FSettings.TotalRecords()));
}

void TFrmEFW2::MarkRequiredFields()
{
    ResubID->setEnabled(ResubInd->Checked());
    const QStringList Marked = ::MarkRequiredFields(SubmitterFromWindow());
    for (const QString &Name : MarkableFields())
        if (auto *Field = FFieldPanel->findChild<QWidget *>(Name))
            SetFieldColor(Field, Marked.contains(Name) ? MarkColor() : FNormalColor);
}

bool TFrmEFW2::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::FocusOut && MovesBetweenFields(static_cast<QFocusEvent *>(Event)))
        MarkRequiredFields();
    return QDialog::eventFilter(Watched, Event);
}

// The limit findings in one box, and the question whether to write anyway;
// No is the default.
bool TFrmEFW2::AcceptFindings(const QList<TEFW2Finding> &Findings)
{
    QStringList Lines;
    for (const TEFW2Finding &Finding : Findings)
        Lines.append(Finding.Text());
    const QString Text = QStringLiteral("The SSA's %1 checks would report these amounts:~~").arg(YearText())
        + Lines.join(QLatin1Char('~')) + QStringLiteral("~~Write the EFW2 file anyway?");
    return MsgBox(Text, AppTitle(), MsgFlag::YesNo | MsgFlag::IconWarning | MsgFlag::DefaultButton2)
        == MsgResult::Yes;
}

void TFrmEFW2::ProcessClient()
{
    const TEFW2Client Client = ReadEFW2Client(Data);
    const int Count = Client.ValidCount();
    const TSubmitterData Submitter = SubmitterFromWindow();
    const TEFW2Part Part { ChkSubmitter->isChecked(), ChkFinal->isChecked(),
        TEFW2Submission::RFCount(FSettings, Count) };
    const TEFW2Outcome Outcome
        = TEFW2Process(Submitter, { { Data.CurrentW3File, Client, Part, FClientFile } })
              .Run([this](const QList<TEFW2Finding> &Findings) { return AcceptFindings(Findings); });
    switch (Outcome.Stop) {
    case TEFW2Stop::None:
        break;
    case TEFW2Stop::NoEmployees:
        throw ENoEmployeesException(Outcome.Message);
    case TEFW2Stop::Submitter:
        if (auto *Field = FFieldPanel->findChild<QWidget *>(Outcome.Field))
            Field->setFocus(Qt::OtherFocusReason);
        throw EFieldException(Outcome.Message);
    case TEFW2Stop::Client:
        throw EProcessException(Outcome.Message + QStringLiteral("~~No EFW2 file was created."));
    case TEFW2Stop::Findings:
        return; // the person chose not to write: nothing is written or counted
    }
    const QStringList &Lines = Outcome.Lines.first();
    // Counted only once the client file is there.
    FSettings.SetTotalRecords(FSettings.TotalRecords() + Count);
    if (!Part.ExcludeRA)
        FSettings.StoreRA(Lines.first());

    const QString Name = Data.CurrentEmployer.EmployerName();
    MsgBox(QStringLiteral("Process Completed.  Total employee records processed for %1 = %2")
               .arg(Name)
               .arg(Count),
        AppTitle(), MsgFlag::Ok);
    ShowTotalRecords();
    BtnReset->setEnabled(FSettings.TotalRecords() > 0);
    FSubmission->AddClient(Name);
    MemoClientsProcessed->appendPlainText(Name);
    if (Part.ExcludeRA || Part.ExcludeRF)
        FSubmission->AppendToMaster(Lines);
    // The first client of a multi-client submission: the later ones go without an RA.
    if (Part.ExcludeRF && FSubmission->ClientsProcessed().size() == 1)
        ChkSubmitter->setChecked(true);
    ApplyStates({ false, BtnReset->isEnabled(), false, false, TEFW2ProcessBlock::ClientProcessed });
}

void TFrmEFW2::BtnProcessClick()
{
    ProcessClient();
}

void TFrmEFW2::BtnResetClick()
{
    const int Answer
        = MsgBox(QStringLiteral("This will clear the Master EFW2 Text File and reset the total~number  of "
                                "employee records created for all Clients to zero. ~~Are you sure?"),
            AppTitle(), MsgFlag::YesNo | MsgFlag::IconQuestion | MsgFlag::DefaultButton2);
    if (Answer != MsgResult::Yes)
        return;
    MemoClientsProcessed->clear();
    FSubmission->Clear();
    FSettings.SetTotalRecords(0);
    FSettings.SetLastClientConfirmed(false);
    ShowTotalRecords();
    ChkSubmitter->setChecked(false);
    ChkFinal->setChecked(false);
    ApplyStates(TEFW2Submission::ResetStates(Data.FormsReviewState));
}

void TFrmEFW2::BtnHelpClick()
{
    THelpSystem::ShowTopic(HelpContext);
}

void TFrmEFW2::BtnViewCountryCodesClick()
{
    if (QFile::exists(FCountryCodesFile)) {
        OpenDocument(FCountryCodesFile);
        return;
    }
    MsgBox(QStringLiteral("The Country Codes file cannot no be found"), AppTitle(), MsgFlag::IconError);
}

void TFrmEFW2::ChkSubmitterClick(bool Checked)
{
    if (Checked || FSubmission->MasterList().isEmpty())
        return;
    MsgBox(
        QStringLiteral("You have already created a Submitter record."), AppTitle(), MsgFlag::IconInformation);
    ChkSubmitter->setChecked(true);
}

void TFrmEFW2::ChkFinalClick(bool Checked)
{
    if (Checked || FSubmission->MasterList().isEmpty())
        return;
    const int Answer = MsgBox(QStringLiteral("Will this be the last Client to be Processed?"), AppTitle(),
        MsgFlag::YesNo | MsgFlag::IconQuestion | MsgFlag::DefaultButton2);
    if (Answer == MsgResult::Yes) {
        FSettings.SetLastClientConfirmed(true);
        return;
    }
    ChkFinal->setChecked(true);
    FSettings.SetLastClientConfirmed(false);
}

// Every way of closing the window (Close, Esc, the window's close command)
// comes here.
void TFrmEFW2::reject()
{
    if (TApplication::RunCommand([this] {
            FormCloseQuery();
            FormClose();
        }))
        QDialog::reject();
}

void TFrmEFW2::FormCloseQuery()
{
    if (BtnProcess->isEnabled() && FSettings.LastClientConfirmed())
        throw EProcessException(
            QStringLiteral("The Final Client must be Processed before closing the Form."));
}

void TFrmEFW2::FormClose()
{
    WindowToSettings();
    FSubmission->Save([this] { SaveEFW2Settings(FSettingsFile, FSettings); });
}
