#pragma once

#include <QDialog>
#include <QStringList>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class TFrmDataModule;

// The employee list: last and first names in the order of the sorted index;
// the person picks one to make it the current employee.
class TFrmRecList : public QDialog {
    Q_OBJECT
public:
    // Names: the index entries (last name, a tab, first name), in index order.
    explicit TFrmRecList(const QStringList &Names, QWidget *Parent = nullptr);

    // The height of the window and of its list for Count employees.
    static int WindowHeightFor(int Count);
    static int ListHeightFor(int Count);

    // The navigator's list command: shows the list of the open employee file
    // and makes the chosen employee current. Post edits of the current
    // employee first; a file of one record gets a message instead.
    static void ShowEmployeeList(TFrmDataModule &Data, QWidget *Parent = nullptr);

    int Selected = -1; // the chosen position in the index, -1 for none
    QTreeWidget *RecordListBox = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void FillList(const QStringList &Names);
    void BtnOkClick();
    void RecordListBoxDblClick(QTreeWidgetItem *Item);
};
