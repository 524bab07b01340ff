#include "TFormWindow.h"

#include "AppInfo.h"
#include "EFieldException.h"
#include "MsgBox.h"
#include "TApplication.h"
#include "TDollarEdit.h"
#include "TEnterAsTab.h"
#include "TFieldCheck.h"
#include "TFieldHighlight.h"
#include "TFormCanvas.h"
#include "THelpSystem.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

TFormWindow::TFormWindow(
    TFrmDataModule &Data, double WidthInches, double HeightInches, int HelpTopic, QWidget *Parent)
    : QDialog(Parent)
    , Data(Data)
    , FHelpTopic(HelpTopic)
{
    THelpSystem::SetHelpContext(this, HelpTopic);
    FCanvas = new TFormCanvas(WidthInches, HeightInches, this);
}

QWidget *TFormWindow::AdoptField(QWidget *Field, const char *Name, const QString &AccessibleName)
{
    Field->setObjectName(QLatin1String(Name));
    Field->setAccessibleName(AccessibleName);
    Field->setFont(TFormCanvas::CaptionFont(9));
    FFields.append(Field);
    return Field;
}

TDollarEdit *TFormWindow::AddAmount(const char *Name, const QString &AccessibleName, int Digits)
{
    auto *Amount = AddField<TDollarEdit>(Name, AccessibleName);
    Amount->SetDollarDigits(Digits);
    Amount->SetCentDigits(2);
    Amount->SetMinusKey(false);
    return Amount;
}

void TFormWindow::CreateButtonRow(const QList<QWidget *> &Left, const QList<QPushButton *> &Commands)
{
    BtnClose = new QPushButton(QStringLiteral("&Close"), this);
    BtnClose->setObjectName(QStringLiteral("BtnClose"));
    BtnHelp = new QToolButton(this);
    BtnHelp->setObjectName(QStringLiteral("BtnHelp"));
    BtnHelp->setIcon(QIcon(QStringLiteral(":/icons/help.svg")));
    BtnHelp->setToolTip(QStringLiteral("Help with this form"));
    BtnHelp->setAccessibleName(QStringLiteral("Help with this form"));
    QList<QPushButton *> PushButtons = Commands;
    PushButtons.append(BtnClose);
    for (QPushButton *Button : PushButtons) {
        Button->setAutoDefault(false);
        FButtons.append(Button);
    }
    FButtons.append(BtnHelp);

    auto *Bar = new QHBoxLayout;
    for (QWidget *Widget : Left)
        Bar->addWidget(Widget);
    Bar->addStretch();
    for (QWidget *Button : FButtons)
        Bar->addWidget(Button);
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(10, 10, 10, 10);
    Layout->addWidget(FCanvas);
    Layout->addLayout(Bar);

    connect(BtnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(BtnHelp, &QToolButton::clicked, this, [this] { THelpSystem::ShowTopic(FHelpTopic); });
}

void TFormWindow::SetTabOrder()
{
    QWidget *Previous = nullptr;
    for (QWidget *Field : FFields) {
        if (!(Field->focusPolicy() & Qt::TabFocus))
            continue;
        if (Previous)
            setTabOrder(Previous, Field);
        Previous = Field;
    }
    for (QWidget *Button : FButtons) {
        setTabOrder(Previous, Button);
        Previous = Button;
    }
}

void TFormWindow::SetUpKeys()
{
    FieldHighlight = new TFieldHighlight(this);
    EnterAsTab = new TEnterAsTab(this);
    EnterAsTab->SetEnterAsTabKey(true);
    EnterAsTab->SetEscapeAsClose(true);
}

void TFormWindow::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (FShown)
        return;
    FShown = true;
    TApplication::RunCommand([this] { FormShow(); });
}

void TFormWindow::closeEvent(QCloseEvent *Event)
{
    if (!TApplication::RunCommand([this] { FormClose(); })) {
        Event->ignore();
        return;
    }
    QDialog::closeEvent(Event);
}

void TFormWindow::ThrowIfFailed(const TFieldCheck &Result)
{
    if (Result.Passed())
        return;
    if (auto *Field = findChild<QWidget *>(Result.Field))
        Field->setFocus(Qt::OtherFocusReason);
    throw EFieldException(Result.Message);
}

void TFormWindow::ShowNotAvailable()
{
    MsgBox(QStringLiteral("This command is not available yet."), AppTitle(), MsgFlag::IconInformation);
}
