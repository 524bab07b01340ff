#include "TFrmImportPreview.h"

#include "EmployeeRecord.h"
#include "TEmployeeImport.h"
#include "TextUtils.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Row 0 of the table holds the drop-downs; the file's rows follow.
constexpr int FirstDataRow = 1;
const QColor ProblemColor(255, 200, 200);

} // namespace

TFrmImportPreview::TFrmImportPreview(TEmployeeImport &Import, const QString &FileName, QWidget *Parent)
    : QDialog(Parent)
    , FImport(Import)
{
    setObjectName(QStringLiteral("FrmImportPreview"));
    setWindowTitle(QStringLiteral("Import Employees - ") + FileName);
    auto *Layout = new QVBoxLayout(this);
    GrdRows = new QTableWidget(this);
    GrdRows->setObjectName(QStringLiteral("GrdRows"));
    GrdRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Layout->addWidget(GrdRows, 3);
    LblSummary = new QLabel(this);
    LblSummary->setObjectName(QStringLiteral("LblSummary"));
    Layout->addWidget(LblSummary);
    LstProblems = new QListWidget(this);
    LstProblems->setObjectName(QStringLiteral("LstProblems"));
    Layout->addWidget(LstProblems, 1);
    auto *Buttons = new QHBoxLayout;
    Buttons->addStretch();
    BtnImport = new QPushButton(QStringLiteral("&Import"), this);
    BtnImport->setObjectName(QStringLiteral("BtnImport"));
    BtnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BtnCancel->setObjectName(QStringLiteral("BtnCancel"));
    Buttons->addWidget(BtnImport);
    Buttons->addWidget(BtnCancel);
    Layout->addLayout(Buttons);
    connect(BtnImport, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(LstProblems, &QListWidget::currentRowChanged, this, &TFrmImportPreview::ProblemClicked);
    FillTable();
    ShowProblems();
    resize(1000, 560);
}

bool TFrmImportPreview::Execute(TEmployeeImport &Import, const QString &FileName, QWidget *Parent)
{
    TFrmImportPreview Window(Import, FileName, Parent);
    return Window.exec() == QDialog::Accepted;
}

void TFrmImportPreview::FillTable()
{
    const int Columns = int(FImport.Headers().size());
    GrdRows->setColumnCount(Columns);
    GrdRows->setRowCount(FirstDataRow + FImport.RowCount());
    GrdRows->setHorizontalHeaderLabels(FImport.Headers());
    QStringList RowNames { QStringLiteral("Field") };
    for (int Row = 0; Row < FImport.RowCount(); ++Row)
        RowNames.append(QString::number(FImport.FileRow(Row)));
    GrdRows->setVerticalHeaderLabels(RowNames);
    for (int Column = 0; Column < Columns; ++Column) {
        GrdRows->setCellWidget(0, Column, MappingBox(Column));
        for (int Row = 0; Row < FImport.RowCount(); ++Row)
            GrdRows->setItem(FirstDataRow + Row, Column, new QTableWidgetItem(FImport.Cell(Row, Column)));
    }
    GrdRows->resizeColumnsToContents();
    // Narrow enough to show most columns of a payroll file at once; a
    // drop-down shows the field names in full when it is opened.
    for (int Column = 0; Column < Columns; ++Column)
        GrdRows->setColumnWidth(Column, qBound(90, GrdRows->columnWidth(Column), 150));
}

QComboBox *TFrmImportPreview::MappingBox(int Column)
{
    auto *Box = new QComboBox(GrdRows);
    Box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Box->setMinimumContentsLength(6);
    Box->setObjectName(QStringLiteral("CmbColumn%1").arg(Column));
    Box->addItem(QStringLiteral("(not mapped)"), TEmployeeImport::Unmapped);
    Box->addItem(QStringLiteral("(ignore)"), TEmployeeImport::Ignored);
    const auto Fields = EmployeeRecord::Fields();
    for (const int Field : TEmployeeImport::MappableFields())
        Box->addItem(QLatin1String(Fields[Field].Name), Field);
    Box->setCurrentIndex(Box->findData(FImport.ColumnField(Column)));
    connect(Box, &QComboBox::activated, this, [this, Column, Box] { ColumnMapped(Column, Box); });
    return Box;
}

void TFrmImportPreview::ColumnMapped(int Column, QComboBox *Box)
{
    FImport.SetColumnField(Column, Box->currentData().toInt());
    ShowProblems();
}

void TFrmImportPreview::ShowProblems()
{
    for (int Row = FirstDataRow; Row < GrdRows->rowCount(); ++Row)
        for (int Column = 0; Column < GrdRows->columnCount(); ++Column) {
            QTableWidgetItem *Item = GrdRows->item(Row, Column);
            Item->setBackground(QBrush());
            Item->setToolTip(QString());
        }
    for (int Column = 0; Column < GrdRows->columnCount(); ++Column)
        GrdRows->cellWidget(0, Column)->setStyleSheet(QString());
    QHash<int, int> TableRowOf;
    for (int Row = 0; Row < FImport.RowCount(); ++Row)
        TableRowOf.insert(FImport.FileRow(Row), FirstDataRow + Row);
    LstProblems->clear();
    for (const TImportProblem &Problem : FImport.Problems()) {
        auto *Line = new QListWidgetItem(Problem.Text(), LstProblems);
        Line->setData(Qt::UserRole, Problem.Row);
        Line->setData(Qt::UserRole + 1, Problem.Column);
        if (Problem.Row == 1 && Problem.Column >= 0) {
            QWidget *Box = GrdRows->cellWidget(0, Problem.Column);
            Box->setStyleSheet(QStringLiteral("QComboBox { background: #ffc8c8; }"));
            Box->setToolTip(Problem.Message);
            continue;
        }
        const int TableRow = TableRowOf.value(Problem.Row, -1);
        if (TableRow < FirstDataRow || Problem.Column < 0)
            continue;
        QTableWidgetItem *Item = GrdRows->item(TableRow, Problem.Column);
        Item->setBackground(ProblemColor);
        Item->setToolTip(Problem.Message);
    }
    const qsizetype Count = FImport.Problems().size();
    const qsizetype Ready = FImport.Records().size();
    LblSummary->setText(Count == 0
            ? CountText(Ready, QStringLiteral("employee is"), QStringLiteral("employees are"))
                + QStringLiteral(" ready to be imported.")
            : CountText(FImport.RowCount(), QStringLiteral("row"), QStringLiteral("rows"))
                + QStringLiteral(", ")
                + CountText(Count, QStringLiteral("problem"), QStringLiteral("problems"))
                + QStringLiteral("; nothing can be imported until every problem is mended."));
    BtnImport->setEnabled(FImport.Ready());
}

void TFrmImportPreview::ProblemClicked(int Index)
{
    QListWidgetItem *Line = LstProblems->item(Index);
    if (!Line)
        return;
    const int FileRow = Line->data(Qt::UserRole).toInt();
    const int Column = qMax(0, Line->data(Qt::UserRole + 1).toInt());
    for (int Row = 0; Row < FImport.RowCount(); ++Row)
        if (FImport.FileRow(Row) == FileRow)
            GrdRows->setCurrentCell(FirstDataRow + Row, Column);
    if (FileRow == 1)
        GrdRows->scrollTo(GrdRows->model()->index(0, Column));
}
