#include "TOkCancelButtons.h"

#include <QDialog>
#include <QPushButton>

TOkCancelButtons::TOkCancelButtons(QDialog *Dialog)
{
    BtnOk = new QPushButton(QStringLiteral("&Ok"), Dialog);
    BtnOk->setObjectName(QStringLiteral("BtnOk"));
    BtnOk->setDefault(true);
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), Dialog);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    connect(BtnOk, &QPushButton::clicked, Dialog, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, Dialog, &QDialog::reject);
    addStretch();
    addWidget(BtnOk);
    addWidget(BtnCancel);
}
