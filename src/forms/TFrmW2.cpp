#include "TFrmW2.h"

#include "AppInfo.h"
#include "EmployeeRecord.h"
#include "FormsReviewState.h"
#include "NumberUtils.h"
#include "TAppGlobals.h"
#include "TApplication.h"
#include "TCheckBoxEdit.h"
#include "TDataModulePrintSource.h"
#include "TDollarEdit.h"
#include "TFilterEdit.h"
#include "TFormCanvas.h"
#include "TFormMapping.h"
#include "TFrmDataModule.h"
#include "TFrmFormType.h"
#include "TFrmIRSBox12Codes.h"
#include "TFrmRecList.h"
#include "TFrmReportPreview.h"
#include "TMaskedEdit.h"
#include "TRSNavigator.h"
#include "TRecordSet.h"
#include "TStateEdit.h"
#include "TW2Printing.h"
#include "TaxFormsProject.h"
#include "W2Amounts.h"
#include "W2Checks.h"
#include "W2ControlFields.h"
#include "W2EntryChars.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr double FormWidth = 7.5;
constexpr double FormHeight = 4.6;
constexpr double Line = TFormCanvas::LineHeight;

} // namespace

TFrmW2::TFrmW2(TFrmDataModule &Data, QWidget *Parent)
    : TFormWindow(Data, FormWidth, FormHeight, 9, Parent)
{
    setObjectName(QStringLiteral("FrmW2"));
    setWindowTitle(QStringLiteral("Form W-2 Wage and Tax Statement ") + YearText());
    CreateFields();
    DrawForm();
    CreateButtons();
    SetTabOrder();
    ConnectHandlers();
    SetUpKeys();
    qApp->installEventFilter(this);
    setFixedSize(sizeHint());
}

TFrmW2::~TFrmW2()
{
    qApp->removeEventFilter(this);
}

void TFrmW2::CreateFields()
{
    CreateEmployerBlock();
    CreateAmounts();
    CreateEmployee();
    CreateBox12To14();
    CreateStateLines();
}

// Created in tab order: box a, then the employer's boxes b and c between the
// amounts, as the person's eye moves over the paper.
void TFrmW2::CreateEmployerBlock()
{
    Boxa = AddField<TMaskedEdit>("Boxa", QStringLiteral("Box a Employee's social security number"));
    Boxa->SetEditMask(QStringLiteral("999-99-9999"));
    FCanvas->Place(Boxa, 1.6278, Line, 1.7444);
    W3Boxe = AddField<TCustomEdit>("W3Boxe", QStringLiteral("Box b Employer identification number (EIN)"));
    FCanvas->Place(W3Boxe, 0.0278, 0.5, 4.0583);
}

TDollarEdit *TFrmW2::AddW2Amount(const char *Name, const QString &AccessibleName)
{
    return AddAmount(Name, AccessibleName, W2EntryChars::AmountDigits(FieldOfW2Control(QLatin1String(Name))));
}

void TFrmW2::CreateAmounts()
{
    Amount1 = AddW2Amount("Amount1", QStringLiteral("Box 1 Wages, tips, other compensation"));
    FCanvas->Place(Amount1, 4.1139, 0.5, 1.6722);
    Amount2 = AddW2Amount("Amount2", QStringLiteral("Box 2 Federal income tax withheld"));
    FCanvas->Place(Amount2, 5.8139, 0.5, 1.6583);
    const char *EmployerNames[] = { "W3Boxf_a", "W3Boxf_b", "W3Boxg_a", "W3Boxg_b" };
    TCustomEdit **EmployerFields[] = { &W3Boxf_a, &W3Boxf_b, &W3Boxg_a, &W3Boxg_b };
    for (int I = 0; I < 4; ++I) {
        *EmployerFields[I] = AddField<TCustomEdit>(EmployerNames[I],
            QStringLiteral("Box c Employer's name, address, and ZIP code, line %1").arg(I + 1));
        FCanvas->Place(*EmployerFields[I], 0.0278, 0.8333 + I * Line, 4.0583);
    }
    Amount3 = AddW2Amount("Amount3", QStringLiteral("Box 3 Social security wages"));
    Amount3->setToolTip(QStringLiteral("Enter total Social security wages without regard to tips."));
    FCanvas->Place(Amount3, 4.1139, 0.8333, 1.6722);
    Amount4 = AddW2Amount("Amount4", QStringLiteral("Box 4 Social security tax withheld"));
    FCanvas->Place(Amount4, 5.8139, 0.8333, 1.6583);
    Amount5 = AddW2Amount("Amount5", QStringLiteral("Box 5 Medicare wages and tips"));
    FCanvas->Place(Amount5, 4.1139, 1.1667, 1.6722);
    Amount6 = AddW2Amount("Amount6", QStringLiteral("Box 6 Medicare tax withheld"));
    FCanvas->Place(Amount6, 5.8139, 1.1667, 1.6583);
    Amount7 = AddW2Amount("Amount7", QStringLiteral("Box 7 Social security tips"));
    FCanvas->Place(Amount7, 4.1139, 1.5, 1.6722);
    Amount8 = AddW2Amount("Amount8", QStringLiteral("Box 8 Allocated tips"));
    FCanvas->Place(Amount8, 5.8139, 1.5, 1.6583);
    for (TCustomEdit *Employer : { W3Boxe, W3Boxf_a, W3Boxf_b, W3Boxg_a, W3Boxg_b }) {
        Employer->setReadOnly(true);
        Employer->setFocusPolicy(Qt::ClickFocus);
    }
}

void TFrmW2::CreateEmployee()
{
    Boxd = AddField<TFilterEdit>("Boxd", QStringLiteral("Box d Control number"));
    Boxd->SetCharCase(TFilterEdit::TCharCase::UpperCase);
    Boxd->SetValidChars(W2EntryChars::ControlNumber);
    Boxd->setMaxLength(10);
    FCanvas->Place(Boxd, 0.0278, 1.8333, 4.0583);
    Amount10 = AddW2Amount("Amount10", QStringLiteral("Box 10 Dependent care benefits"));
    FCanvas->Place(Amount10, 5.8139, 1.8333, 1.6583);
    Boxe_a = AddField<TCustomEdit>("Boxe_a", QStringLiteral("Box e Employee's first name and initial"));
    Boxe_a->setMaxLength(15);
    FCanvas->Place(Boxe_a, 0.0278, 2.1667, 1.8583);
    Boxe_b = AddField<TCustomEdit>("Boxe_b", QStringLiteral("Box e Last name"));
    Boxe_b->setMaxLength(15);
    FCanvas->Place(Boxe_b, 1.9139, 2.1667, 1.8722);
    Suffix = AddField<TCustomEdit>("Suffix", QStringLiteral("Box e Suffix"));
    Suffix->setMaxLength(3);
    FCanvas->Place(Suffix, 3.8139, 2.1667, 0.2722);
    Boxf_a = AddField<TCustomEdit>("Boxf_a", QStringLiteral("Box f Employee's address and ZIP code, street"));
    Boxf_a->setMaxLength(22);
    FCanvas->Place(Boxf_a, 0.0278, 2.4167, 2.7);
    Boxf_b = AddField<TCustomEdit>("Boxf_b", QStringLiteral("Box f Employee's address and ZIP code, city"));
    Boxf_b->setMaxLength(22);
    FCanvas->Place(Boxf_b, 0.0278, 2.75, 2.1);
    Boxf_c = AddField<TStateEdit>("Boxf_c", QStringLiteral("Box f Employee's address and ZIP code, state"));
    FCanvas->Place(Boxf_c, 2.2, 2.75, 0.5);
    Boxf_d
        = AddField<TFilterEdit>("Boxf_d", QStringLiteral("Box f Employee's address and ZIP code, ZIP code"));
    Boxf_d->SetValidChars(W2EntryChars::ZipCode);
    Boxf_d->setMaxLength(10);
    FCanvas->Place(Boxf_d, 2.8, 2.75, 1.0);
    Amount11 = AddW2Amount("Amount11", QStringLiteral("Box 11 Nonqualified plans"));
    FCanvas->Place(Amount11, 4.1139, 2.1667, 1.6722);
}

void TFrmW2::CreateBox12To14()
{
    const char *CodeNames[] = { "Box12Code_a", "Box12Code_b", "Box12Code_c", "Box12Code_d" };
    const char *AmountNames[] = { "Box12Amt_a", "Box12Amt_b", "Box12Amt_c", "Box12Amt_d" };
    TFilterEdit **Codes[] = { &Box12Code_a, &Box12Code_b, &Box12Code_c, &Box12Code_d };
    TDollarEdit **Amounts[] = { &Box12Amt_a, &Box12Amt_b, &Box12Amt_c, &Box12Amt_d };
    for (int I = 0; I < 4; ++I) {
        const QChar Letter = QLatin1Char(char('a' + I));
        TFilterEdit *Code = AddField<TFilterEdit>(CodeNames[I], QStringLiteral("Box 12%1 code").arg(Letter));
        Code->SetAlignment(TAlignment::Center);
        Code->SetCharCase(TFilterEdit::TCharCase::UpperCase);
        Code->SetValidChars(W2EntryChars::Box12Code);
        Code->setMaxLength(2);
        Code->setToolTip(QStringLiteral("Double-click for the list of codes"));
        FCanvas->Place(Code, 5.9278, 2.1667 + I * 2 * Line, 0.3583);
        *Codes[I] = Code;
        *Amounts[I] = AddW2Amount(AmountNames[I], QStringLiteral("Box 12%1 amount").arg(Letter));
        FCanvas->Place(*Amounts[I], 6.3139, 2.1667 + I * 2 * Line, 1.1583);
    }
    const char *CheckNames[] = { "Box13a", "Box13b", "Box13c" };
    const char *CheckHints[] = { "Statutory employee", "Retirement plan", "Third-party sick pay" };
    TCheckBoxEdit **Checks[] = { &Box13a, &Box13b, &Box13c };
    for (int I = 0; I < 3; ++I) {
        *Checks[I] = AddField<TCheckBoxEdit>(
            CheckNames[I], QStringLiteral("Box 13 ") + QLatin1String(CheckHints[I]));
        (*Checks[I])->setToolTip(QLatin1String(CheckHints[I]));
        FCanvas->PlaceCheck(*Checks[I], 4.3393 + I * 0.5, 2.5, 0.1458);
    }
    const char *DescNames[] = { "Box14Desc_a", "Box14Desc_b", "Box14Desc_c" };
    const char *AmtNames[] = { "Box14Amt_a", "Box14Amt_b", "Box14Amt_c" };
    TCustomEdit **Descs[] = { &Box14Desc_a, &Box14Desc_b, &Box14Desc_c };
    TDollarEdit **Amts[] = { &Box14Amt_a, &Box14Amt_b, &Box14Amt_c };
    for (int I = 0; I < 3; ++I) {
        *Descs[I]
            = AddField<TCustomEdit>(DescNames[I], QStringLiteral("Box 14 Other, description %1").arg(I + 1));
        (*Descs[I])->setMaxLength(8);
        FCanvas->Place(*Descs[I], 4.1139, 2.8333 + I * Line, 0.75);
        *Amts[I] = AddW2Amount(AmtNames[I], QStringLiteral("Box 14 Other, amount %1").arg(I + 1));
        FCanvas->Place(*Amts[I], 4.8889, 2.8333 + I * Line, 0.8972);
    }
}

void TFrmW2::CreateStateLines()
{
    for (int I = 0; I < 2; ++I) {
        const QString Row = QStringLiteral(", line %1").arg(I + 1);
        const double Y = 3.6667 + I * 2 * Line;
        const QByteArray L(1, char('a' + I));
        auto *State = AddField<TStateEdit>(("Box15" + L).constData(), QStringLiteral("Box 15 State") + Row);
        FCanvas->Place(State, 0.0278, Y, 0.3583);
        auto *StateID = AddField<TFilterEdit>(
            ("StateID_" + L).constData(), QStringLiteral("Box 15 Employer's state ID number") + Row);
        StateID->SetAlignment(TAlignment::Center);
        StateID->SetValidChars(W2EntryChars::StateID);
        StateID->setMaxLength(12);
        FCanvas->Place(StateID, 0.4139, Y, 1.7722);
        auto *Wages16
            = AddW2Amount(("Box16" + L).constData(), QStringLiteral("Box 16 State wages, tips, etc.") + Row);
        FCanvas->Place(Wages16, 2.2139, Y, 1.1722);
        auto *Tax17 = AddW2Amount(("Box17" + L).constData(), QStringLiteral("Box 17 State income tax") + Row);
        FCanvas->Place(Tax17, 3.4139, Y, 1.0722);
        auto *Wages18
            = AddW2Amount(("Box18" + L).constData(), QStringLiteral("Box 18 Local wages, tips, etc.") + Row);
        FCanvas->Place(Wages18, 4.5139, Y, 1.1722);
        auto *Tax19 = AddW2Amount(("Box19" + L).constData(), QStringLiteral("Box 19 Local income tax") + Row);
        FCanvas->Place(Tax19, 5.7139, Y, 1.0722);
        auto *Locality
            = AddField<TCustomEdit>(("Box20" + L).constData(), QStringLiteral("Box 20 Locality name") + Row);
        Locality->setMaxLength(6);
        FCanvas->Place(Locality, 6.8139, Y, 0.6583);
        (I == 0 ? Box15a : Box15b) = State;
        (I == 0 ? StateID_a : StateID_b) = StateID;
        (I == 0 ? Box16a : Box16b) = Wages16;
        (I == 0 ? Box17a : Box17b) = Tax17;
        (I == 0 ? Box18a : Box18b) = Wages18;
        (I == 0 ? Box19a : Box19b) = Tax19;
        (I == 0 ? Box20a : Box20b) = Locality;
    }
}

void TFrmW2::DrawForm()
{
    using TBox = TFormCanvas::TBox;
    const TBox Boxes[] = {
        { { 0, 0, 0.9, 0.3333 }, {}, {} },
        { { 0.9, 0, 0.7, 0.3333 }, {}, {} },
        { { 1.6, 0, 1.8, 0.3333 }, QStringLiteral("a"), QStringLiteral("Employee's social security number") },
        { { 3.4, 0, 4.1, 0.3333 }, {}, {} },
        { { 0, 0.3333, 4.1, 0.3333 }, QStringLiteral("b"),
            QStringLiteral("Employer identification number (EIN)") },
        { { 0, 0.6667, 4.1, 1.0 }, QStringLiteral("c"),
            QStringLiteral("Employer's name, address, and ZIP code") },
        { { 0, 1.6667, 4.1, 0.3333 }, QStringLiteral("d"), QStringLiteral("Control number") },
        { { 0, 2.0, 1.9, 0.3333 }, QStringLiteral("e"), QStringLiteral("Employee's first name and initial") },
        { { 1.9, 2.0, 1.9, 0.3333 }, {}, QStringLiteral("Last name") },
        { { 3.8, 2.0, 0.3, 0.3333 }, {}, QStringLiteral("Suff.") },
        { { 0, 2.3333, 4.1, 1.1667 }, QStringLiteral("f"), QStringLiteral("Employee's address and ZIP code"),
            true },
        { { 4.1, 0.3333, 1.7, 0.3333 }, QStringLiteral("1"),
            QStringLiteral("Wages, tips, other compensation") },
        { { 5.8, 0.3333, 1.7, 0.3333 }, QStringLiteral("2"), QStringLiteral("Federal income tax withheld") },
        { { 4.1, 0.6667, 1.7, 0.3333 }, QStringLiteral("3"), QStringLiteral("Social security wages") },
        { { 5.8, 0.6667, 1.7, 0.3333 }, QStringLiteral("4"), QStringLiteral("Social security tax withheld") },
        { { 4.1, 1.0, 1.7, 0.3333 }, QStringLiteral("5"), QStringLiteral("Medicare wages and tips") },
        { { 5.8, 1.0, 1.7, 0.3333 }, QStringLiteral("6"), QStringLiteral("Medicare tax withheld") },
        { { 4.1, 1.3333, 1.7, 0.3333 }, QStringLiteral("7"), QStringLiteral("Social security tips") },
        { { 5.8, 1.3333, 1.7, 0.3333 }, QStringLiteral("8"), QStringLiteral("Allocated tips") },
        { { 4.1, 1.6667, 1.7, 0.3333 }, QStringLiteral("9"), {}, false, true },
        { { 5.8, 1.6667, 1.7, 0.3333 }, QStringLiteral("10"), QStringLiteral("Dependent care benefits") },
        { { 4.1, 2.0, 1.7, 0.3333 }, QStringLiteral("11"), QStringLiteral("Nonqualified plans") },
        { { 5.8, 2.0, 1.7, 0.3333 }, QStringLiteral("12a"), QStringLiteral("See instructions for box 12") },
        { { 5.8, 2.3333, 1.7, 0.3333 }, QStringLiteral("12b"), {} },
        { { 5.8, 2.6667, 1.7, 0.3333 }, QStringLiteral("12c"), {} },
        { { 5.8, 3.0, 1.7, 0.3333 }, QStringLiteral("12d"), {} },
        { { 5.8, 3.3333, 1.7, 0.1667 }, {}, {}, false, true },
        { { 4.1, 2.3333, 1.7, 0.3333 }, QStringLiteral("13"), {} },
        { { 4.1, 2.6667, 1.7, 0.8333 }, QStringLiteral("14"), QStringLiteral("Other") },
        { { 0, 3.5, 0.4, 0.3333 }, QStringLiteral("15"), QStringLiteral("State") },
        { { 0.4, 3.5, 1.8, 0.3333 }, {}, QStringLiteral("Employer's state ID number") },
        { { 2.2, 3.5, 1.2, 0.3333 }, QStringLiteral("16"), QStringLiteral("State wages, tips, etc.") },
        { { 3.4, 3.5, 1.1, 0.3333 }, QStringLiteral("17"), QStringLiteral("State income tax") },
        { { 4.5, 3.5, 1.2, 0.3333 }, QStringLiteral("18"), QStringLiteral("Local wages, tips, etc.") },
        { { 5.7, 3.5, 1.1, 0.3333 }, QStringLiteral("19"), QStringLiteral("Local income tax") },
        { { 6.8, 3.5, 0.7, 0.3333 }, QStringLiteral("20"), QStringLiteral("Locality name") },
    };
    for (const TBox &Box : Boxes)
        FCanvas->AddBox(Box);
    // The code and amount cells of box 12.
    for (int I = 0; I < 4; ++I) {
        FCanvas->AddBox({ { 5.8, 2.1667 + I * 2 * Line, 0.5, Line }, {}, {} });
        FCanvas->AddBox({ { 6.3, 2.1667 + I * 2 * Line, 1.2, Line }, {}, {} });
    }
    // The second state and local line.
    const double Columns[][2]
        = { { 0, 0.4 }, { 0.4, 1.8 }, { 2.2, 1.2 }, { 3.4, 1.1 }, { 4.5, 1.2 }, { 5.7, 1.1 }, { 6.8, 0.7 } };
    for (const auto &Column : Columns)
        FCanvas->AddBox({ { Column[0], 3.8333, Column[1], 0.3333 }, {}, {} });
    using TText = TFormCanvas::TText;
    const TText Texts[] = {
        { { 0, 0, 0.9, 0.3333 }, QStringLiteral("22222"), TFormCanvas::CaptionFont(12, true),
            Qt::AlignCenter },
        { { 3.45, 0.02, 4.0, 0.3 }, QStringLiteral("For Official Use Only \u25B6\nOMB No. 1545-0029"),
            TFormCanvas::CaptionFont(7, true), Qt::AlignLeft | Qt::AlignVCenter },
        { { 4.25, 2.345, 0.5, 0.16 }, QStringLiteral("Statutory\nemployee"), TFormCanvas::CaptionFont(5.5),
            Qt::AlignHCenter | Qt::AlignTop },
        { { 4.75, 2.345, 0.5, 0.16 }, QStringLiteral("Retirement\nplan"), TFormCanvas::CaptionFont(5.5),
            Qt::AlignHCenter | Qt::AlignTop },
        { { 5.25, 2.345, 0.5, 0.16 }, QStringLiteral("Third-party\nsick pay"), TFormCanvas::CaptionFont(5.5),
            Qt::AlignHCenter | Qt::AlignTop },
        { { 0, 4.16, 0.35, 0.3 }, QStringLiteral("Form"), TFormCanvas::CaptionFont(7),
            Qt::AlignLeft | Qt::AlignBottom },
        { { 0.3, 4.16, 0.7, 0.3333 }, QStringLiteral("W-2"), TFormCanvas::CaptionFont(20, true),
            Qt::AlignLeft | Qt::AlignBottom },
        { { 1.0, 4.16, 2.0, 0.3 }, QStringLiteral("Wage and Tax Statement"),
            TFormCanvas::CaptionFont(11, true), Qt::AlignLeft | Qt::AlignBottom },
        { { 3.5, 4.2, 1.0, 0.3333 }, YearText(), TFormCanvas::CaptionFont(20, true),
            Qt::AlignLeft | Qt::AlignBottom },
        { { 5.1319, 4.2431, 2.3681, 0.2 },
            QStringLiteral("Department of the Treasury\u2014Internal Revenue Service"),
            TFormCanvas::CaptionFont(7), Qt::AlignRight | Qt::AlignTop },
    };
    for (const TText &Text : Texts)
        FCanvas->AddText(Text);
    // The vertical "Code" rail of each box 12 line.
    for (int I = 0; I < 4; ++I)
        FCanvas->AddText({ { 5.805, 2.1667 + I * 2 * Line, 0.12, Line }, QStringLiteral("C\nO\nD\nE"),
            TFormCanvas::CaptionFont(3.2), Qt::AlignCenter });
}

void TFrmW2::CreateButtons()
{
    RSNavigator = new TRSNavigator(this);
    RSNavigator->SetBtnFirstHint(QStringLiteral("First Employee (Alt+F)"));
    RSNavigator->SetBtnNextHint(QStringLiteral("Next Employee (Alt+N)"));
    RSNavigator->SetBtnPriorHint(QStringLiteral("Prior Employee (Alt+P)"));
    RSNavigator->SetBtnLastHint(QStringLiteral("Last Employee (Alt+L)"));
    RSNavigator->SetBtnListHint(QStringLiteral("List Employees (Alt+I)"));
    RSNavigator->SetBtnNewHint(QStringLiteral("New Employee (Alt+E)"));
    RSNavigator->SetBtnDeleteHint(QStringLiteral("Delete Employee (Alt+D)"));
    RSNavigator->setFixedSize(RSNavigator->size());
    BtnPrintOne = new QPushButton(QStringLiteral("Print &One"), this);
    BtnPrintOne->setObjectName(QStringLiteral("BtnPrintOne"));
    BtnPrintAll = new QPushButton(QStringLiteral("Print &All"), this);
    BtnPrintAll->setObjectName(QStringLiteral("BtnPrintAll"));
    CreateButtonRow({ RSNavigator }, { BtnPrintOne, BtnPrintAll });
}

void TFrmW2::ConnectHandlers()
{
    connect(Amount1, &TCustomEdit::Exit, this, &TFrmW2::Amount1Exit);
    connect(Amount3, &TCustomEdit::Exit, this, &TFrmW2::Amount3Exit);
    connect(Amount5, &TCustomEdit::Exit, this, &TFrmW2::Amount5Exit);
    connect(Amount7, &TCustomEdit::Enter, this, &TFrmW2::Amount7Enter);
    connect(Amount7, &TCustomEdit::Exit, this, &TFrmW2::Amount7Exit);
    connect(Boxe_a, &QLineEdit::textChanged, this, &TFrmW2::NameChange);
    connect(Boxe_b, &QLineEdit::textChanged, this, &TFrmW2::NameChange);
    for (TFilterEdit *Code : { Box12Code_a, Box12Code_b, Box12Code_c, Box12Code_d })
        Code->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *Old, QWidget *) {
        if (Old && FFields.contains(Old))
            UpdatePrintButtons();
    });
    RSNavigator->OnBeforeAction = [this](TRSNavigator *) { RSNavigatorBeforeAction(); };
    RSNavigator->OnAfterAction = [this](TRSNavigator *) { RSNavigatorAfterAction(); };
    RSNavigator->OnBtnListClick = [this](TRSNavigator *) { RSNavigatorBtnListClick(); };
    connect(BtnPrintOne, &QPushButton::clicked, this, &TFrmW2::BtnPrintOneClick);
    connect(BtnPrintAll, &QPushButton::clicked, this, &TFrmW2::BtnPrintAllClick);
}

// The working records are the program's current employer and employee:
// what a new company's first employee was given before this window opened
// is shown, not read over from the file.
void TFrmW2::FormShow()
{
    TFormMapping::PutEmployerBlock(Data.CurrentEmployer, *this);
    PutEmployee();
    RSNavigator->SetRecordSet(Data.RSW2);
    EmployeeCount = Data.RSW2->RecordCount();
    FW2Checked = QList<bool>(EmployeeCount, false);
    MarkShown();
    BtnPrintOne->setEnabled(Data.ValidEmployeeCount() > 0);
    UpdatePrintAll();
    Boxa->setFocus(Qt::OtherFocusReason);
}

void TFrmW2::PutEmployee()
{
    // Filling the name boxes is no change of a name.
    const bool Dirty = Data.RecordIndexDirty;
    TFormMapping::PutEmployee(Data.CurrentEmployee, *this);
    Data.RecordIndexDirty = Dirty;
    // The navigator leaves the focus where it was: box 7 may be left on this
    // employee without being entered again, so its sum must be this one's.
    FBox3Plus7 = Amount3->Value() + Amount7->Value();
}

EmployeeRecord TFrmW2::EmployeeFromWindow() const
{
    EmployeeRecord Employee = Data.CurrentEmployee;
    TFormMapping::GetEmployee(*this, Employee);
    return Employee;
}

void TFrmW2::CheckFields()
{
    ThrowIfFailed(CheckW2(EmployeeFromWindow()));
}

void TFrmW2::PostEmployee()
{
    Data.CurrentEmployee = EmployeeFromWindow();
    Data.RSW2->PostRec();
}

void TFrmW2::MarkShown()
{
    const int Current = Data.RSW2->CurrentRecord() - 1;
    if (Current >= 0 && Current < FW2Checked.size())
        FW2Checked[Current] = true;
}

void TFrmW2::UpdatePrintButtons()
{
    BtnPrintOne->setEnabled(EmployeeRecord::CountsAsValid(Amount1->Value(), Box16a->Value()));
    UpdatePrintAll();
}

void TFrmW2::UpdatePrintAll()
{
    const bool AllShown = std::count(FW2Checked.cbegin(), FW2Checked.cend(), true) == EmployeeCount;
    BtnPrintAll->setEnabled(BtnPrintOne->isEnabled() && AllShown);
}

void TFrmW2::FormClose()
{
    CheckFields();
    const bool Reviewed = BtnPrintAll->isEnabled();
    PostEmployee();
    if (Reviewed)
        Data.FormsReviewState = RaisedFormsReviewState(Data.FormsReviewState);
}

namespace {

TW2Amounts AmountsOf(const TFrmW2 &W)
{
    TW2Amounts A;
    A.Box1 = W.Amount1->Value();
    A.Box3 = W.Amount3->Value();
    A.Box4 = W.Amount4->Value();
    A.Box5 = W.Amount5->Value();
    A.Box6 = W.Amount6->Value();
    A.Box7 = W.Amount7->Value();
    A.Box16 = W.Box16a->Value();
    return A;
}

void ShowAmounts(TFrmW2 &W, const TW2Amounts &A)
{
    const std::pair<TDollarEdit *, double> Shown[] = { { W.Amount3, A.Box3 }, { W.Amount4, A.Box4 },
        { W.Amount5, A.Box5 }, { W.Amount6, A.Box6 }, { W.Box16a, A.Box16 } };
    for (const auto &[Field, Value] : Shown)
        if (Field->Value() != Value)
            Field->SetValue(Value);
}

} // namespace

void TFrmW2::Amount1Exit()
{
    TW2Amounts Amounts = AmountsOf(*this);
    if (DeriveFromBox1(Amounts))
        ShowAmounts(*this, Amounts);
}

void TFrmW2::Amount3Exit()
{
    TW2Amounts Amounts = AmountsOf(*this);
    DeriveFromBox3(Amounts);
    ShowAmounts(*this, Amounts);
}

void TFrmW2::Amount5Exit()
{
    TW2Amounts Amounts = AmountsOf(*this);
    DeriveFromBox5(Amounts);
    ShowAmounts(*this, Amounts);
}

void TFrmW2::Amount7Enter()
{
    FBox3Plus7 = Amount3->Value() + Amount7->Value();
}

void TFrmW2::Amount7Exit()
{
    TW2Amounts Amounts = AmountsOf(*this);
    TakeTipsOutOfBox3(Amounts, FBox3Plus7);
    ShowAmounts(*this, Amounts);
}

void TFrmW2::NameChange()
{
    Data.RecordIndexDirty = true;
}

bool TFrmW2::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::MouseButtonDblClick) {
        if (auto *Code = qobject_cast<TFilterEdit *>(Watched); Code
            && (Code == Box12Code_a || Code == Box12Code_b || Code == Box12Code_c || Code == Box12Code_d)) {
            Box12CodeDblClick(Code);
            return true;
        }
    }
    // The window sees every key first and gives it to the navigator, which
    // takes its Alt keys; the key then goes on to the field.
    if (Event->type() == QEvent::KeyPress && isActiveWindow()) {
        QWidget *Receiver = QApplication::focusWidget() ? QApplication::focusWidget() : this;
        if (Watched == Receiver && Receiver->window() == this) {
            const auto *Key = static_cast<QKeyEvent *>(Event);
            RSNavigator->KeyDownHandler(Key->key(), Key->modifiers());
        }
    }
    return TFormWindow::eventFilter(Watched, Event);
}

void TFrmW2::Box12CodeDblClick(TFilterEdit *Code)
{
    TFrmIRSBox12Codes Codes(this);
    Codes.exec();
    if (Codes.Selected >= 0)
        Code->setText(Codes.SelectedCode());
}

void TFrmW2::RSNavigatorBeforeAction()
{
    FCountBeforeAction = Data.RSW2->RecordCount();
    // The record being deleted is not checked or written.
    if (RSNavigator->Action() == baDelete)
        return;
    CheckFields();
    PostEmployee();
}

void TFrmW2::RSNavigatorAfterAction()
{
    EmployeeCount = Data.RSW2->RecordCount();
    const TButtonAction Action = RSNavigator->Action();
    // A refused delete or a full file changed nothing: what is typed stays.
    if ((Action == baDelete || Action == baNew) && EmployeeCount == FCountBeforeAction)
        return;
    if (Action == baNew) {
        Boxa->setFocus(Qt::OtherFocusReason);
        FW2Checked.resize(EmployeeCount, false);
        BtnPrintOne->setEnabled(false);
        BtnPrintAll->setEnabled(false);
    } else if (Action == baDelete) {
        FW2Checked.resize(EmployeeCount, false);
    }
    PutEmployee();
    MarkShown();
    UpdatePrintAll();
}

void TFrmW2::RSNavigatorBtnListClick()
{
    TFrmRecList::ShowEmployeeList(Data, this);
}

void TFrmW2::BtnPrintOneClick()
{
    TApplication::RunCommand([this] {
        CheckFields();
        TAppGlobals &Globals = TAppGlobals::Instance();
        Globals.W2PrintFirst = Data.RSW2->CurrentRecord();
        Globals.W2PrintLast = Globals.W2PrintFirst;
        PostEmployee();
        PrintCopy(0, Globals.MaskEmployeeSSN);
    });
}

void TFrmW2::BtnPrintAllClick()
{
    TApplication::RunCommand([this] {
        CheckFields();
        bool MaskSSN = true;
        if (!TFrmFormType::Execute(this, MaskSSN))
            return;
        TAppGlobals &Globals = TAppGlobals::Instance();
        Globals.W2PrintFirst = Data.RSW2->FirstRecord();
        Globals.W2PrintLast = Data.RSW2->LastRecord();
        PostEmployee();
        // Clearing the window's mask box unmasks this one run only.
        PrintCopy(Globals.W2FormType, Globals.MaskEmployeeSSN && MaskSSN);
    });
}

void TFrmW2::PrintCopy(int FormType, bool MaskSSN)
{
    if (!FPrinting) {
        FPrintSource = std::make_unique<TDataModulePrintSource>(Data);
        FPrinting = std::make_unique<TW2Printing>(TaxFormsProject());
        for (TRvSystem *System :
            { &FPrinting->RptEmployeeW2, &FPrinting->RptEmployeeW2D1, &FPrinting->RptSSAW2 })
            System->OnOverridePreview = [this](TRvSystem &Sender, int Mode, QObject *&Form) {
                RptSysOverridePreview(Sender, Mode, Form);
            };
    }
    const TAppGlobals &Globals = TAppGlobals::Instance();
    FPrinting->Print(*FPrintSource, FormType, Globals.W2PrintFirst, Globals.W2PrintLast, MaskSSN);
}

void TFrmW2::RptSysOverridePreview(TRvSystem &System, int Mode, QObject *&Form)
{
    TFrmReportPreview::OverridePreview(System, Mode, Form, this);
}
