#include "EmployerRecord.h"
#include "QmrkGuiTestMain.h"
#include "TEmployeeImport.h"
#include "TFrmImportPreview.h"
#include "TModalDriver.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace {

// Columns named as a payroll program names them ("Province", "Wages"), a row
// with a state code that is none, and one with a ZIP code a spreadsheet cut.
const QByteArray MixedFile
    = "EmployeeSSN,FirstName,LastName,StreetAddress,City,Province,ZipCode,Wages,Notes\r\n"
      "234-56-7890,Ann,Lee,1 Main St,Springfield,IL,62701,\"$50,000.00\",new hire\r\n"
      "345678901,Bob,Ray,2 Elm St,Chicago,QQ,60601,42000,\r\n"
      "456-78-9012,Cy,Day,3 Oak Ave,Peoria,IL,6355,38500.5,\r\n"
      "567-89-0123,Di,Eve,4 Ash Ct,Joliet,il,60431,61000,part time\r\n";

EmployerRecord Employer()
{
    EmployerRecord Result;
    Result.SetBox15State(QStringLiteral("IL"));
    Result.SetEmployerStateID(QStringLiteral("1234567"));
    return Result;
}

// File imported into a company of one blank employee, as a new company is.
void Load(TEmployeeImport &Import, const QByteArray &File = MixedFile)
{
    Import.SetCompany(Employer(), { EmployeeRecord() });
    Import.Load(File);
}

QStringList Listed(const TFrmImportPreview &Window)
{
    QStringList Result;
    for (int I = 0; I < Window.LstProblems->count(); ++I)
        Result.append(Window.LstProblems->item(I)->text());
    return Result;
}

// Picks Field in the column's drop-down with the keyboard, as a person does.
void MapColumn(TFrmImportPreview &Window, int Column, const QString &Field)
{
    auto *Box = Window.findChild<QComboBox *>(QStringLiteral("CmbColumn%1").arg(Column));
    QVERIFY(Box);
    Box->setFocus();
    QTest::keyClick(Box, Qt::Key_Home);
    const int Target = Box->findText(Field);
    QVERIFY(Target >= 0);
    while (Box->currentIndex() < Target)
        QTest::keyClick(Box, Qt::Key_Down);
    QCOMPARE(Box->currentText(), Field);
}

// MixedFile's unknown columns mapped: Province is the state, Wages box 1, Notes left out.
void MapMixedColumns(TFrmImportPreview &Window)
{
    MapColumn(Window, 5, QStringLiteral("State"));
    MapColumn(Window, 7, QStringLiteral("Box1Wages"));
    MapColumn(Window, 8, QStringLiteral("(ignore)"));
}

bool Marked(const TFrmImportPreview &Window, int TableRow, int Column)
{
    return Window.GrdRows->item(TableRow, Column)->background().color() != QColor()
        && Window.GrdRows->item(TableRow, Column)->background().style() != Qt::NoBrush;
}

} // namespace

class TstFrmImportPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void unknownColumnsAreMappedAndProblemsRemain();
    void importIsOfferedWhenNothingIsLeft();
    void summaryCountsInTheRightNumber_data();
    void summaryCountsInTheRightNumber();
    void screenshot();
};

void TstFrmImportPreview::unknownColumnsAreMappedAndProblemsRemain()
{
    TEmployeeImport Import;
    Load(Import);
    TFrmImportPreview Window(Import, QStringLiteral("payroll.csv"));
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    // Every row of the file, under the drop-downs.
    QCOMPARE(Window.GrdRows->rowCount(), 5);
    QCOMPARE(Window.GrdRows->item(1, 7)->text(), QStringLiteral("$50,000.00"));
    QCOMPARE(Window.GrdRows->verticalHeaderItem(4)->text(), QStringLiteral("5"));
    QCOMPARE(Listed(Window),
        (QStringList { "row 1, Province: \"Province\" is not a field of the employee record.",
            "row 1, Wages: \"Wages\" is not a field of the employee record.",
            "row 1, Notes: \"Notes\" is not a field of the employee record." }));
    QVERIFY(!Window.BtnImport->isEnabled());

    MapMixedColumns(Window);
    // Mapped, the columns are checked row by row; the bad rows are left as they are.
    QCOMPARE(Listed(Window),
        (QStringList { "row 3, State: \"QQ\" is not a state code.",
            "row 4, ZipCode: \"6355\" has lost its leading zeros; format the ZIP code column as text in the "
            "spreadsheet." }));
    QVERIFY(Marked(Window, 2, 5));
    QVERIFY(Marked(Window, 3, 6));
    QVERIFY(!Marked(Window, 1, 5));
    QCOMPARE(Window.GrdRows->item(2, 5)->toolTip(), QStringLiteral("\"QQ\" is not a state code."));
    QVERIFY(!Window.BtnImport->isEnabled());
    QVERIFY(Window.LblSummary->text().startsWith(QStringLiteral("4 rows, 2 problems")));
    QCOMPARE(Import.ColumnField(5),
        int(std::find_if(EmployeeRecord::Fields().begin(), EmployeeRecord::Fields().end(),
                [](const TFieldDef &F) { return QLatin1String(F.Name) == "State"; })
            - EmployeeRecord::Fields().begin()));

    // Selecting a problem shows its cell.
    Window.LstProblems->setCurrentRow(1);
    QCOMPARE(Window.GrdRows->currentRow(), 3);
    QCOMPARE(Window.GrdRows->currentColumn(), 6);
    QTest::mouseClick(Window.BtnImport, Qt::LeftButton);
    QVERIFY(Window.isVisible());
}

void TstFrmImportPreview::importIsOfferedWhenNothingIsLeft()
{
    TEmployeeImport Import;
    QByteArray Good = MixedFile;
    Good.replace(",QQ,", ",IN,").replace(",6355,", ",06355,");
    Load(Import, Good);
    bool Accepted = false;
    WhenModal<TFrmImportPreview>([](TFrmImportPreview *Window) {
        MapColumn(*Window, 5, QStringLiteral("State"));
        QVERIFY(!Window->BtnImport->isEnabled());
        MapColumn(*Window, 7, QStringLiteral("Box1Wages"));
        MapColumn(*Window, 8, QStringLiteral("(ignore)"));
        QCOMPARE(Listed(*Window), QStringList());
        QCOMPARE(Window->LblSummary->text(), QStringLiteral("4 employees are ready to be imported."));
        QVERIFY(Window->BtnImport->isEnabled());
        QTest::mouseClick(Window->BtnImport, Qt::LeftButton);
    });
    Accepted = TFrmImportPreview::Execute(Import, QStringLiteral("payroll.csv"));
    QVERIFY(Accepted);
    QVERIFY(Import.Ready());
    QCOMPARE(Import.Records().size(), 4);
    QCOMPARE(Import.Records()[3].State(), QStringLiteral("IL"));
}

void TstFrmImportPreview::summaryCountsInTheRightNumber_data()
{
    QTest::addColumn<QByteArray>("File");
    QTest::addColumn<QString>("Summary");
    const QByteArray Header = "EmployeeSSN,FirstName,LastName,StreetAddress,City,State,ZipCode,Box1Wages\r\n";
    const QByteArray Good = "234-56-7890,Ann,Lee,1 Main St,Springfield,IL,62701,50000\r\n";
    const QByteArray Bad = "345678901,Bob,Ray,2 Elm St,Chicago,QQ,60601,42000\r\n";
    QTest::newRow("one ready") << Header + Good << "1 employee is ready to be imported.";
    QTest::newRow("one row, one problem")
        << Header + Bad << "1 row, 1 problem; nothing can be imported until every problem is mended.";
    QTest::newRow("two rows, one problem")
        << Header + Good + Bad << "2 rows, 1 problem; nothing can be imported until every problem is mended.";
}

void TstFrmImportPreview::summaryCountsInTheRightNumber()
{
    QFETCH(QByteArray, File);
    QFETCH(QString, Summary);
    TEmployeeImport Import;
    Load(Import, File);
    TFrmImportPreview Window(Import, QStringLiteral("payroll.csv"));
    QCOMPARE(Window.LblSummary->text(), Summary);
}

void TstFrmImportPreview::screenshot()
{
    const QString Target = qEnvironmentVariable("QMRK_SCREENSHOT_DIR");
    if (Target.isEmpty())
        QSKIP("set QMRK_SCREENSHOT_DIR to keep a picture of the preview");
    TEmployeeImport Import;
    Load(Import);
    TFrmImportPreview Window(Import, QStringLiteral("payroll.csv"));
    Window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Window));
    MapMixedColumns(Window);
    Window.GrdRows->scrollToTop();
    Window.GrdRows->horizontalScrollBar()->setValue(0);
    QVERIFY(Window.grab().save(Target + QStringLiteral("/import-preview.png")));
}

QMRK_GUI_TEST_MAIN(TstFrmImportPreview)
#include "tst_frmimportpreview.moc"
