#include "EmployeeExport.h"
#include "EmployeeRecord.h"
#include "EmployerRecord.h"
#include "QmrkTestMain.h"
#include "RecordFields.h"
#include "TEmployeeImport.h"
#include "TRecordBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/file.h>

namespace {

const QByteArray Header = "EmployeeSSN,FirstName,LastName,StreetAddress,City,State,ZipCode,Box1Wages";
// A row that passes every check with the employer below (box 16a is derived
// from box 1, the state and its ID come from the employer).
const QByteArray GoodRow = "234-56-7890,Ann,Lee,1 Main St,Springfield,IL,62701,50000";

QByteArray Csv(const QList<QByteArray> &Lines)
{
    QByteArray Result;
    for (const QByteArray &Line : Lines)
        Result += Line + "\r\n";
    return Result;
}

// The file of the good row with one column more, or one of its own replaced.
QByteArray GoodRowWith(const QByteArray &Column, const QByteArray &Cell)
{
    QList<QByteArray> Names = Header.split(',');
    QList<QByteArray> Cells = GoodRow.split(',');
    const qsizetype At = Names.indexOf(Column);
    if (At >= 0) {
        Cells[At] = Cell;
    } else {
        Names.append(Column);
        Cells.append(Cell);
    }
    return Csv({ Names.join(','), Cells.join(',') });
}

EmployerRecord Employer(
    const QString &State = QStringLiteral("IL"), const QString &StateID = QStringLiteral("1234567"))
{
    EmployerRecord Result;
    Result.SetBox15State(State);
    Result.SetEmployerStateID(StateID);
    return Result;
}

// A company with one blank record, as a new company is.
QList<EmployeeRecord> NewCompany()
{
    return { EmployeeRecord() };
}

EmployeeRecord Employee(const QString &SSN)
{
    EmployeeRecord Result;
    Result.SetEmployeeSSN(SSN);
    Result.SetFirstName(QStringLiteral("Old"));
    return Result;
}

QStringList ProblemTexts(const TEmployeeImport &Import)
{
    QStringList Result;
    for (const TImportProblem &Problem : Import.Problems())
        Result.append(Problem.Text());
    return Result;
}

// The value of the field named Name, as text: texts as they are, amounts with
// two decimals, flags as 1 or 0.
QString FieldValue(const EmployeeRecord &Record, const QString &Name)
{
    for (const TFieldDef &Field : EmployeeRecord::Fields()) {
        if (Name != QLatin1String(Field.Name))
            continue;
        switch (Field.Type) {
        case TFieldType::Str:
            return ReadStr(Record.Bytes(), Field);
        case TFieldType::Money:
            return QString::number(ReadMoney(Record.Bytes(), Field), 'f', 2);
        case TFieldType::Flag:
            return ReadFlag(Record.Bytes(), Field) ? QStringLiteral("1") : QStringLiteral("0");
        case TFieldType::Int32:
            return QString::number(ReadInt32(Record.Bytes(), Field));
        }
    }
    return QStringLiteral("<no field %1>").arg(Name);
}

// Dir/Acme.W325 holding Employer and Dir/Acme.W225 with one blank record, as
// a new company is on disk; the .W225's path.
QString WriteNewCompany(const QTemporaryDir &Dir, const QByteArray &Employer)
{
    const QString W2 = Dir.filePath(QStringLiteral("Acme.W225"));
    TRecordBytes::WriteFile(Dir.filePath(QStringLiteral("Acme.W325")), { Employer });
    TRecordBytes::WriteFile(W2, { QByteArray(480, '\0') });
    return W2;
}

TEmployeeImport Imported(const QByteArray &Bytes, const EmployerRecord &Company = Employer(),
    const QList<EmployeeRecord> &Employees = NewCompany())
{
    TEmployeeImport Import;
    Import.SetCompany(Company, Employees);
    Import.Load(Bytes);
    return Import;
}

} // namespace

class TstEmployeeImport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valueForms_data();
    void valueForms();
    void refusedValues_data();
    void refusedValues();
    void headerIsMatchedIgnoringCaseInAnyOrder();
    void quotedFieldsWithCommasQuotesAndLineBreaks();
    void byteOrderMarkAndWindows1252_data();
    void byteOrderMarkAndWindows1252();
    void malformedFileIsRefused_data();
    void malformedFileIsRefused();
    void derivedBoxes_data();
    void derivedBoxes();
    void employerDefaults_data();
    void employerDefaults();
    void checksRunInTheWindowsOrder();
    void everyBadRowIsNamedAndNothingIsBuilt();
    void duplicateSSNs();
    void recordLimit_data();
    void recordLimit();
    void firstBlankRecordIsReplaced_data();
    void firstBlankRecordIsReplaced();
    void writtenFileBytes();
    void refusedWriteLeavesTheFile();
    void exportBytes();
    void exportThenImportGivesTheSameRecords();
};

void TstEmployeeImport::valueForms_data()
{
    QTest::addColumn<QByteArray>("Column");
    QTest::addColumn<QByteArray>("Cell");
    QTest::addColumn<QString>("Field");
    QTest::addColumn<QString>("Stored");
    QTest::newRow("SSN with hyphens")
        << QByteArray("EmployeeSSN") << QByteArray("345-67-8901") << "EmployeeSSN"
        << "345-67-8901";
    QTest::newRow("SSN digits only") << QByteArray("EmployeeSSN") << QByteArray("345678901") << "EmployeeSSN"
                                     << "345-67-8901";
    QTest::newRow("ZIP+4") << QByteArray("ZipCode") << QByteArray("62701-1234") << "ZipCode"
                           << "62701-1234";
    QTest::newRow("ZIP with its leading zero") << QByteArray("ZipCode") << QByteArray("06355") << "ZipCode"
                                               << "06355";
    QTest::newRow("state in lower case") << QByteArray("State") << QByteArray("il") << "State"
                                         << "IL";
    QTest::newRow("largest box 17 amount")
        << QByteArray("Box17StateTax_a") << QByteArray("999999.99") << "Box17StateTax_a"
        << "999999.99";
    QTest::newRow("plain amount") << QByteArray("Box2FedIncomeTax") << QByteArray("1234.56")
                                  << "Box2FedIncomeTax"
                                  << "1234.56";
    QTest::newRow("amount with separators")
        << QByteArray("Box2FedIncomeTax") << QByteArray("\"1,234.56\"") << "Box2FedIncomeTax"
        << "1234.56";
    QTest::newRow("amount with dollar sign")
        << QByteArray("Box2FedIncomeTax") << QByteArray("\"$1,234.56\"") << "Box2FedIncomeTax"
        << "1234.56";
    QTest::newRow("amount in whole dollars")
        << QByteArray("Box2FedIncomeTax") << QByteArray("$800") << "Box2FedIncomeTax"
        << "800.00";
    QTest::newRow("empty amount") << QByteArray("Box2FedIncomeTax") << QByteArray("") << "Box2FedIncomeTax"
                                  << "0.00";
    QTest::newRow("amount rounded half up")
        << QByteArray("Box2FedIncomeTax") << QByteArray("1.005") << "Box2FedIncomeTax"
        << "1.01";
    QTest::newRow("amount rounded down")
        << QByteArray("Box2FedIncomeTax") << QByteArray("1.004") << "Box2FedIncomeTax"
        << "1.00";
    QTest::newRow("flag X") << QByteArray("Box13Retirement") << QByteArray("X") << "Box13Retirement"
                            << "1";
    QTest::newRow("flag x") << QByteArray("Box13Retirement") << QByteArray("x") << "Box13Retirement"
                            << "1";
    QTest::newRow("flag 1") << QByteArray("Box13Statutory") << QByteArray("1") << "Box13Statutory"
                            << "1";
    QTest::newRow("flag yes") << QByteArray("Box13SickPay") << QByteArray("Yes") << "Box13SickPay"
                              << "1";
    QTest::newRow("flag true") << QByteArray("Box13SickPay") << QByteArray("TRUE") << "Box13SickPay"
                               << "1";
    QTest::newRow("flag empty") << QByteArray("Box13SickPay") << QByteArray("") << "Box13SickPay"
                                << "0";
    QTest::newRow("flag 0") << QByteArray("Box13SickPay") << QByteArray("0") << "Box13SickPay"
                            << "0";
    QTest::newRow("flag no") << QByteArray("Box13SickPay") << QByteArray("no") << "Box13SickPay"
                             << "0";
    QTest::newRow("flag false") << QByteArray("Box13SickPay") << QByteArray("False") << "Box13SickPay"
                                << "0";
    QTest::newRow("control number in capitals")
        << QByteArray("ControlNumber") << QByteArray("ab-12") << "ControlNumber"
        << "AB-12";
    QTest::newRow("text as long as its field")
        << QByteArray("FirstName") << QByteArray("Maximilianus Jo") << "FirstName"
        << "Maximilianus Jo";
    QTest::newRow("Windows-1252 character") << QByteArray("LastName") << QByteArray("Le\xE2\x82\xAC")
                                            << "LastName" << QString::fromUtf8("Le\xE2\x82\xAC");
}

void TstEmployeeImport::valueForms()
{
    QFETCH(QByteArray, Column);
    QFETCH(QByteArray, Cell);
    QFETCH(QString, Field);
    QFETCH(QString, Stored);
    const TEmployeeImport Import = Imported(GoodRowWith(Column, Cell));
    QCOMPARE(ProblemTexts(Import), QStringList());
    QCOMPARE(Import.Records().size(), 1);
    QCOMPARE(FieldValue(Import.Records().first(), Field), Stored);
}

void TstEmployeeImport::refusedValues_data()
{
    QTest::addColumn<QByteArray>("Column");
    QTest::addColumn<QByteArray>("Cell");
    QTest::addColumn<QString>("Problem");
    QTest::newRow("state code") << QByteArray("State") << QByteArray("QQ")
                                << "row 2, State: \"QQ\" is not a state code.";
    QTest::newRow("box 15 state code") << QByteArray("Box15State_a") << QByteArray("XX")
                                       << "row 2, Box15State_a: \"XX\" is not a state code.";
    QTest::newRow("ZIP without its leading zero") << QByteArray("ZipCode") << QByteArray("6355")
                                                  << "row 2, ZipCode: \"6355\" has lost its leading zeros; "
                                                     "format the ZIP code column as text in the spreadsheet.";
    QTest::newRow("ZIP+4 without its leading zero")
        << QByteArray("ZipCode") << QByteArray("6355-1234")
        << "row 2, ZipCode: \"6355-1234\" has lost its leading zeros; format the ZIP code column as text in "
           "the spreadsheet.";
    QTest::newRow("ZIP the W-2 checks refuse") << QByteArray("ZipCode") << QByteArray("627011")
                                               << "row 2, ZipCode: Employee's Zip Code is not valid.";
    QTest::newRow("negative amount")
        << QByteArray("Box2FedIncomeTax") << QByteArray("-5.00")
        << "row 2, Box2FedIncomeTax: \"-5.00\" is negative; no amount of a W-2 is.";
    QTest::newRow("amount in brackets")
        << QByteArray("Box2FedIncomeTax") << QByteArray("(5.00)")
        << "row 2, Box2FedIncomeTax: \"(5.00)\" is negative; no amount of a W-2 is.";
    QTest::newRow("box 12 amount over six dollar digits")
        << QByteArray("Box12Amt_a") << QByteArray("1000000")
        << "row 2, Box12Amt_a: \"1000000\" is larger than the box takes (at most 999,999.99).";
    QTest::newRow("box 19 amount rounded over six dollar digits")
        << QByteArray("Box19LocalTax_b") << QByteArray("999999.995")
        << "row 2, Box19LocalTax_b: \"999999.995\" is larger than the box takes (at most 999,999.99).";
    QTest::newRow("box 1 amount over nine dollar digits")
        << QByteArray("Box1Wages") << QByteArray("\"$1,000,000,000.00\"")
        << "row 2, Box1Wages: \"$1,000,000,000.00\" is larger than the box takes (at most 999,999,999.99).";
    QTest::newRow("not an amount")
        << QByteArray("Box2FedIncomeTax") << QByteArray("12abc")
        << "row 2, Box2FedIncomeTax: \"12abc\" is not an amount (1234.56, 1,234.56 or $1,234.56).";
    QTest::newRow("separators misplaced")
        << QByteArray("Box2FedIncomeTax") << QByteArray("\"12,34.56\"")
        << "row 2, Box2FedIncomeTax: \"12,34.56\" is not an amount (1234.56, 1,234.56 or $1,234.56).";
    QTest::newRow("not a check mark")
        << QByteArray("Box13Statutory") << QByteArray("maybe")
        << "row 2, Box13Statutory: \"maybe\" is not a check mark (X, 1, yes or true; empty, 0, no or false).";
    QTest::newRow("text longer than its field")
        << QByteArray("FirstName") << QByteArray("Maximilianus Jon")
        << "row 2, FirstName: \"Maximilianus Jon\" is longer than the 15 characters the field holds.";
    QTest::newRow("character Windows-1252 cannot hold")
        << QByteArray("LastName") << QByteArray("\xCE\xA9mega")
        << QString::fromUtf8("row 2, LastName: \"\xCE\xA9mega\" holds \"\xCE\xA9\", a character the company "
                             "file cannot store.");
    QTest::newRow("SSN in another form")
        << QByteArray("EmployeeSSN") << QByteArray("2345-6-7890")
        << "row 2, EmployeeSSN: \"2345-6-7890\" is not a social security number (123-45-6789 or 123456789).";
    QTest::newRow("SSN the W-2 checks refuse") << QByteArray("EmployeeSSN") << QByteArray("666123456")
                                               << "row 2, EmployeeSSN: Social security number is invalid.";
    QTest::newRow("control number character")
        << QByteArray("ControlNumber") << QByteArray("A#1")
        << "row 2, ControlNumber: \"A#1\" holds \"#\", which the box does not take.";
    QTest::newRow("state ID character")
        << QByteArray("StateID_a") << QByteArray("12-34")
        << "row 2, StateID_a: \"12-34\" holds \"-\", which the box does not take.";
    QTest::newRow("box 1 zero") << QByteArray("Box1Wages") << QByteArray("0.00")
                                << "row 2, Box1Wages: Box 1 (Wages, tips, other comp.) cannot be zero.";
    QTest::newRow("box 1 rounds to zero")
        << QByteArray("Box1Wages") << QByteArray("0.004")
        << "row 2, Box1Wages: Box 1 (Wages, tips, other comp.) cannot be zero.";
    QTest::newRow("box 12 code invalid") << QByteArray("Box12Code_a,Box12Amt_a") << QByteArray("cc,10")
                                         << "row 2, Box12Code_a: Box 12a code is invalid.";
    QTest::newRow("box 12 amount missing") << QByteArray("Box12Code_b,Box12Amt_b") << QByteArray("dd,")
                                           << "row 2, Box12Amt_b: Box 12b amount is missing.";
    QTest::newRow("unknown column") << QByteArray("Wages") << QByteArray("1")
                                    << "row 1, Wages: \"Wages\" is not a field of the employee record.";
    QTest::newRow("unnamed column with values")
        << QByteArray("") << QByteArray("1") << "row 1, column 9: the column has no name but holds values.";
    QTest::newRow("field named twice")
        << QByteArray("FIRSTNAME") << QByteArray("Bo")
        << "row 1, FirstName: column 9 names the field again (column 2 already does).";
}

void TstEmployeeImport::refusedValues()
{
    QFETCH(QByteArray, Column);
    QFETCH(QByteArray, Cell);
    QFETCH(QString, Problem);
    const TEmployeeImport Import = Imported(GoodRowWith(Column, Cell));
    QCOMPARE(ProblemTexts(Import), QStringList { Problem });
    QVERIFY(!Import.Ready());
}

void TstEmployeeImport::headerIsMatchedIgnoringCaseInAnyOrder()
{
    const TEmployeeImport Import
        = Imported(Csv({ "box1wages,ZIPCODE,state,city,streetaddress,lastname,FirstName,"
                         "employeessn,CityStateZip,Box9Text,,",
            "50000,62701,IL,Springfield,1 Main St,Lee,Ann,234567890,ignored,ignored too,," }));
    QCOMPARE(ProblemTexts(Import), QStringList());
    const EmployeeRecord &E = Import.Records().first();
    QCOMPARE(E.EmployeeSSN(), QStringLiteral("234-56-7890"));
    QCOMPARE(E.FirstName(), QStringLiteral("Ann"));
    // Derived as the W-2 window derives it, whatever the file says; box 9 is never entered.
    QCOMPARE(E.CityStateZip(), QStringLiteral("Springfield IL 62701"));
    QCOMPARE(E.Box9Text(), QString());
}

void TstEmployeeImport::quotedFieldsWithCommasQuotesAndLineBreaks()
{
    const TEmployeeImport Import = Imported(Header + "\n"
        + "234-56-7890,\"Ann, Jr\",\"O\"\"Neil\",\"1 Main St\nApt 2\",Springfield,IL,62701,\"50,000.00\"\n"
        + "bad,Bob,Ray,2 Elm,Town,IL,62702,100\n");
    // The quoted line break does not start a row: the second employee stands in row 3.
    QCOMPARE(ProblemTexts(Import),
        QStringList {
            "row 3, EmployeeSSN: \"bad\" is not a social security number (123-45-6789 or 123456789)." });
    TEmployeeImport Good = Imported(Header + "\n"
        + "234-56-7890,\"Ann, Jr\",\"O\"\"Neil\",\"1 Main St\nApt 2\",Springfield,IL,62701,\"50,000.00\"");
    QCOMPARE(ProblemTexts(Good), QStringList());
    const EmployeeRecord &E = Good.Records().first();
    QCOMPARE(E.FirstName(), QStringLiteral("Ann, Jr"));
    QCOMPARE(E.LastName(), QStringLiteral("O\"Neil"));
    QCOMPARE(E.StreetAddress(), QStringLiteral("1 Main St\nApt 2"));
    QCOMPARE(E.Box1Wages(), 50000.0);
}

void TstEmployeeImport::byteOrderMarkAndWindows1252_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    QTest::newRow("UTF-8") << Csv(
        { Header, "234-56-7890,Jos\xC3\xA9,M\xC3\xBCller,1 Main St,Springfield,IL,62701,50000" });
    QTest::newRow("UTF-8 with a byte-order mark") << "\xEF\xBB\xBF"
            + Csv({ Header, "234-56-7890,Jos\xC3\xA9,M\xC3\xBCller,1 Main St,Springfield,IL,62701,50000" });
    QTest::newRow("Windows-1252") << Csv(
        { Header, "234-56-7890,Jos\xE9,M\xFCller,1 Main St,Springfield,IL,62701,50000" });
}

void TstEmployeeImport::byteOrderMarkAndWindows1252()
{
    QFETCH(QByteArray, Bytes);
    const TEmployeeImport Import = Imported(Bytes);
    QCOMPARE(ProblemTexts(Import), QStringList());
    QCOMPARE(Import.Headers().first(), QStringLiteral("EmployeeSSN"));
    // The record holds the Windows-1252 bytes of the names.
    const QByteArray &Bytes2 = Import.Records().first().Bytes();
    QCOMPARE(Bytes2.mid(23, 5), QByteArray("\x04Jos\xE9"));
    QCOMPARE(Bytes2.mid(39, 7), QByteArray("\x06M\xFCller"));
}

void TstEmployeeImport::malformedFileIsRefused_data()
{
    QTest::addColumn<QByteArray>("Bytes");
    QTest::addColumn<QStringList>("Problems");
    QTest::newRow("unclosed quote") << Csv({ Header, GoodRow, "\"345-67-8901,Bob" })
                                    << QStringList { "row 3: a quoted field is not closed." };
    QTest::newRow("quote inside a field")
        << Csv({ Header, "23\"4,Ann" })
        << QStringList { "row 2: a quote stands inside a field that is not quoted." };
    QTest::newRow("more fields than the header") << Csv(
        { Header, GoodRow + ",extra" }) << QStringList { "row 2: the row has 9 fields, the header 8." };
    QTest::newRow("empty file") << QByteArray() << QStringList { "The file is empty." };
    QTest::newRow("header only") << Csv({ Header, ",,,,,,," })
                                 << QStringList { "The file holds no employees." };
}

void TstEmployeeImport::malformedFileIsRefused()
{
    QFETCH(QByteArray, Bytes);
    QFETCH(QStringList, Problems);
    const TEmployeeImport Import = Imported(Bytes);
    QCOMPARE(ProblemTexts(Import), Problems);
    QVERIFY(!Import.Ready());
}

void TstEmployeeImport::derivedBoxes_data()
{
    QTest::addColumn<QByteArray>("Extra");
    QTest::addColumn<QByteArray>("Cells");
    QTest::addColumn<QStringList>("Boxes"); // boxes 3, 4, 5, 6 and 16a
    QTest::newRow("box 1 alone") << QByteArray() << QByteArray()
                                 << QStringList { "50000.00", "3100.00", "50000.00", "725.00", "50000.00" };
    // The 2025 wage base is 176,100.00; the social security tax on it 10,918.20.
    QTest::newRow("above the wage base")
        << QByteArray(",Box1Wages") << QByteArray(",200000")
        << QStringList { "176100.00", "10918.20", "200000.00", "2900.00", "200000.00" };
    // 1.45% of 250,000 is 3,625.00; the Additional Medicare Tax 0.9% of the 50,000 above 200,000 is 450.00.
    QTest::newRow("Additional Medicare Tax")
        << QByteArray(",Box1Wages") << QByteArray(",250000")
        << QStringList { "176100.00", "10918.20", "250000.00", "4075.00", "250000.00" };
    QTest::newRow("box 3 and 5 columns left empty")
        << QByteArray(",Box3SocSecWages,Box5MedicareWages") << QByteArray(",,")
        << QStringList { "50000.00", "3100.00", "50000.00", "725.00", "50000.00" };
    QTest::newRow("box 3 given") << QByteArray(",Box3SocSecWages,Box16StateWages_a")
                                 << QByteArray(",40000,50000")
                                 << QStringList { "40000.00", "0.00", "0.00", "0.00", "50000.00" };
    QTest::newRow("box 5 given") << QByteArray(",Box5MedicareWages,Box6MedicareTax,Box16StateWages_a")
                                 << QByteArray(",50000,725,50000")
                                 << QStringList { "0.00", "0.00", "50000.00", "725.00", "50000.00" };
}

void TstEmployeeImport::derivedBoxes()
{
    QFETCH(QByteArray, Extra);
    QFETCH(QByteArray, Cells);
    QFETCH(QStringList, Boxes);
    QByteArray Names = Header;
    QByteArray Row = GoodRow;
    if (Extra == ",Box1Wages") {
        Row = Row.left(Row.lastIndexOf(',')) + Cells;
    } else {
        Names += Extra;
        Row += Cells;
    }
    const TEmployeeImport Import = Imported(Csv({ Names, Row }));
    QCOMPARE(ProblemTexts(Import), QStringList());
    const EmployeeRecord &E = Import.Records().first();
    QStringList Got;
    for (const char *Field :
        { "Box3SocSecWages", "Box4SocSecTax", "Box5MedicareWages", "Box6MedicareTax", "Box16StateWages_a" })
        Got.append(FieldValue(E, QLatin1String(Field)));
    QCOMPARE(Got, Boxes);
}

void TstEmployeeImport::employerDefaults_data()
{
    QTest::addColumn<QString>("EmployerState");
    QTest::addColumn<QString>("EmployerID");
    QTest::addColumn<QByteArray>("Extra");
    QTest::addColumn<QByteArray>("Cells");
    QTest::addColumn<QString>("State");
    QTest::addColumn<QString>("ID");
    QTest::newRow("employer's state") << "CA"
                                      << "998877" << QByteArray() << QByteArray() << "CA"
                                      << "998877";
    QTest::newRow("several states: the ID only")
        << "X"
        << "998877" << QByteArray(",Box15State_a") << QByteArray(",IL") << "IL"
        << "998877";
    QTest::newRow("the row's own state line")
        << "CA"
        << "998877" << QByteArray(",Box15State_a,StateID_a") << QByteArray(",il,123") << "IL"
        << "123";
}

void TstEmployeeImport::employerDefaults()
{
    QFETCH(QString, EmployerState);
    QFETCH(QString, EmployerID);
    QFETCH(QByteArray, Extra);
    QFETCH(QByteArray, Cells);
    QFETCH(QString, State);
    QFETCH(QString, ID);
    const TEmployeeImport Import
        = Imported(Csv({ Header + Extra, GoodRow + Cells }), Employer(EmployerState, EmployerID));
    QCOMPARE(ProblemTexts(Import), QStringList());
    QCOMPARE(Import.Records().first().Box15State_a(), State);
    QCOMPARE(Import.Records().first().StateID_a(), ID);
}

// Only the first failed W-2 check of a row is named, as the window stops at it.
void TstEmployeeImport::checksRunInTheWindowsOrder()
{
    const TEmployeeImport Import
        = Imported(Csv({ Header + ",Box14Desc_a", ",,,,,,,0,", "234-56-7890,,,,,,,100,",
                       "234-56-7890,Ann,Lee,1 Main,Town,IL,62701,100,Union" }),
            Employer(QStringLiteral("X"), QString()));
    QCOMPARE(ProblemTexts(Import),
        (QStringList { "row 2, Box1Wages: Box 1 (Wages, tips, other comp.) cannot be zero.",
            "row 3, FirstName: Employee's first name is missing.",
            "row 4, Box14Amt_a: Box 14 amount 1 is missing." }));
    // Each problem points at the column of its field, or none when the file has no such column.
    QCOMPARE(Import.Problems()[0].Column, 7);
    QCOMPARE(Import.Problems()[1].Column, 1);
    QCOMPARE(Import.Problems()[2].Column, -1);
}

void TstEmployeeImport::everyBadRowIsNamedAndNothingIsBuilt()
{
    const TEmployeeImport Import
        = Imported(Csv({ Header, GoodRow, "345-67-8901,Bob,Ray,2 Elm,Town,QQ,6355,100",
            "456-78-9012,Cy,Day,3 Oak,Town,IL,62703,-1", "567-89-0123,Di,Eve,4 Ash,Town,IL,62704,100" }));
    QCOMPARE(ProblemTexts(Import),
        (QStringList { "row 3, State: \"QQ\" is not a state code.",
            "row 3, ZipCode: \"6355\" has lost its leading zeros; format the ZIP code column as text in the "
            "spreadsheet.",
            "row 4, Box1Wages: \"-1\" is negative; no amount of a W-2 is." }));
    QVERIFY(!Import.Ready());
}

void TstEmployeeImport::duplicateSSNs()
{
    const TEmployeeImport Import
        = Imported(Csv({ Header, GoodRow, "345-67-8901,Bob,Ray,2 Elm,Town,IL,62702,100",
                       "234567890,Ann,Again,1 Main St,Springfield,IL,62701,1" }),
            Employer(), { Employee(QStringLiteral("345-67-8901")) });
    QCOMPARE(ProblemTexts(Import),
        (QStringList { "row 3, EmployeeSSN: \"345-67-8901\" is already in the company.",
            "row 4, EmployeeSSN: \"234-56-7890\" is also in row 2." }));
    QCOMPARE(Import.Problems()[0].Column, 0);
}

void TstEmployeeImport::recordLimit_data()
{
    QTest::addColumn<int>("Existing");
    QTest::addColumn<bool>("Fits");
    QTest::newRow("10,000 in all") << 9998 << true;
    QTest::newRow("10,001 in all") << 9999 << false;
}

void TstEmployeeImport::recordLimit()
{
    QFETCH(int, Existing);
    QFETCH(bool, Fits);
    QList<EmployeeRecord> Employees;
    for (int I = 0; I < Existing; ++I)
        Employees.append(Employee(QStringLiteral("400-00-%1").arg(I + 1, 4, 10, QLatin1Char('0'))));
    const TEmployeeImport Import = Imported(
        Csv({ Header, GoodRow, "345-67-8901,Bob,Ray,2 Elm,Town,IL,62702,100" }), Employer(), Employees);
    QCOMPARE(ProblemTexts(Import),
        Fits ? QStringList() : QStringList { "The company would hold 10001 employees; at most 10000 fit." });
    QCOMPARE(Import.Ready(), Fits);
}

void TstEmployeeImport::firstBlankRecordIsReplaced_data()
{
    QTest::addColumn<QByteArray>("First");
    QTest::addColumn<bool>("Replaced");
    QTest::newRow("zero record") << QByteArray(480, '\0') << true;
    QTest::newRow("new company's defaults")
        << TRecordBytes(480).PutStr(368, "IL").PutStr(374, "1234567").Bytes() << true;
    QTest::newRow("blank SSN saved once")
        << TRecordBytes(480).PutStr(0, "   -  -    ").PutStr(119, "  ").Bytes() << true;
    QTest::newRow("a name") << TRecordBytes(480).PutStr(23, "Ann").Bytes() << false;
    QTest::newRow("an amount") << TRecordBytes(480).PutMoney(168, 0.01).Bytes() << false;
}

void TstEmployeeImport::firstBlankRecordIsReplaced()
{
    QFETCH(QByteArray, First);
    QFETCH(bool, Replaced);
    const TEmployeeImport Import
        = Imported(Csv({ Header, GoodRow }), Employer(), { EmployeeRecord::FromBytes(First) });
    QCOMPARE(ProblemTexts(Import), QStringList());
    QCOMPARE(Import.ReplacesFirstRecord(), Replaced);
    const QByteArray New = Import.Records().first().Bytes();
    QCOMPARE(Import.EmployeeFileBytes(), Replaced ? New : First + New);
}

// The employee file after an import into a new company, byte for byte.
void TstEmployeeImport::writtenFileBytes()
{
    QTemporaryDir Dir;
    const QByteArray Employer = TRecordBytes(608).PutStr(384, "IL").PutStr(387, "1234567");
    const QString W2 = WriteNewCompany(Dir, Employer);
    TEmployeeImport Import;
    QString Problem;
    QVERIFY2(Import.ReadCompany(W2, Problem), qPrintable(Problem));
    Import.Load(Csv({ Header + ",Box13Retirement",
        "234567890,Ann,Lee,1 Main St,Springfield,il,62701,\"$50,000.00\",X" }));
    QCOMPARE(ProblemTexts(Import), QStringList());
    QCOMPARE(Import.WriteCompany(W2), QString());
    const QByteArray Expected = TRecordBytes(480)
                                    .PutStr(0, "234-56-7890")
                                    .PutStr(23, "Ann")
                                    .PutStr(39, "Lee")
                                    .PutStr(59, "1 Main St")
                                    .PutStr(82, "Springfield")
                                    .PutStr(105, "IL")
                                    .PutStr(108, "62701")
                                    .PutStr(119, "Springfield IL 62701")
                                    .PutMoney(160, 50000)
                                    .PutMoney(176, 50000)
                                    .PutMoney(184, 3100)
                                    .PutMoney(192, 50000)
                                    .PutMoney(200, 725)
                                    .PutFlag(313, 1)
                                    .PutStr(368, "IL")
                                    .PutStr(374, "1234567")
                                    .PutMoney(400, 50000);
    QCOMPARE(TRecordBytes::ReadFile(W2), Expected);
    QCOMPARE(TRecordBytes::ReadFile(Dir.filePath(QStringLiteral("Acme.W325"))), Employer);
    QCOMPARE(
        QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), (QStringList { "Acme.W225", "Acme.W325" }));
}

// A company changed or held by the program between the check and the write is left alone.
void TstEmployeeImport::refusedWriteLeavesTheFile()
{
    QTemporaryDir Dir;
    const QString W2 = WriteNewCompany(Dir, TRecordBytes(608).PutStr(384, "IL").PutStr(387, "1"));
    TEmployeeImport Import;
    QString Problem;
    QVERIFY(Import.ReadCompany(W2, Problem));
    Import.Load(Csv({ Header, GoodRow }));
    QVERIFY(Import.Ready());
    const QByteArray Changed = TRecordBytes(480).PutStr(23, "Zed");
    TRecordBytes::WriteFile(W2, { Changed });
    QCOMPARE(Import.WriteCompany(W2), QStringLiteral("the company was changed since it was read"));
    QCOMPARE(TRecordBytes::ReadFile(W2), Changed);
    TRecordBytes::WriteFile(W2, { QByteArray(480, '\0') });
    QFile Held(W2);
    QVERIFY(Held.open(QIODevice::ReadOnly));
    QCOMPARE(::flock(Held.handle(), LOCK_EX | LOCK_NB), 0);
    QCOMPARE(Import.WriteCompany(W2), QStringLiteral("the company is open in the program"));
    QCOMPARE(TRecordBytes::ReadFile(W2), QByteArray(480, '\0'));
}

void TstEmployeeImport::exportBytes()
{
    const EmployeeRecord First = EmployeeRecord::FromBytes(TRecordBytes(480)
                                                               .PutStr(0, "234-56-7890")
                                                               .PutStr(23, "Jos\xE9")
                                                               .PutStr(39, "O\"Neil, Jr", 10)
                                                               .PutStr(119, "Town IL 62701")
                                                               .PutMoney(160, 1234.5)
                                                               .PutMoney(168, -0.001)
                                                               .PutMoney(176, 1.005)
                                                               .PutFlag(313, 1)
                                                               .PutStr(464, "AB\r\nC"));
    QByteArray Expected
        = "\xEF\xBB\xBF"
          "EmployeeSSN,ControlNumber,FirstName,LastName,Suffix,StreetAddress,City,State,ZipCode,CityStateZip,"
          "Box1Wages,Box2FedIncomeTax,Box3SocSecWages,Box4SocSecTax,Box5MedicareWages,Box6MedicareTax,"
          "Box7SocSecTips,Box8AllocatedTips,Box9Text,Box10DependentCare,Box11NonqualifiedPlans,Box12Code_a,"
          "Box12Code_b,Box12Code_c,Box12Code_d,Box12Amt_a,Box12Amt_b,Box12Amt_c,Box12Amt_d,Box13Statutory,"
          "Box13Retirement,Box13SickPay,Box14Desc_a,Box14Desc_b,Box14Desc_c,Box14Amt_a,Box14Amt_b,Box14Amt_c,"
          "Box15State_a,Box15State_b,StateID_a,StateID_b,Box16StateWages_a,Box16StateWages_b,Box17StateTax_a,"
          "Box17StateTax_b,Box18LocalWages_a,Box18LocalWages_b,Box19LocalTax_a,Box19LocalTax_b,Box20Locality_"
          "a,"
          "Box20Locality_b\r\n";
    Expected += "234-56-7890,,Jos\xC3\xA9,\"O\"\"Neil, Jr\",,,,,,Town IL 62701,"
                "1234.50,0.00,1.01,0.00,0.00,0.00,0.00,0.00,,0.00,0.00,,,,,0.00,0.00,0.00,0.00,0,1,0,,,,"
                "0.00,0.00,0.00,,,,,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,\"AB\r\nC\",\r\n";
    QCOMPARE(EmployeesCsv({ First }), Expected);
    QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("out.csv"));
    QCOMPARE(WriteEmployeesCsv(Path, { First }), QString());
    QCOMPARE(TRecordBytes::ReadFile(Path), Expected);
}

void TstEmployeeImport::exportThenImportGivesTheSameRecords()
{
    QList<EmployeeRecord> Company;
    for (int I = 0; I < 3; ++I) {
        EmployeeRecord E;
        E.SetEmployeeSSN(QStringLiteral("234-56-78%1").arg(I, 2, 10, QLatin1Char('0')));
        E.SetControlNumber(QStringLiteral("C-%1").arg(I));
        E.SetFirstName(QString::fromUtf8("Ren\xC3\xA9\x65, J"));
        E.SetLastName(QStringLiteral("O\"Hara"));
        E.SetSuffix(QStringLiteral("JR"));
        E.SetStreetAddress(QStringLiteral("1 Main St, Apt %1").arg(I));
        E.SetCity(QStringLiteral("Springfield"));
        E.SetState(QStringLiteral("IL"));
        E.SetZipCode(QStringLiteral("06355-1234"));
        E.SetCityStateZip(QStringLiteral("Springfield IL 06355-1234"));
        E.SetBox1Wages(250000.5 + I);
        E.SetBox2FedIncomeTax(40000.25);
        E.SetBox3SocSecWages(176100);
        E.SetBox4SocSecTax(10918.2);
        E.SetBox5MedicareWages(250000.5 + I);
        E.SetBox6MedicareTax(4075.01);
        E.SetBox7SocSecTips(0);
        E.SetBox10DependentCare(500);
        E.SetBox12Code_a(QStringLiteral("DD"));
        E.SetBox12Amt_a(7000);
        E.SetBox12Code_b(QStringLiteral("D"));
        E.SetBox12Amt_b(23000);
        E.SetBox13Retirement(true);
        E.SetBox14Desc_a(QStringLiteral("UNION"));
        E.SetBox14Amt_a(120);
        E.SetBox15State_a(QStringLiteral("IL"));
        E.SetStateID_a(QStringLiteral("1234567"));
        E.SetBox16StateWages_a(250000.5 + I);
        E.SetBox17StateTax_a(12375.03);
        E.SetBox15State_b(QStringLiteral("WI"));
        E.SetStateID_b(QStringLiteral("89"));
        E.SetBox16StateWages_b(100);
        E.SetBox18LocalWages_a(1000);
        E.SetBox19LocalTax_a(10);
        E.SetBox20Locality_a(QStringLiteral("CHI"));
        Company.append(E);
    }
    const TEmployeeImport Import
        = Imported(EmployeesCsv(Company), Employer(QStringLiteral("CA"), QStringLiteral("55")));
    QCOMPARE(ProblemTexts(Import), QStringList());
    QCOMPARE(Import.Records().size(), Company.size());
    for (int I = 0; I < Company.size(); ++I)
        for (const TFieldDef &Field : EmployeeRecord::Fields()) {
            const QString Name = QLatin1String(Field.Name);
            QCOMPARE(FieldValue(Import.Records()[I], Name), FieldValue(Company[I], Name));
        }
}

QMRK_TEST_MAIN(TstEmployeeImport)
#include "tst_employeeimport.moc"
