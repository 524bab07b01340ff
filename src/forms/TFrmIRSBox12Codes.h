#pragma once

#include <QDialog>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The list of the box 12 codes with their descriptions, opened by a
// double-click on a box 12 code field of the W-2 window.
class TFrmIRSBox12Codes : public QDialog {
    Q_OBJECT
public:
    explicit TFrmIRSBox12Codes(QWidget *Parent = nullptr);

    // The code of the chosen line; empty when none was chosen.
    QString SelectedCode() const;

    int Selected = -1; // the chosen line, -1 for none
    QTreeWidget *IRSCodesListBox = nullptr;
    QPushButton *BtnOk = nullptr;
    QPushButton *BtnCancel = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;

private:
    void BtnOkClick();
    void IRSCodesListBoxDblClick(QTreeWidgetItem *Item);
};
