#include "TPasswordDlg.h"

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
    BtnOk = new QPushButton(QStringLiteral("&Ok"), this);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *Buttons = new QHBoxLayout;
    Buttons->addStretch();
    Buttons->addWidget(BtnOk);
    Buttons->addWidget(BtnCancel);
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(8, 6, 8, 6);
    Layout->setSpacing(4);
    Layout->addWidget(LblPrompt);
    Layout->addWidget(Password);
    Layout->addLayout(Buttons);
}
