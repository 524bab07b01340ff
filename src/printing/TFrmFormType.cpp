#include "TFrmFormType.h"

#include "TAppGlobals.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton *Radio(const QString &Name, const QString &Caption, QWidget *Parent)
{
    auto *Button = new QRadioButton(Caption, Parent);
    Button->setObjectName(Name);
    return Button;
}

} // namespace

TFrmFormType::TFrmFormType(QWidget *Parent)
    : QDialog(Parent)
{
    setObjectName(QStringLiteral("FrmFormType"));
    setWindowTitle(QStringLiteral("Form W-2 Type"));
    auto *Layout = new QVBoxLayout(this);
    Layout->addWidget(new QLabel(QStringLiteral("Select a Form Type to print"), this));
    RbEmployee = Radio(QStringLiteral("RbEmployee"), QStringLiteral("Employee Copy"), this);
    RbEmployer = Radio(QStringLiteral("RbEmployer"), QStringLiteral("Employer Copy"), this);
    RbState = Radio(QStringLiteral("RbState"), QStringLiteral("State Filing Copy"), this);
    RbSSA = Radio(QStringLiteral("RbSSA"), QStringLiteral("SSA Laser Copy"), this);
    for (QRadioButton *Button : { RbEmployee, RbEmployer, RbState, RbSSA })
        Layout->addWidget(Button);
    ChkMaskSSN = new QCheckBox(QStringLiteral("&Mask SSNs on Employee Copy"), this);
    ChkMaskSSN->setObjectName(QStringLiteral("ChkMaskSSN"));
    Layout->addWidget(ChkMaskSSN);
    auto *Buttons = new QHBoxLayout;
    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    Buttons->addStretch();
    Buttons->addWidget(BtnOk);
    Buttons->addWidget(BtnCancel);
    Layout->addLayout(Buttons);
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFrmFormType::Execute(QWidget *Parent, bool &MaskSSN)
{
    TFrmFormType Window(Parent);
    const bool Ok = Window.exec() == QDialog::Accepted;
    MaskSSN = Window.MaskSSN();
    return Ok;
}

bool TFrmFormType::MaskSSN() const
{
    return ChkMaskSSN->isChecked();
}

void TFrmFormType::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    FormShow();
}

void TFrmFormType::FormShow()
{
    QRadioButton *Current = RbEmployee;
    switch (TAppGlobals::Instance().W2FormType) {
    case 1:
        Current = RbEmployer;
        break;
    case 2:
        Current = RbState;
        break;
    case 3:
        Current = RbSSA;
        break;
    default:
        break;
    }
    Current->setChecked(true);
    Current->setFocus(Qt::OtherFocusReason);
    ChkMaskSSN->setChecked(true);
}

void TFrmFormType::done(int Result)
{
    FormClose();
    QDialog::done(Result);
}

void TFrmFormType::FormClose()
{
    quint8 Type = 0;
    if (RbEmployee->isChecked())
        Type = 0;
    else if (RbEmployer->isChecked())
        Type = 1;
    else if (RbState->isChecked())
        Type = 2;
    else if (RbSSA->isChecked())
        Type = 3;
    TAppGlobals::Instance().W2FormType = Type;
}
