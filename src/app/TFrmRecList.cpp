#include "TFrmRecList.h"

#include "AppInfo.h"
#include "MsgBox.h"
#include "TFrmDataModule.h"
#include "TOkCancelButtons.h"
#include "TRecordIndex.h"
#include "TRecordSet.h"
#include "TextUtils.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int LastNameWidth = 115;
constexpr int FirstNameWidth = 59;

struct TListHeights {
    int Count;
    int Window;
    int List;
};

// Small lists get a window just large enough; nine and more scroll.
constexpr TListHeights Heights[] = { { 2, 141, 33 }, { 3, 149, 43 }, { 4, 161, 57 }, { 5, 173, 70 },
    { 6, 185, 82 }, { 7, 200, 97 }, { 8, 213, 110 }, { 9, 226, 121 } };
constexpr TListHeights OtherHeights = { 0, 237, 134 };

const TListHeights &HeightsFor(int Count)
{
    for (const TListHeights &Row : Heights)
        if (Row.Count == Count)
            return Row;
    return OtherHeights;
}

} // namespace

TFrmRecList::TFrmRecList(const QStringList &Names, QWidget *Parent)
    : QDialog(Parent)
{
    setObjectName(QStringLiteral("FrmRecList"));
    setWindowTitle(QStringLiteral("Employee List"));
    RecordListBox = new QTreeWidget(this);
    RecordListBox->setObjectName(QStringLiteral("RecordListBox"));
    RecordListBox->setAccessibleName(QStringLiteral("Employee List"));
    RecordListBox->setColumnCount(2);
    RecordListBox->setHeaderLabels({ QStringLiteral("Last Name"), QStringLiteral("First Name") });
    RecordListBox->header()->setObjectName(QStringLiteral("RecordListBoxHeader"));
    RecordListBox->header()->setSectionsMovable(false);
    RecordListBox->header()->setStretchLastSection(true);
    RecordListBox->setColumnWidth(0, LastNameWidth);
    RecordListBox->setColumnWidth(1, FirstNameWidth);
    RecordListBox->setRootIsDecorated(false);
    RecordListBox->setUniformRowHeights(true);
    RecordListBox->setAllColumnsShowFocus(true);
    // The header sits above the rows, as the separate header control did.
    RecordListBox->setFixedHeight(
        ListHeightFor(int(Names.size())) + RecordListBox->header()->sizeHint().height());
    connect(RecordListBox, &QTreeWidget::itemDoubleClicked, this, &TFrmRecList::RecordListBoxDblClick);

    auto *Buttons = new TOkCancelButtons(this);
    BtnOk = Buttons->BtnOk;
    BtnCancel = Buttons->BtnCancel;
    disconnect(BtnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnOk, &QPushButton::clicked, this, &TFrmRecList::BtnOkClick);

    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(6, 6, 6, 6);
    Layout->addWidget(RecordListBox);
    Layout->addStretch();
    Layout->addLayout(Buttons);
    setFixedSize(LastNameWidth + FirstNameWidth + 50, WindowHeightFor(int(Names.size())));
    FillList(Names);
}

int TFrmRecList::WindowHeightFor(int Count)
{
    return HeightsFor(Count).Window;
}

int TFrmRecList::ListHeightFor(int Count)
{
    return HeightsFor(Count).List;
}

void TFrmRecList::FillList(const QStringList &Names)
{
    QList<QTreeWidgetItem *> Items;
    Items.reserve(Names.size());
    for (const QString &Name : Names) {
        const QString Trimmed = TrimText(Name);
        const qsizetype Tab = Trimmed.indexOf(QLatin1Char('\t'));
        const QStringList Columns
            = Tab < 0 ? QStringList { Trimmed } : QStringList { Trimmed.left(Tab), Trimmed.mid(Tab + 1) };
        Items.append(new QTreeWidgetItem(Columns));
    }
    RecordListBox->setUpdatesEnabled(false);
    RecordListBox->addTopLevelItems(Items);
    RecordListBox->setUpdatesEnabled(true);
}

void TFrmRecList::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    Selected = -1;
    RecordListBox->setFocus();
}

void TFrmRecList::BtnOkClick()
{
    QTreeWidgetItem *Item = RecordListBox->currentItem();
    Selected = Item && Item->isSelected() ? RecordListBox->indexOfTopLevelItem(Item) : -1;
    accept();
}

void TFrmRecList::RecordListBoxDblClick(QTreeWidgetItem *Item)
{
    if (Item && Item->isSelected())
        BtnOkClick();
}

void TFrmRecList::ShowEmployeeList(TFrmDataModule &Data, QWidget *Parent)
{
    const int EmployeeCount = Data.RSW2->RecordCount();
    if (EmployeeCount <= 1) {
        MsgBox(QStringLiteral("The list window is not available when~there is only 1 record in the database"),
            AppTitle(), MsgFlag::Ok);
        return;
    }
    TRecordIndex &Index = TRecordIndex::Instance();
    Index.Build(Data, EmployeeCount);
    QStringList Names;
    Names.reserve(EmployeeCount);
    for (int I = 0; I < EmployeeCount; ++I)
        Names.append(Index.Entries().at(I).Name);
    TFrmRecList Window(Names, Parent);
    Window.exec();
    if (Window.Selected < 0)
        return;
    // The window still shows the employee it showed: a pick whose read fails
    // leaves the cursor on that employee, so the next post writes it back
    // where it came from.
    const int Shown = Data.RSW2->CurrentRecord();
    Data.RSW2->SetCurrentRecord(Index.Entries().at(Window.Selected).Index + 1);
    try {
        Data.RSW2->GetRec();
    } catch (...) {
        Data.RSW2->SetCurrentRecord(Shown);
        throw;
    }
}
