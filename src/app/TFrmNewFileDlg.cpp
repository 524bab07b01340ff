#include "TFrmNewFileDlg.h"

#include "TOkCancelButtons.h"

#include "TFilterEdit.h"
#include "THelpSystem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TFrmNewFileDlg::TFrmNewFileDlg(QWidget *Parent)
    : QDialog(Parent)
{
    setObjectName(QStringLiteral("FrmNewFileDlg"));
    setWindowTitle(QStringLiteral("New Quillmark W-2 Company/Employer File"));
    THelpSystem::SetHelpContext(this, 5);

    auto *Prompt
        = new QLabel(QStringLiteral("Enter the name of the Company/Employer File to be created"), this);
    NewFileName = new TFilterEdit(this);
    NewFileName->setObjectName(QStringLiteral("NewFileName"));
    NewFileName->setMaxLength(50);
    NewFileName->SetValidChars(QStringLiteral("[A..Z,a..z,0..9,!,@,#,$,%,&,(,),-,_,{,}, ,',', ]"));
    NewFileName->setAccessibleName(QStringLiteral("Company/Employer File name"));
    NewFileName->setMinimumWidth(320);
    Prompt->setBuddy(NewFileName);
    auto *Buttons = new TOkCancelButtons(this);
    BtnOk = Buttons->BtnOk;
    BtnCancel = Buttons->BtnCancel;
    auto *Layout = new QVBoxLayout(this);
    Layout->addWidget(Prompt);
    Layout->addWidget(NewFileName);
    Layout->addLayout(Buttons);
}

void TFrmNewFileDlg::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    NewFileName->clear();
    NewFileName->setFocus();
}
