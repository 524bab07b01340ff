#include "TPasswordDlg.h"

#include "TOkCancelButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPasswordDlg::TPasswordDlg(QWidget *Parent)
    : QDialog(Parent)
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setFixedSize(244, 84);
    LblPrompt = new QLabel(QStringLiteral("Enter pasword"), this);
    LblPrompt->setObjectName(QStringLiteral("LblPrompt"));
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setEchoMode(QLineEdit::Password);
    Password->setAccessibleName(QStringLiteral("Password"));
    LblPrompt->setBuddy(Password);
    auto *Buttons = new TOkCancelButtons(this);
    BtnOk = Buttons->BtnOk;
    BtnCancel = Buttons->BtnCancel;
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(8, 6, 8, 6);
    Layout->setSpacing(4);
    Layout->addWidget(LblPrompt);
    Layout->addWidget(Password);
    Layout->addLayout(Buttons);
}
