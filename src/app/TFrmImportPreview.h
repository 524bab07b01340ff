#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class TEmployeeImport;

// The rows of a CSV file before they become employees: every row in a table
// under a drop-down per column that maps the column to a record field (or
// leaves it out), every problem listed with its row and column and marked on
// its cell. Import is offered only when no problem is left.
class TFrmImportPreview : public QDialog {
    Q_OBJECT
public:
    TFrmImportPreview(TEmployeeImport &Import, const QString &FileName, QWidget *Parent = nullptr);

    // True when the person chose Import; Import then holds the mapping chosen.
    static bool Execute(TEmployeeImport &Import, const QString &FileName, QWidget *Parent = nullptr);

    QTableWidget *GrdRows = nullptr;
    QListWidget *LstProblems = nullptr;
    QLabel *LblSummary = nullptr;
    QPushButton *BtnImport = nullptr;
    QPushButton *BtnCancel = nullptr;

private:
    void FillTable();
    QComboBox *MappingBox(int Column);
    void ColumnMapped(int Column, QComboBox *Box);
    void ShowProblems();
    void ProblemClicked(int Index);

    TEmployeeImport &FImport;
};
