#include "TFrmW3.h"

#include "AppInfo.h"
#include "EmployerRecord.h"
#include "FormsReviewState.h"
#include "StateCodes.h"
#include "TApplication.h"
#include "TCheckBoxEdit.h"
#include "TDateEdit.h"
#include "TDollarEdit.h"
#include "TFilterEdit.h"
#include "TFormCanvas.h"
#include "TFormMapping.h"
#include "TFrmDataModule.h"
#include "TFrmReportPreview.h"
#include "TMaskedEdit.h"
#include "TRecordSet.h"
#include "TW3Printing.h"
#include "TaxFormsProject.h"
#include "W3Checks.h"
#include "W3Totals.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr double FormWidth = 7.5;
constexpr double FormHeight = 5.55;
constexpr double CheckSide = 0.1389;
const QString SickPayRecap = QStringLiteral("Third-Party Sick Pay Recap");

} // namespace

TFrmW3::~TFrmW3() = default;

TFrmW3::TFrmW3(TFrmDataModule &Data, QWidget *Parent)
    : TFormWindow(Data, FormWidth, FormHeight, 10, Parent)
{
    setObjectName(QStringLiteral("FrmW3"));
    setWindowTitle(QStringLiteral("Form W-3 Transmittal of Wage and Tax Statements ") + YearText());
    CreateHeader();
    CreateKinds();
    CreateIdentity();
    CreateTotals();
    CreateStateAndContact();
    DrawForm();
    CreateButtons();
    SetTabOrder();
    for (int I = 1; I <= 12; ++I)
        Boxb.append(findChild<TCheckBoxEdit *>(QStringLiteral("Boxb%1").arg(I)));
    ConnectHandlers();
    SetUpKeys();
    setFixedSize(sizeHint());
}

// The totals are computed, never typed: read-only and passed over by Tab.
TDollarEdit *TFrmW3::AddTotal(const char *Name, const QString &AccessibleName, int Digits)
{
    auto *Total = AddAmount(Name, AccessibleName, Digits);
    Total->setReadOnly(true);
    Total->setFocusPolicy(Qt::ClickFocus);
    return Total;
}

TCheckBoxEdit *TFrmW3::AddCheck(const char *Name, const QString &AccessibleName, double X, double Y)
{
    auto *Check = AddField<TCheckBoxEdit>(Name, AccessibleName);
    Check->setFont(TFormCanvas::CaptionFont(9, true));
    FCanvas->PlaceCheck(Check, X, Y, CheckSide);
    return Check;
}

TCustomEdit *TFrmW3::AddEdit(const char *Name, const QString &AccessibleName, int MaxLength)
{
    auto *Edit = AddField<TCustomEdit>(Name, AccessibleName);
    Edit->setMaxLength(MaxLength);
    return Edit;
}

TFilterEdit *TFrmW3::AddStateBox(const char *Name, const QString &AccessibleName)
{
    auto *Box = AddField<TFilterEdit>(Name, AccessibleName);
    Box->SetCharCase(TFilterEdit::TCharCase::UpperCase);
    Box->setMaxLength(2);
    Box->SetOnKeyPress([this, Box](QChar &Key) { StateKeyPress(Box, Key); });
    return Box;
}

void TFrmW3::CreateHeader()
{
    Boxa = AddField<TFilterEdit>("Boxa", QStringLiteral("Box a Control number"));
    Boxa->SetAlignment(TAlignment::Center);
    Boxa->SetCharCase(TFilterEdit::TCharCase::UpperCase);
    Boxa->SetValidChars(QStringLiteral("[A..Z,0..9,-]"));
    Boxa->setMaxLength(10);
    FCanvas->Place(Boxa, 0.8672, TFormCanvas::LineHeight, 1.6222);
}

void TFrmW3::CreateKinds()
{
    const QString Payer = QStringLiteral("Box b Kind of Payer, ");
    const QString Employer = QStringLiteral("Box b Kind of Employer, ");
    Boxb1 = AddCheck("Boxb1", Payer + QStringLiteral("941"), 1.2, 0.5);
    Boxb2 = AddCheck("Boxb2", Payer + QStringLiteral("Military"), 1.7, 0.5);
    Boxb3 = AddCheck("Boxb3", Payer + QStringLiteral("943"), 2.2, 0.5);
    Boxb4 = AddCheck("Boxb4", Payer + QStringLiteral("944"), 2.7, 0.5);
    Boxb5 = AddCheck("Boxb5", Payer + QStringLiteral("CT-1"), 1.2, 0.8333);
    Boxb6 = AddCheck("Boxb6", Payer + QStringLiteral("Household employee"), 1.7, 0.8333);
    Boxb7 = AddCheck("Boxb7", Payer + QStringLiteral("Medicare government employee"), 2.2, 0.8333);
    Boxb8 = AddCheck("Boxb8", Employer + QStringLiteral("None apply"), 4.6, 0.5);
    Boxb9 = AddCheck("Boxb9", Employer + QStringLiteral("501c non-government"), 5.3, 0.5);
    Boxb10 = AddCheck("Boxb10", Employer + QStringLiteral("State/local non-501c"), 4.6, 0.8333);
    Boxb11 = AddCheck("Boxb11", Employer + QStringLiteral("State/local 501c"), 5.3, 0.8333);
    Boxb12 = AddCheck("Boxb12", Employer + QStringLiteral("Federal government"), 6.1, 0.8333);
    Boxb13 = AddCheck("Boxb13", QStringLiteral("Box b Third-party sick pay"), 7.0, 0.8333);
}

void TFrmW3::CreateIdentity()
{
    Boxc = AddField<TFilterEdit>("Boxc", QStringLiteral("Box c Total number of Forms W-2"));
    Boxc->SetValidChars(QStringLiteral("[0..9]"));
    Boxc->setReadOnly(true);
    Boxc->setFocusPolicy(Qt::ClickFocus);
    FCanvas->Place(Boxc, 0.0139, 1.1667, 1.5722);
    Boxd = AddField<TFilterEdit>("Boxd", QStringLiteral("Box d Establishment number"));
    Boxd->SetAlignment(TAlignment::Center);
    Boxd->SetValidChars(QStringLiteral("[0..9]"));
    Boxd->setMaxLength(4);
    FCanvas->Place(Boxd, 1.6139, 1.1667, 1.5722);
}

void TFrmW3::CreateTotals()
{
    Amount1 = AddTotal("Amount1", QStringLiteral("Box 1 Wages, tips, other compensation"), 12);
    FCanvas->Place(Amount1, 3.2139, 1.1667, 2.1222);
    Amount2 = AddTotal("Amount2", QStringLiteral("Box 2 Federal income tax withheld"), 12);
    FCanvas->Place(Amount2, 5.3639, 1.1667, 2.1222);
    Boxe = AddField<TMaskedEdit>("Boxe", QStringLiteral("Box e Employer identification number (EIN)"));
    Boxe->SetEditMask(QStringLiteral("99-9999999"));
    FCanvas->Place(Boxe, 0.0139, 1.5, 3.1722);
    Amount3 = AddTotal("Amount3", QStringLiteral("Box 3 Social security wages"), 12);
    FCanvas->Place(Amount3, 3.2139, 1.5, 2.1222);
    Amount4 = AddTotal("Amount4", QStringLiteral("Box 4 Social security tax withheld"), 12);
    FCanvas->Place(Amount4, 5.3639, 1.5, 2.1222);
    Boxf_a = AddEdit("Boxf_a", QStringLiteral("Box f Employer's name"), 40);
    FCanvas->Place(Boxf_a, 0.0139, 1.8333, 3.1722);
    Amount5 = AddTotal("Amount5", QStringLiteral("Box 5 Medicare wages and tips"), 12);
    FCanvas->Place(Amount5, 3.2139, 1.8333, 2.1222);
    Amount6 = AddTotal("Amount6", QStringLiteral("Box 6 Medicare tax withheld"), 12);
    FCanvas->Place(Amount6, 5.3639, 1.8333, 2.1222);
    Boxf_b = AddEdit("Boxf_b", QStringLiteral("Box f Employer's name, second line"), 40);
    FCanvas->Place(Boxf_b, 0.0139, 2.0833, 3.1722);
    Boxg_a = AddEdit("Boxg_a", QStringLiteral("Box g Employer's address and ZIP code, street"), 22);
    FCanvas->Place(Boxg_a, 0.0139, 2.4167, 3.1722);
    Boxg_b = AddEdit("Boxg_b", QStringLiteral("Box g Employer's address and ZIP code, city"), 22);
    FCanvas->Place(Boxg_b, 0.0139, 2.6667, 1.9);
    Boxg_c = AddStateBox("Boxg_c", QStringLiteral("Box g Employer's address and ZIP code, state"));
    Boxg_c->SetAlignment(TAlignment::Center);
    FCanvas->Place(Boxg_c, 1.95, 2.6667, 0.35);
    Boxg_d
        = AddField<TFilterEdit>("Boxg_d", QStringLiteral("Box g Employer's address and ZIP code, ZIP code"));
    Boxg_d->SetValidChars(QStringLiteral("[0..9,-]"));
    Boxg_d->setMaxLength(10);
    FCanvas->Place(Boxg_d, 2.35, 2.6667, 0.8361);
    Amount7 = AddTotal("Amount7", QStringLiteral("Box 7 Social security tips"), 12);
    FCanvas->Place(Amount7, 3.2139, 2.1667, 2.1222);
    Amount8 = AddTotal("Amount8", QStringLiteral("Box 8 Allocated tips"), 12);
    FCanvas->Place(Amount8, 5.3639, 2.1667, 2.1222);
    Amount10 = AddTotal("Amount10", QStringLiteral("Box 10 Dependent care benefits"), 12);
    FCanvas->Place(Amount10, 5.3639, 2.5, 2.1222);
    Amount11 = AddTotal("Amount11", QStringLiteral("Box 11 Nonqualified plans"), 12);
    FCanvas->Place(Amount11, 3.2139, 2.8333, 2.1222);
    Box12a = AddTotal("Box12a", QStringLiteral("Box 12a Deferred compensation"), 12);
    FCanvas->Place(Box12a, 5.3639, 2.8333, 2.1222);
}

void TFrmW3::CreateStateAndContact()
{
    Boxh = AddField<TMaskedEdit>("Boxh", QStringLiteral("Box h Other EIN used this year"));
    Boxh->SetEditMask(QStringLiteral("99-9999999"));
    FCanvas->Place(Boxh, 0.0139, 3.1667, 3.1722);
    Box13 = AddField<TFilterEdit>("Box13", QStringLiteral("Box 13 For third-party sick pay use only"));
    Box13->setMaxLength(30);
    Box13->SetOnKeyPress([this](QChar &Key) { Box13KeyPress(Key); });
    FCanvas->Place(Box13, 3.2139, 3.1667, 2.1222);
    Box15 = AddStateBox("Box15", QStringLiteral("Box 15 State"));
    FCanvas->Place(Box15, 0.0139, 3.5, 0.5722);
    StateID = AddField<TFilterEdit>("StateID", QStringLiteral("Box 15 Employer's state ID number"));
    StateID->SetAlignment(TAlignment::Center);
    StateID->SetValidChars(QStringLiteral("[0..9]"));
    StateID->setMaxLength(12);
    FCanvas->Place(StateID, 0.6139, 3.5, 2.5722);
    Box14 = AddAmount(
        "Box14", QStringLiteral("Box 14 Income tax withheld by payer of third-party sick pay"), 12);
    FCanvas->Place(Box14, 3.2139, 3.5, 2.1222);
    Box16 = AddTotal("Box16", QStringLiteral("Box 16 State wages, tips, etc."), 9);
    FCanvas->Place(Box16, 0.0139, 3.8333, 1.5722);
    Box17 = AddTotal("Box17", QStringLiteral("Box 17 State income tax"), 12);
    FCanvas->Place(Box17, 1.6139, 3.8333, 1.5722);
    Box18 = AddTotal("Box18", QStringLiteral("Box 18 Local wages, tips, etc."), 12);
    FCanvas->Place(Box18, 3.2139, 3.8333, 2.1222);
    Box19 = AddTotal("Box19", QStringLiteral("Box 19 Local income tax"), 12);
    FCanvas->Place(Box19, 5.3639, 3.8333, 2.1222);
    Contact = AddEdit("Contact", QStringLiteral("Employer's contact person"), 30);
    FCanvas->Place(Contact, 0.0139, 4.1667, 3.1722);
    TelNum = AddField<TMaskedEdit>("TelNum", QStringLiteral("Employer's telephone number"));
    TelNum->SetEditMask(QStringLiteral("999-999-9999"));
    FCanvas->Place(TelNum, 3.2139, 4.1667, 2.1222);
    Email = AddEdit("Email", QStringLiteral("Employer's email address"), 40);
    FCanvas->Place(Email, 3.2139, 4.5, 4.2722);
    FaxNum = AddField<TMaskedEdit>("FaxNum", QStringLiteral("Employer's fax number"));
    FaxNum->SetEditMask(QStringLiteral("999-999-9999"));
    FCanvas->Place(FaxNum, 0.0139, 4.5, 3.1722);
    SignerName = AddEdit("SignerName", QStringLiteral("Signature, name of the signer"), 30);
    FCanvas->Place(SignerName, 0.52, 4.9722, 2.76);
    Title = AddEdit("Title", QStringLiteral("Title"), 20);
    FCanvas->Place(Title, 3.57, 4.9722, 2.41);
    W3Date = AddField<TDateEdit>("W3Date", QStringLiteral("Date"));
    FCanvas->Place(W3Date, 6.28, 4.9722, 1.2);
}

void TFrmW3::DrawForm()
{
    using TBox = TFormCanvas::TBox;
    const TBox Boxes[] = {
        { { 0, 0, 0.8533, 0.3333 }, {}, {} },
        { { 0.8533, 0, 1.6467, 0.3333 }, QStringLiteral("a"), QStringLiteral("Control number") },
        { { 2.5, 0, 5.0, 0.3333 }, {}, {} },
        { { 0, 0.3333, 3.2, 0.6667 }, {}, {} },
        { { 3.2, 0.3333, 3.5, 0.6667 }, {}, {} },
        { { 6.7, 0.3333, 0.8, 0.6667 }, {}, {} },
        { { 0, 1.0, 1.6, 0.3333 }, QStringLiteral("c"), QStringLiteral("Total number of Forms W-2") },
        { { 1.6, 1.0, 1.6, 0.3333 }, QStringLiteral("d"), QStringLiteral("Establishment number") },
        { { 0, 1.3333, 3.2, 0.3333 }, QStringLiteral("e"),
            QStringLiteral("Employer identification number (EIN)") },
        { { 0, 1.6667, 3.2, 0.3333 }, QStringLiteral("f"), QStringLiteral("Employer's name") },
        { { 0, 2.0, 3.2, 1.0 }, QStringLiteral("g"), QStringLiteral("Employer's address and ZIP code"),
            true },
        { { 0, 3.0, 3.2, 0.3333 }, QStringLiteral("h"), QStringLiteral("Other EIN used this year") },
        { { 0, 3.3333, 0.6, 0.3333 }, QStringLiteral("15"), QStringLiteral("State") },
        { { 0.6, 3.3333, 2.6, 0.3333 }, {}, QStringLiteral("Employer's state ID number") },
        { { 0, 3.6667, 1.6, 0.3333 }, QStringLiteral("16"), QStringLiteral("State wages, tips, etc.") },
        { { 1.6, 3.6667, 1.6, 0.3333 }, QStringLiteral("17"), QStringLiteral("State income tax") },
        { { 0, 4.0, 3.2, 0.3333 }, {}, QStringLiteral("Employer's contact person") },
        { { 0, 4.3333, 3.2, 0.3333 }, {}, QStringLiteral("Employer's fax number") },
        { { 3.2, 1.0, 2.15, 0.3333 }, QStringLiteral("1"),
            QStringLiteral("Wages, tips, other compensation") },
        { { 5.35, 1.0, 2.15, 0.3333 }, QStringLiteral("2"), QStringLiteral("Federal income tax withheld") },
        { { 3.2, 1.3333, 2.15, 0.3333 }, QStringLiteral("3"), QStringLiteral("Social security wages") },
        { { 5.35, 1.3333, 2.15, 0.3333 }, QStringLiteral("4"),
            QStringLiteral("Social security tax withheld") },
        { { 3.2, 1.6667, 2.15, 0.3333 }, QStringLiteral("5"), QStringLiteral("Medicare wages and tips") },
        { { 5.35, 1.6667, 2.15, 0.3333 }, QStringLiteral("6"), QStringLiteral("Medicare tax withheld") },
        { { 3.2, 2.0, 2.15, 0.3333 }, QStringLiteral("7"), QStringLiteral("Social security tips") },
        { { 5.35, 2.0, 2.15, 0.3333 }, QStringLiteral("8"), QStringLiteral("Allocated tips") },
        { { 3.2, 2.3333, 2.15, 0.3333 }, QStringLiteral("9"), {}, false, true },
        { { 5.35, 2.3333, 2.15, 0.3333 }, QStringLiteral("10"), QStringLiteral("Dependent care benefits") },
        { { 3.2, 2.6667, 2.15, 0.3333 }, QStringLiteral("11"), QStringLiteral("Nonqualified plans") },
        { { 5.35, 2.6667, 2.15, 0.3333 }, QStringLiteral("12a"), QStringLiteral("Deferred compensation") },
        { { 3.2, 3.0, 2.15, 0.3333 }, QStringLiteral("13"),
            QStringLiteral("For third-party sick pay use only") },
        { { 5.35, 3.0, 2.15, 0.3333 }, QStringLiteral("12b"), {}, false, true },
        { { 3.2, 3.3333, 4.3, 0.3333 }, QStringLiteral("14"),
            QStringLiteral("Income tax withheld by payer of third-party sick pay") },
        { { 3.2, 3.6667, 2.15, 0.3333 }, QStringLiteral("18"), QStringLiteral("Local wages, tips, etc.") },
        { { 5.35, 3.6667, 2.15, 0.3333 }, QStringLiteral("19"), QStringLiteral("Local income tax") },
        { { 3.2, 4.0, 2.15, 0.3333 }, {}, QStringLiteral("Employer's telephone number") },
        { { 5.35, 4.0, 2.15, 0.3333 }, {}, QStringLiteral("For Official Use Only") },
        { { 3.2, 4.3333, 4.3, 0.3333 }, {}, QStringLiteral("Employer's email address") },
        { { 0.5, 4.9444, 2.8, 0.2222 }, {}, {} },
        { { 3.55, 4.9444, 2.45, 0.2222 }, {}, {} },
        { { 6.2639, 4.9444, 1.2361, 0.2222 }, {}, {} },
    };
    for (const TBox &Box : Boxes)
        FCanvas->AddBox(Box);
    DrawKinds();
    using TText = TFormCanvas::TText;
    const Qt::Alignment LeftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
    const TText Texts[] = {
        { { 0, 0, 0.8533, 0.3333 }, QStringLiteral("33333"), TFormCanvas::CaptionFont(12, true),
            Qt::AlignCenter },
        { { 2.55, 0.02, 4.9, 0.3 }, QStringLiteral("For Official Use Only \u25B6\nOMB No. 1545-0029"),
            TFormCanvas::CaptionFont(7, true), LeftMiddle },
        { { 0, 4.7292, 7.5, 0.2153 },
            QStringLiteral(
                "Under penalties of perjury, I declare that I have examined this return and accompanying "
                "documents, and, to the best of my knowledge and belief, they are true, correct, and "
                "complete."),
            TFormCanvas::CaptionFont(7), Qt::AlignLeft | Qt::AlignTop },
        { { 0.02, 4.9444, 0.5, 0.2222 }, QStringLiteral("Signature \u25B6"), TFormCanvas::CaptionFont(7),
            LeftMiddle },
        { { 3.32, 4.9444, 0.3, 0.2222 }, QStringLiteral("Title \u25B6"), TFormCanvas::CaptionFont(7),
            LeftMiddle },
        { { 6.02, 4.9444, 0.3, 0.2222 }, QStringLiteral("Date \u25B6"), TFormCanvas::CaptionFont(7),
            LeftMiddle },
        { { 0, 5.16, 0.35, 0.33 }, QStringLiteral("Form"), TFormCanvas::CaptionFont(7),
            Qt::AlignLeft | Qt::AlignBottom },
        { { 0.3, 5.16, 0.7, 0.36 }, QStringLiteral("W-3"), TFormCanvas::CaptionFont(20, true),
            Qt::AlignLeft | Qt::AlignBottom },
        { { 1.0, 5.16, 3.5, 0.33 }, QStringLiteral("Transmittal of Wage and Tax Statements"),
            TFormCanvas::CaptionFont(12, true), Qt::AlignLeft | Qt::AlignBottom },
        { { 4.8, 5.16, 1.0, 0.36 }, YearText(), TFormCanvas::CaptionFont(18, true),
            Qt::AlignLeft | Qt::AlignBottom },
        { { 5.8, 5.22, 1.7, 0.3 }, QStringLiteral("Department of the Treasury\nInternal Revenue Service"),
            TFormCanvas::CaptionFont(7), Qt::AlignRight | Qt::AlignVCenter },
    };
    for (const TText &Text : Texts)
        FCanvas->AddText(Text);
}

// Box b: the group names at the left of each group and a caption over each check box.
void TFrmW3::DrawKinds()
{
    using TText = TFormCanvas::TText;
    const QFont Group = TFormCanvas::CaptionFont(8, true);
    const QFont Small = TFormCanvas::CaptionFont(6.5);
    const Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;
    const Qt::Alignment OverCheck = Qt::AlignHCenter | Qt::AlignBottom;
    const TText Texts[] = {
        { { 0.03, 0.34, 0.2, 0.15 }, QStringLiteral("b"), TFormCanvas::CaptionFont(7, true), TopLeft },
        { { 0.15, 0.45, 0.8, 0.4 }, QStringLiteral("Kind\nof\nPayer"), Group, TopLeft },
        { { 0.15, 0.84, 0.8, 0.15 }, QStringLiteral("(Check one)"), Small, TopLeft },
        { { 3.35, 0.45, 0.9, 0.4 }, QStringLiteral("Kind\nof\nEmployer"), Group, TopLeft },
        { { 3.35, 0.84, 0.8, 0.15 }, QStringLiteral("(Check one)"), Small, TopLeft },
        { { 6.7, 0.35, 0.8, 0.25 }, QStringLiteral("Third-party\nsick pay"), Small,
            Qt::AlignHCenter | Qt::AlignTop },
        { { 6.7, 0.6, 0.8, 0.23 }, QStringLiteral("(Check if\napplicable)"), Small, OverCheck },
        { { 1.02, 0.35, 0.5, 0.15 }, QStringLiteral("941"), Small, OverCheck },
        { { 1.52, 0.35, 0.5, 0.15 }, QStringLiteral("Military"), Small, OverCheck },
        { { 2.02, 0.35, 0.5, 0.15 }, QStringLiteral("943"), Small, OverCheck },
        { { 2.52, 0.35, 0.5, 0.15 }, QStringLiteral("944"), Small, OverCheck },
        { { 1.02, 0.6, 0.5, 0.23 }, QStringLiteral("CT-1"), Small, OverCheck },
        { { 1.52, 0.6, 0.5, 0.23 }, QStringLiteral("Hshld.\nemp."), Small, OverCheck },
        { { 2.02, 0.6, 0.5, 0.23 }, QStringLiteral("Medicare\ngovt. emp."), Small, OverCheck },
        { { 4.37, 0.35, 0.6, 0.15 }, QStringLiteral("None apply"), Small, OverCheck },
        { { 5.02, 0.35, 0.7, 0.15 }, QStringLiteral("501c non-govt."), Small, OverCheck },
        { { 4.37, 0.6, 0.6, 0.23 }, QStringLiteral("State/local\nnon-501c"), Small, OverCheck },
        { { 5.02, 0.6, 0.7, 0.23 }, QStringLiteral("State/local 501c"), Small, OverCheck },
        { { 5.82, 0.6, 0.7, 0.23 }, QStringLiteral("Federal govt."), Small, OverCheck },
    };
    for (const TText &Text : Texts)
        FCanvas->AddText(Text);
}

void TFrmW3::CreateButtons()
{
    FinalReturn = new TCheckBoxEdit(this);
    FinalReturn->setObjectName(QStringLiteral("FinalReturn"));
    const QString FinalText
        = QStringLiteral("Check here if your business has closed or you stopped paying wages.");
    FinalReturn->setAccessibleName(FinalText);
    FinalReturn->setFixedSize(18, 18);
    FFields.append(FinalReturn);
    auto *FinalLabel = new QLabel(FinalText, this);
    FinalLabel->setObjectName(QStringLiteral("LblFinalReturn"));
    FinalLabel->setBuddy(FinalReturn);
    BtnPrint = new QPushButton(QStringLiteral("&Print"), this);
    BtnPrint->setObjectName(QStringLiteral("BtnPrint"));
    CreateButtonRow({ FinalReturn, FinalLabel }, { BtnPrint });
}

void TFrmW3::ConnectHandlers()
{
    for (int I = 0; I < Boxb.size(); ++I)
        connect(Boxb[I], &QLineEdit::textChanged, this, [this, I] { BoxbChange(I); });
    connect(Box15, &QLineEdit::textChanged, this, &TFrmW3::Box15Change);
    connect(BtnPrint, &QPushButton::clicked, this, &TFrmW3::BtnPrintClick);
}

void TFrmW3::FormShow()
{
    ComputeW3Totals(Data);
    TFormMapping::PutEmployer(Data.CurrentEmployer, *this);
    StateID->setEnabled(Box15->text() != QLatin1String("X"));
    BtnPrint->setEnabled(Data.ValidEmployeeCount() > 0);
    Boxa->setFocus(Qt::OtherFocusReason);
}

EmployerRecord TFrmW3::EmployerFromWindow() const
{
    EmployerRecord Employer = Data.CurrentEmployer;
    TFormMapping::GetEmployer(*this, Employer);
    return Employer;
}

void TFrmW3::CheckFields()
{
    ThrowIfFailed(CheckW3(EmployerFromWindow()));
}

void TFrmW3::FormClose()
{
    CheckFields();
    Data.CurrentEmployer = EmployerFromWindow();
    Data.RSW3->PostRec();
    Data.FormsReviewState = RaisedFormsReviewState(Data.FormsReviewState);
}

// Each group of box b acts as radio buttons: the box that changed is the
// one checked, whatever the change was.
void TFrmW3::BoxbChange(int Index)
{
    if (FSettingGroup)
        return;
    FSettingGroup = true;
    const int First = Index < 7 ? 0 : 7;
    const int Last = Index < 7 ? 6 : 11;
    for (int I = First; I <= Last; ++I)
        Boxb[I]->SetChecked(I == Index);
    FSettingGroup = false;
}

// The state boxes take a letter as a choice from that letter's states, "X"
// as typed (several states) and backspace to empty them; nothing else.
void TFrmW3::StateKeyPress(TFilterEdit *Box, QChar &Key)
{
    if (Key == QLatin1Char('X'))
        return;
    if (Key == QLatin1Char('\b')) {
        Box->clear();
    } else if (Key.isLetter()) {
        const int Next = NextStateIndex(int(StateCodes().indexOf(Box->text())), Key);
        if (Next >= 0)
            Box->setText(StateCodes().at(Next));
    }
    Key = QChar();
}

void TFrmW3::Box13KeyPress(QChar &Key)
{
    if (!Box13->text().isEmpty() || (Key != QLatin1Char('T') && Key != QLatin1Char('t')))
        return;
    Box13->setText(SickPayRecap);
    Key = QChar();
}

void TFrmW3::Box15Change()
{
    const bool Several = Box15->text() == QLatin1String("X");
    if (Several)
        StateID->clear();
    StateID->setEnabled(!Several);
}

void TFrmW3::RptFormW3OverridePreview(TRvSystem &System, int Mode, QObject *&Form)
{
    TFrmReportPreview::OverridePreview(System, Mode, Form, this);
}

void TFrmW3::BtnPrintClick()
{
    TApplication::RunCommand([this] {
        CheckFields();
        Data.CurrentEmployer = EmployerFromWindow();
        if (!FPrinting) {
            FPrinting = std::make_unique<TW3Printing>(TaxFormsProject());
            FPrinting->RptFormW3.OnOverridePreview = [this](TRvSystem &Sender, int Mode, QObject *&Form) {
                RptFormW3OverridePreview(Sender, Mode, Form);
            };
        }
        FPrinting->Print(Data.CurrentEmployer);
    });
}
