#include "TEmployeeImport.h"

#include "AddressLine.h"
#include "AmountFormat.h"
#include "AnsiCodePage.h"
#include "CommitSaveFile.h"
#include "CompanyFiles.h"
#include "CsvText.h"
#include "FileUtils.h"
#include "RecordFields.h"
#include "StateCodes.h"
#include "TCompanyDump.h"
#include "ValidChars.h"
#include "W2Amounts.h"
#include "W2Checks.h"
#include "W2ControlFields.h"
#include "W2EntryChars.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>

#include <cerrno>
#include <cmath>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const std::span<const TFieldDef> Fields = EmployeeRecord::Fields();

int FieldIndex(const QString &Name)
{
    for (int I = 0; I < int(Fields.size()); ++I)
        if (Name.compare(QLatin1String(Fields[I].Name), Qt::CaseInsensitive) == 0)
            return I;
    return TEmployeeImport::Unmapped;
}

bool IsField(const TFieldDef &Field, const TFieldDef &Other)
{
    return Field.Offset == Other.Offset;
}

// Derived or never entered: a column of that name (an export has them) is left out.
bool IsNotEntered(const TFieldDef &Field)
{
    return IsField(Field, EmployeeLayout::CityStateZip) || IsField(Field, EmployeeLayout::Box9Text);
}

QString Quoted(const QString &Cell)
{
    return QLatin1Char('"') + Cell + QLatin1Char('"');
}

// The first character of Text that the company file cannot store; empty when all can be.
QString UnstorableChar(const QString &Text)
{
    if (FromAnsi(ToAnsi(Text)) == Text)
        return QString();
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const qsizetype Size = Text[I].isHighSurrogate() && I + 1 < Text.size() ? 2 : 1;
        const QString Ch = Text.mid(I, Size);
        if (FromAnsi(ToAnsi(Ch)) != Ch)
            return Ch;
        I += Size - 1;
    }
    return QString();
}

QString RefusedChar(const QString &Text, QLatin1String ValidChars)
{
    // Parsed once per set: every row asks again.
    static QHash<QString, TCharSet> Sets;
    auto Found = Sets.find(ValidChars);
    if (Found == Sets.end()) {
        TCharSet Parsed;
        ParseValidChars(ValidChars, Parsed);
        Found = Sets.insert(ValidChars, Parsed);
    }
    const TCharSet &Set = *Found;
    for (const QChar Ch : Text)
        if (!CharInSet(Ch, Set))
            return QString(Ch);
    return QString();
}

// "999,999.99": the largest amount of Digits dollar digits.
QString LargestAmountText(int Digits)
{
    return FormatAmount(std::pow(10.0, Digits) - 0.01, 2, false);
}

// Digits: the dollar digits the field's box takes in the W-2 window; a
// larger amount is refused, never cut to fit.
bool ReadAmount(const QString &Cell, int Digits, double &Value, QString &Message)
{
    static const QRegularExpression Amount(
        QStringLiteral("^\\$?(\\d{1,3}(,\\d{3})+|\\d+)(\\.\\d*)?$|^\\$?\\.\\d+$"));
    const QString Text = Cell.trimmed();
    Value = 0;
    if (Text.isEmpty())
        return true;
    if (Text.contains(QLatin1Char('-'))
        || (Text.startsWith(QLatin1Char('(')) && Text.endsWith(QLatin1Char(')')))) {
        Message = Quoted(Text) + QStringLiteral(" is negative; no amount of a W-2 is.");
        return false;
    }
    if (!Amount.match(Text).hasMatch()) {
        Message = Quoted(Text) + QStringLiteral(" is not an amount (1234.56, 1,234.56 or $1,234.56).");
        return false;
    }
    // Rounded to cents as the amount field rounds what is typed into it.
    AmountEditText(Text, 2, Value);
    if (Value >= std::pow(10.0, Digits)) {
        Message = Quoted(Text)
            + QStringLiteral(" is larger than the box takes (at most %1).").arg(LargestAmountText(Digits));
        return false;
    }
    return true;
}

bool ReadFlag(const QString &Cell, bool &Value, QString &Message)
{
    const QString Text = Cell.trimmed().toLower();
    static const QStringList Set { QStringLiteral("x"), QStringLiteral("1"), QStringLiteral("yes"),
        QStringLiteral("true") };
    static const QStringList Clear { QString(), QStringLiteral("0"), QStringLiteral("no"),
        QStringLiteral("false") };
    Value = Set.contains(Text);
    if (Value || Clear.contains(Text))
        return true;
    Message = Quoted(Cell.trimmed())
        + QStringLiteral(" is not a check mark (X, 1, yes or true; empty, 0, no or false).");
    return false;
}

bool ReadSSN(QString &Text, QString &Message)
{
    static const QRegularExpression Digits(QStringLiteral("^\\d{9}$"));
    static const QRegularExpression Hyphens(QStringLiteral("^\\d{3}-\\d{2}-\\d{4}$"));
    if (Text.isEmpty() || Hyphens.match(Text).hasMatch())
        return true;
    if (Digits.match(Text).hasMatch()) {
        Text = Text.left(3) + QLatin1Char('-') + Text.mid(3, 2) + QLatin1Char('-') + Text.mid(5);
        return true;
    }
    Message = Quoted(Text) + QStringLiteral(" is not a social security number (123-45-6789 or 123456789).");
    return false;
}

bool ReadState(QString &Text, QString &Message)
{
    Text = Text.toUpper();
    if (Text.isEmpty() || StateCodes().contains(Text))
        return true;
    Message = Quoted(Text) + QStringLiteral(" is not a state code.");
    return false;
}

bool ReadZip(const QString &Text, QString &Message)
{
    // A spreadsheet reads 06355 as the number 6355.
    static const QRegularExpression Shortened(QStringLiteral("^\\d{1,4}(-\\d{4})?$"));
    if (!Shortened.match(Text).hasMatch())
        return true;
    Message = Quoted(Text)
        + QStringLiteral(" has lost its leading zeros; format the ZIP code column as text in the "
                         "spreadsheet.");
    return false;
}

// The filtered boxes take only their characters, in capitals where the box makes them capitals.
bool ReadFiltered(const TFieldDef &Field, QString &Text, QString &Message)
{
    using namespace EmployeeLayout;
    QLatin1String ValidChars;
    if (IsField(Field, ControlNumber)) {
        Text = Text.toUpper();
        ValidChars = W2EntryChars::ControlNumber;
    } else if (IsField(Field, ZipCode)) {
        ValidChars = W2EntryChars::ZipCode;
    } else if (IsField(Field, StateID_a) || IsField(Field, StateID_b)) {
        ValidChars = W2EntryChars::StateID;
    } else if (IsField(Field, Box12Code_a) || IsField(Field, Box12Code_b) || IsField(Field, Box12Code_c)
        || IsField(Field, Box12Code_d)) {
        Text = Text.toUpper();
        ValidChars = W2EntryChars::Box12Code;
    } else {
        return true;
    }
    if (const QString Ch = RefusedChar(Text, ValidChars); !Ch.isEmpty()) {
        Message = Quoted(Text) + QStringLiteral(" holds \"%1\", which the box does not take.").arg(Ch);
        return false;
    }
    return true;
}

bool IsTrimmedText(const TFieldDef &Field)
{
    using namespace EmployeeLayout;
    for (const TFieldDef &Coded : { EmployeeSSN, ControlNumber, State, ZipCode, Box12Code_a, Box12Code_b,
             Box12Code_c, Box12Code_d, Box15State_a, Box15State_b, StateID_a, StateID_b })
        if (IsField(Field, Coded))
            return true;
    return false;
}

bool ReadText(const TFieldDef &Field, QString &Text, QString &Message)
{
    using namespace EmployeeLayout;
    if (IsTrimmedText(Field))
        Text = Text.trimmed();
    if (const QString Ch = UnstorableChar(Text); !Ch.isEmpty()) {
        Message = Quoted(Text)
            + QStringLiteral(" holds \"%1\", a character the company file cannot store.").arg(Ch);
        return false;
    }
    if (IsField(Field, EmployeeSSN) && !ReadSSN(Text, Message))
        return false;
    if ((IsField(Field, State) || IsField(Field, Box15State_a) || IsField(Field, Box15State_b))
        && !ReadState(Text, Message))
        return false;
    if (IsField(Field, ZipCode) && !ReadZip(Text, Message))
        return false;
    if (!ReadFiltered(Field, Text, Message))
        return false;
    if (Text.size() > Field.Length) {
        Message = Quoted(Text)
            + QStringLiteral(" is longer than the %1 characters the field holds.").arg(Field.Length);
        return false;
    }
    return true;
}

// The file as it is now, read through Fd.
QByteArray ReadAll(int Fd)
{
    QByteArray Data;
    char Buffer[65536];
    for (;;) {
        const ssize_t Got = ::read(Fd, Buffer, sizeof Buffer);
        if (Got <= 0)
            return Got < 0 ? QByteArray() : Data;
        Data.append(Buffer, Got);
    }
}

QString ReplaceFile(const QString &Path, const QByteArray &Bytes)
{
    QSaveFile File(Path);
    if (!File.open(QIODevice::WriteOnly))
        return File.errorString();
    File.write(Bytes);
    const QString Problem = CommitSaveFile(File);
    if (Problem.isEmpty())
        SyncFolderOf(Path);
    return Problem;
}

} // namespace

bool TEmployeeImport::ReadCompany(const QString &W2File, QString &Problem)
{
    TCompanyDump Dump;
    if (!Dump.ReadComplete(W2File, QStringLiteral("nothing was imported"), Problem))
        return false;
    SetCompany(Dump.Employer(), Dump.Employees());
    return true;
}

void TEmployeeImport::SetCompany(const EmployerRecord &Employer, const QList<EmployeeRecord> &Employees)
{
    FEmployer = Employer;
    FExisting = Employees;
    FExistingBytes.clear();
    for (const EmployeeRecord &Employee : FExisting)
        FExistingBytes.append(Employee.Bytes());
    if (!FHeaders.isEmpty())
        Check();
}

void TEmployeeImport::Load(const QByteArray &Csv)
{
    FHeaders.clear();
    FColumnFields.clear();
    FRows.clear();
    FFileProblems.clear();
    QList<TCsvRecord> Records;
    int Row = 0;
    QString Error;
    if (!ParseCsv(DecodeCsvText(Csv), Records, Row, Error))
        FFileProblems.append({ Row, -1, QString(), Error + QLatin1Char('.') });
    if (!Records.isEmpty())
        FHeaders = Records.takeFirst().Fields;
    for (const TCsvRecord &Record : Records) {
        // Spreadsheets end their files with rows of empty cells.
        if (std::all_of(Record.Fields.cbegin(), Record.Fields.cend(),
                [](const QString &Cell) { return Cell.trimmed().isEmpty(); }))
            continue;
        FRows.append({ Record.Row, Record.Fields });
    }
    MapColumns();
    Check();
}

// A column without a name and without values is what a spreadsheet leaves
// after the last column it filled: it is left out.
void TEmployeeImport::MapColumns()
{
    for (int Column = 0; Column < int(FHeaders.size()); ++Column) {
        const QString Header = FHeaders[Column].trimmed();
        const bool Empty = std::all_of(FRows.cbegin(), FRows.cend(),
            [Column](const TRow &Row) { return Row.Fields.value(Column).trimmed().isEmpty(); });
        const int Field = FieldIndex(Header);
        if (Header.isEmpty() && Empty)
            FColumnFields.append(Ignored);
        else
            FColumnFields.append(Field >= 0 && IsNotEntered(Fields[Field]) ? Ignored : Field);
    }
}

void TEmployeeImport::SetColumnField(int Column, int Field)
{
    FColumnFields[Column] = Field;
    Check();
}

QList<int> TEmployeeImport::MappableFields()
{
    QList<int> Result;
    for (int I = 0; I < int(Fields.size()); ++I)
        if (!IsNotEntered(Fields[I]))
            Result.append(I);
    return Result;
}

bool TEmployeeImport::ReplacesFirstRecord() const
{
    return FExisting.size() == 1 && FExisting.first().IsBlank();
}

void TEmployeeImport::AddProblem(int Row, int Column, const QString &Field, const QString &Message)
{
    FProblems.append({ Row, Column, Field, Message });
}

int TEmployeeImport::ColumnOf(const QString &FieldName) const
{
    for (int I = 0; I < int(FColumnFields.size()); ++I)
        if (FColumnFields[I] >= 0 && FieldName == QLatin1String(Fields[FColumnFields[I]].Name))
            return I;
    return -1;
}

void TEmployeeImport::Check()
{
    FProblems = FFileProblems;
    FRecords.clear();
    FRecordRows.clear();
    if (FHeaders.isEmpty()) {
        if (FProblems.isEmpty())
            AddProblem(0, -1, QString(), QStringLiteral("The file is empty."));
        return;
    }
    CheckHeader();
    // Until every column is mapped or left out the rows cannot be judged:
    // each would only repeat that its state or its wages are missing.
    if (FProblems.size() == FFileProblems.size()) {
        for (const TRow &Row : FRows)
            CheckRow(Row);
        CheckDuplicates();
    }
    if (FRows.isEmpty() && FFileProblems.isEmpty())
        AddProblem(0, -1, QString(), QStringLiteral("The file holds no employees."));
    const qsizetype Total = FExisting.size() - (ReplacesFirstRecord() ? 1 : 0) + FRows.size();
    if (Total > MaxEmployeeRecords)
        AddProblem(0, -1, QString(),
            QStringLiteral("The company would hold %1 employees; at most %2 fit.")
                .arg(Total)
                .arg(MaxEmployeeRecords));
}

void TEmployeeImport::CheckHeader()
{
    QHash<int, int> FirstColumn;
    for (int Column = 0; Column < int(FHeaders.size()); ++Column) {
        const int Field = FColumnFields[Column];
        if (Field == Unmapped && FHeaders[Column].trimmed().isEmpty()) {
            AddProblem(1, Column, QStringLiteral("column %1").arg(Column + 1),
                QStringLiteral("the column has no name but holds values."));
        } else if (Field == Unmapped) {
            AddProblem(1, Column, FHeaders[Column],
                Quoted(FHeaders[Column]) + QStringLiteral(" is not a field of the employee record."));
        } else if (Field >= 0 && FirstColumn.contains(Field)) {
            AddProblem(1, Column, QLatin1String(Fields[Field].Name),
                QStringLiteral("column %1 names the field again (column %2 already does).")
                    .arg(Column + 1)
                    .arg(FirstColumn[Field] + 1));
        } else if (Field >= 0) {
            FirstColumn.insert(Field, Column);
        }
    }
}

bool TEmployeeImport::PutValue(QByteArray &Record, int Field, const QString &Cell, QString &Message) const
{
    const TFieldDef &Def = Fields[Field];
    switch (Def.Type) {
    case TFieldType::Money: {
        double Value = 0;
        if (!ReadAmount(Cell, W2EntryChars::AmountDigits(QString::fromLatin1(Def.Name)), Value, Message))
            return false;
        WriteMoney(Record, Def, Value);
        return true;
    }
    case TFieldType::Flag: {
        bool Value = false;
        if (!ReadFlag(Cell, Value, Message))
            return false;
        WriteFlag(Record, Def, Value);
        return true;
    }
    case TFieldType::Str: {
        QString Text = Cell;
        if (!ReadText(Def, Text, Message))
            return false;
        // No character of a longer default is left behind the new text.
        Record.replace(Def.Offset, Def.Size(), QByteArray(Def.Size(), '\0'));
        WriteStr(Record, Def, Text);
        return true;
    }
    case TFieldType::Int32:
        break;
    }
    return true;
}

void TEmployeeImport::CheckRow(const TRow &Row)
{
    const int Before = int(FProblems.size());
    if (Row.Fields.size() > FHeaders.size())
        AddProblem(Row.Row, -1, QString(),
            QStringLiteral("the row has %1 fields, the header %2.")
                .arg(Row.Fields.size())
                .arg(FHeaders.size()));
    EmployeeRecord Employee;
    Employee.SetNewRecordDefaults(FEmployer);
    QByteArray Bytes = Employee.Bytes();
    bool DeriveBoxes = true;
    for (int Column = 0; Column < int(FHeaders.size()); ++Column) {
        const int Field = FColumnFields[Column];
        if (Field < 0)
            continue;
        const QString Cell = Row.Fields.value(Column);
        const TFieldDef &Def = Fields[Field];
        if ((IsField(Def, EmployeeLayout::Box3SocSecWages) || IsField(Def, EmployeeLayout::Box5MedicareWages))
            && !Cell.trimmed().isEmpty())
            DeriveBoxes = false;
        QString Message;
        if (!PutValue(Bytes, Field, Cell, Message))
            AddProblem(Row.Row, Column, QLatin1String(Def.Name), Message);
    }
    if (int(FProblems.size()) != Before)
        return;
    Employee = EmployeeRecord::FromBytes(Bytes);
    if (DeriveBoxes) {
        // As leaving box 1 in the W-2 window fills them.
        TW2Amounts Amounts;
        Amounts.Box1 = Employee.Box1Wages();
        Amounts.Box7 = Employee.Box7SocSecTips();
        DeriveFromBox1(Amounts);
        Employee.SetBox3SocSecWages(Amounts.Box3);
        Employee.SetBox4SocSecTax(Amounts.Box4);
        Employee.SetBox5MedicareWages(Amounts.Box5);
        Employee.SetBox6MedicareTax(Amounts.Box6);
        Employee.SetBox16StateWages_a(Amounts.Box16);
    }
    Employee.SetCityStateZip(CityStateZipLine(Employee.City(), Employee.State(), Employee.ZipCode()));
    if (const TFieldCheck Result = CheckW2(Employee); !Result.Passed()) {
        const QString Field = FieldOfW2Control(Result.Field);
        AddProblem(Row.Row, ColumnOf(Field), Field, Result.Message);
        return;
    }
    FRecords.append(Employee);
    FRecordRows.append(Row.Row);
}

void TEmployeeImport::CheckDuplicates()
{
    QHash<QString, bool> InCompany;
    const int Skip = ReplacesFirstRecord() ? 1 : 0;
    for (int I = Skip; I < int(FExisting.size()); ++I)
        InCompany.insert(FExisting[I].EmployeeSSN().trimmed(), true);
    QHash<QString, int> InFile;
    const int Column = ColumnOf(QLatin1String(EmployeeLayout::EmployeeSSN.Name));
    for (int I = 0; I < int(FRecords.size()); ++I) {
        const QString SSN = FRecords[I].EmployeeSSN().trimmed();
        const QString Field = QLatin1String(EmployeeLayout::EmployeeSSN.Name);
        if (InCompany.contains(SSN))
            AddProblem(
                FRecordRows[I], Column, Field, Quoted(SSN) + QStringLiteral(" is already in the company."));
        else if (InFile.contains(SSN))
            AddProblem(FRecordRows[I], Column, Field,
                Quoted(SSN) + QStringLiteral(" is also in row %1.").arg(InFile[SSN]));
        else
            InFile.insert(SSN, FRecordRows[I]);
    }
    // Problems stand in file order, whichever check found them.
    std::stable_sort(FProblems.begin(), FProblems.end(),
        [](const TImportProblem &A, const TImportProblem &B) { return A.Row < B.Row; });
}

QByteArray TEmployeeImport::EmployeeFileBytes() const
{
    QByteArray Result = ReplacesFirstRecord() ? QByteArray() : FExistingBytes;
    Result.reserve(Result.size() + FRecords.size() * EmployeeRecord::RecSize);
    for (const EmployeeRecord &Employee : FRecords)
        Result.append(Employee.Bytes());
    return Result;
}

QString TEmployeeImport::WriteCompany(const QString &W2File) const
{
    if (!Ready())
        return QStringLiteral("the CSV file has problems");
    const qint64 MaxSize = qint64(MaxEmployeeRecords) * EmployeeRecord::RecSize;
    const int Fd = OpenRegularFile(W2File, O_RDONLY, MaxSize);
    if (Fd < 0)
        return QString::fromLocal8Bit(::strerror(errno));
    QString Problem;
    // The program locks the company it has open, and would write its working
    // record back into the file this one replaces.
    if (::flock(Fd, LOCK_EX | LOCK_NB) != 0)
        Problem = QStringLiteral("the company is open in the program");
    else if (ReadAll(Fd) != FExistingBytes)
        Problem = QStringLiteral("the company was changed since it was read");
    else
        Problem = ReplaceFile(W2File, EmployeeFileBytes());
    ::close(Fd);
    return Problem;
}
