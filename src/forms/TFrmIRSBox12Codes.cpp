#include "TFrmIRSBox12Codes.h"

#include "Box12Codes.h"
#include "TOkCancelButtons.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TFrmIRSBox12Codes::TFrmIRSBox12Codes(QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("FrmIRSBox12Codes"));
    setWindowTitle(QStringLiteral("IRS Box 12 Codes "));
    IRSCodesListBox = new QTreeWidget(this);
    IRSCodesListBox->setObjectName(QStringLiteral("IRSCodesListBox"));
    IRSCodesListBox->setAccessibleName(QStringLiteral("IRS Box 12 Codes"));
    IRSCodesListBox->setColumnCount(2);
    IRSCodesListBox->setHeaderLabels({ QStringLiteral("Code"), QStringLiteral("Code Description") });
    IRSCodesListBox->header()->setSectionsMovable(false);
    IRSCodesListBox->setColumnWidth(0, 50);
    IRSCodesListBox->setRootIsDecorated(false);
    IRSCodesListBox->setUniformRowHeights(true);
    IRSCodesListBox->setAllColumnsShowFocus(true);
    IRSCodesListBox->setWordWrap(false);
    IRSCodesListBox->setTextElideMode(Qt::ElideRight);
    const QStringList &Codes = Box12Codes();
    const QStringList &Descriptions = Box12Descriptions();
    for (qsizetype I = 0; I < Codes.size(); ++I) {
        auto *Item = new QTreeWidgetItem(IRSCodesListBox, { Codes.at(I), Descriptions.at(I) });
        // Long descriptions are cut in the line and read in full on hovering.
        Item->setToolTip(1, Descriptions.at(I));
    }
    connect(
        IRSCodesListBox, &QTreeWidget::itemDoubleClicked, this, &TFrmIRSBox12Codes::IRSCodesListBoxDblClick);

    auto *Buttons = new TOkCancelButtons(this);
    BtnOk = Buttons->BtnOk;
    BtnCancel = Buttons->BtnCancel;
    disconnect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnOk, &QPushButton::clicked, this, &TFrmIRSBox12Codes::BtnOkClick);
    auto *Layout = new QVBoxLayout(this);
    Layout->addWidget(IRSCodesListBox);
    Layout->addLayout(Buttons);
    setFixedSize(760, 460);
}

void TFrmIRSBox12Codes::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    Selected = -1;
    IRSCodesListBox->setFocus();
}

QString TFrmIRSBox12Codes::SelectedCode() const
{
    return Selected >= 0 && Selected < Box12Codes().size() ? Box12Codes().at(Selected) : QString();
}

void TFrmIRSBox12Codes::BtnOkClick()
{
    QTreeWidgetItem *Item = IRSCodesListBox->currentItem();
    Selected = Item && Item->isSelected() ? IRSCodesListBox->indexOfTopLevelItem(Item) : -1;
    accept();
}

void TFrmIRSBox12Codes::IRSCodesListBoxDblClick(QTreeWidgetItem *Item)
{
    if (Item && Item->isSelected())
        BtnOkClick();
}
