#include "TFrmPassword.h"

#include "AppInfo.h"
#include "MsgBox.h"
#include "PasswordCipher.h"
#include "TEnterAsTab.h"
#include "TFrmDataModule.h"
#include "THelpSystem.h"
#include "TOkCancelButtons.h"
#include "TRecordSet.h"
#include "TextUtils.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

constexpr int MaxPasswordLength = 12;
constexpr int MinPasswordLength = 5;

QLineEdit *MakePasswordEdit(QWidget *Parent, const char *Name, const QString &Accessible)
{
    auto *Edit = new QLineEdit(Parent);
    Edit->setObjectName(QLatin1String(Name));
    Edit->setEchoMode(QLineEdit::Password);
    Edit->setMaxLength(MaxPasswordLength);
    Edit->setAccessibleName(Accessible);
    // Pasted text obeys the same rule as typed keys.
    Edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z0-9]*")), Edit));
    return Edit;
}

bool IsAcceptedKey(const QKeyEvent *Event)
{
    switch (Event->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        break;
    }
    const QString Text = Event->text();
    if (Text.size() != 1)
        return Text.isEmpty(); // arrows, Tab, Home: not characters
    const QChar Ch = Text.at(0);
    return (Ch >= QLatin1Char('a') && Ch <= QLatin1Char('z'))
        || (Ch >= QLatin1Char('A') && Ch <= QLatin1Char('Z'))
        || (Ch >= QLatin1Char('0') && Ch <= QLatin1Char('9'));
}

} // namespace

TFrmPassword::TFrmPassword(TFrmDataModule &Data, QWidget *Parent)
    : QDialog(Parent)
    , FData(Data)
{
    setObjectName(QStringLiteral("FrmPassword"));
    setWindowTitle(QStringLiteral("Set/Change Password"));
    THelpSystem::SetHelpContext(this, 14);

    PW1 = MakePasswordEdit(this, "PW1", QStringLiteral("Enter Password"));
    PW2 = MakePasswordEdit(this, "PW2", QStringLiteral("Confirm Password"));
    auto *Label1 = new QLabel(QStringLiteral("Enter Password"), this);
    auto *Label2 = new QLabel(QStringLiteral("Confirm Pasword"), this);
    Label1->setBuddy(PW1);
    Label2->setBuddy(PW2);
    PW1->installEventFilter(this);
    PW2->installEventFilter(this);

    auto *Rules = new QGroupBox(QStringLiteral("Password Rules"), this);
    auto *RulesLayout = new QVBoxLayout(Rules);
    for (const char *Line : { "1. The following characters are allowed: a to z, A to Z, and  0 to  9.",
             "2. The password must be between 5 and  12 characters.",
             "3. The Enter Password and Confirm Password fields must match.",
             "4. Use a combination of upper and lower case characters  and  numbers." })
        RulesLayout->addWidget(new QLabel(QLatin1String(Line), Rules));

    auto *Buttons = new TOkCancelButtons(this);
    BtnOk = Buttons->BtnOk;
    BtnCancel = Buttons->BtnCancel;
    // Neither button answers Enter: Enter moves on to the next field.
    BtnOk->setDefault(false);
    BtnOk->setAutoDefault(false);
    BtnCancel->setAutoDefault(false);
    disconnect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnOk, &QPushButton::clicked, this, &TFrmPassword::BtnOkClick);

    auto *Fields = new QGridLayout;
    Fields->addWidget(Label1, 0, 0);
    Fields->addWidget(PW1, 0, 1);
    Fields->addWidget(Label2, 1, 0);
    Fields->addWidget(PW2, 1, 1);
    auto *Layout = new QVBoxLayout(this);
    Layout->addLayout(Fields);
    Layout->addWidget(Rules);
    Layout->addLayout(Buttons);
    setTabOrder(PW1, PW2);
    setTabOrder(PW2, BtnOk);
    setTabOrder(BtnOk, BtnCancel);

    FEnterAsTab = new TEnterAsTab(this);
    FEnterAsTab->SetEnterAsTabKey(true);
    FEnterAsTab->SetEscapeAsClose(false);
}

void TFrmPassword::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    const QString Stored = FData.CurrentEmployer.FilePassword();
    PW1->setText(IsBlank(Stored) ? QString() : DecodePassword(Stored));
    PW2->clear();
    PW1->setFocus();
}

bool TFrmPassword::eventFilter(QObject *Watched, QEvent *Event)
{
    if ((Watched == PW1 || Watched == PW2) && Event->type() == QEvent::KeyPress
        && !IsAcceptedKey(static_cast<QKeyEvent *>(Event)))
        return true;
    return QDialog::eventFilter(Watched, Event);
}

void TFrmPassword::BtnOkClick()
{
    if (IsBlank(PW1->text())) {
        StorePassword(QString());
        accept();
        return;
    }
    if (PW1->text() != PW2->text()) {
        MsgBox(QStringLiteral("The Password and Confirmation fields don't match"), AppTitle(),
            MsgFlag::IconError);
        return;
    }
    if (TrimText(PW1->text()).size() < MinPasswordLength) {
        MsgBox(
            QStringLiteral("The Password cannot be less than 5 characters"), AppTitle(), MsgFlag::IconError);
        return;
    }
    StorePassword(EncodePassword(PW1->text()).left(MaxPasswordLength));
    accept();
}

// The employer record is written at once, so the password holds from the next open.
void TFrmPassword::StorePassword(const QString &Stored)
{
    FData.CurrentEmployer.SetFilePassword(Stored);
    FData.RSW3->PostRec();
}
