#include "TCompanyDump.h"

#include "CompanyFiles.h"
#include "EFileReadException.h"
#include "FileUtils.h"
#include "RecordFields.h"
#include "TRecordSet.h"
#include "TextUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <span>

namespace {

QString JsonString(const QString &Text)
{
    QString Result(QLatin1Char('"'));
    for (const QChar Ch : Text) {
        switch (Ch.unicode()) {
        case '"':
            Result += QLatin1String("\\\"");
            break;
        case '\\':
            Result += QLatin1String("\\\\");
            break;
        case '\n':
            Result += QLatin1String("\\n");
            break;
        case '\r':
            Result += QLatin1String("\\r");
            break;
        case '\t':
            Result += QLatin1String("\\t");
            break;
        default:
            // DEL and C1 too: a terminal showing the dump acts on them.
            if (IsControlChar(Ch))
                Result += QStringLiteral("\\u%1").arg(Ch.unicode(), 4, 16, QLatin1Char('0'));
            else
                Result += Ch;
        }
    }
    return Result + QLatin1Char('"');
}

// Fixed notation with the fewest digits that read back as the same double, so
// 100000000 is not written as 1e+08.
QString JsonMoney(double Value)
{
    if (!qIsFinite(Value))
        return QStringLiteral("null");
    return QString::number(Value, 'f', QLocale::FloatingPointShortest);
}

QString JsonValue(const QByteArray &Record, const TFieldDef &Field)
{
    switch (Field.Type) {
    case TFieldType::Str:
        return JsonString(ReadStr(Record, Field));
    case TFieldType::Money:
        return JsonMoney(ReadMoney(Record, Field));
    case TFieldType::Flag:
        return ReadFlag(Record, Field) ? QStringLiteral("true") : QStringLiteral("false");
    case TFieldType::Int32:
        return QString::number(ReadInt32(Record, Field));
    }
    return QStringLiteral("null");
}

QString JsonRecord(const QByteArray &Record, std::span<const TFieldDef> Fields, const QString &Indent)
{
    QStringList Members;
    for (const TFieldDef &Field : Fields)
        Members.append(Indent + QStringLiteral("  ") + JsonString(QLatin1String(Field.Name))
            + QStringLiteral(": ") + JsonValue(Record, Field));
    return QStringLiteral("{\n") + Members.join(QStringLiteral(",\n")) + QLatin1Char('\n') + Indent
        + QLatin1Char('}');
}

} // namespace

bool TCompanyDump::ReadComplete(const QString &W2File, const QString &NotDone, QString &Problem)
{
    if (!Read(W2File)) {
        Problem = FError;
        return false;
    }
    if (FWarnings.isEmpty())
        return true;
    Problem
        = FWarnings.join(QStringLiteral("; ")) + QStringLiteral(": the company file is damaged, ") + NotDone;
    return false;
}

bool TCompanyDump::Read(const QString &W2File)
{
    FError.clear();
    FWarnings.clear();
    FEmployees.clear();
    FEmployer = EmployerRecord();
    if (IsBlank(W2File)) {
        FError = QStringLiteral("no file name was given");
        return false;
    }
    if (!W2File.endsWith(W2FileExtension(), Qt::CaseSensitive)) {
        FError = QStringLiteral("%1: not an employee file (the name must end in %2)")
                     .arg(W2File, W2FileExtension());
        return false;
    }
    // The file the person named is checked first.
    return ReadEmployees(W2File) && ReadEmployer(W3FileFor(W2File));
}

// Only a regular file is opened, and only for reading: a folder or a pipe
// given by mistake is refused instead of being waited on.
bool TCompanyDump::ReadFile(const QString &Path, qint64 MaxSize, QByteArray &Data)
{
    if (!QFileInfo::exists(Path)) {
        FError = QStringLiteral("%1: no such file").arg(Path);
        return false;
    }
    QString Reason;
    try {
        if (ReadRegularFile(Path, MaxSize, Data, Reason))
            return true;
    } catch (const EFileReadException &Unfit) {
        FError = Unfit.Message();
        return false;
    }
    FError = QStringLiteral("%1: %2").arg(Path, Reason);
    return false;
}

bool TCompanyDump::ReadEmployer(const QString &Path)
{
    QByteArray Data;
    if (!ReadFile(Path, TRecordSet::FileSizeLimit(MaxEmployerRecords, EmployerRecord::RecSize), Data))
        return false;
    if (Data.size() < EmployerRecord::RecSize) {
        FError = QStringLiteral("%1: holds no complete employer record (%2 of %3 bytes)")
                     .arg(Path)
                     .arg(Data.size())
                     .arg(EmployerRecord::RecSize);
        return false;
    }
    if (Data.size() > EmployerRecord::RecSize)
        FWarnings.append(QStringLiteral("%1: %2 bytes after the employer record are ignored")
                             .arg(Path)
                             .arg(Data.size() - EmployerRecord::RecSize));
    FEmployer = EmployerRecord::FromBytes(Data);
    return true;
}

bool TCompanyDump::ReadEmployees(const QString &Path)
{
    QByteArray Data;
    if (!ReadFile(Path, TRecordSet::FileSizeLimit(MaxEmployeeRecords, EmployeeRecord::RecSize), Data))
        return false;
    const qsizetype Count = Data.size() / EmployeeRecord::RecSize;
    const qsizetype Rest = Data.size() % EmployeeRecord::RecSize;
    if (Rest != 0)
        FWarnings.append(
            QStringLiteral("%1: a partial record of %2 bytes at the end is ignored").arg(Path).arg(Rest));
    FEmployees.reserve(Count);
    for (qsizetype I = 0; I < Count; ++I)
        FEmployees.append(
            EmployeeRecord::FromBytes(Data.mid(I * EmployeeRecord::RecSize, EmployeeRecord::RecSize)));
    return true;
}

QString TCompanyDump::ToJson() const
{
    QStringList Employees;
    for (const EmployeeRecord &Employee : FEmployees)
        Employees.append(QStringLiteral("    ")
            + JsonRecord(Employee.Bytes(), EmployeeRecord::Fields(), QStringLiteral("    ")));
    const QString EmployeeList = Employees.isEmpty()
        ? QStringLiteral("[]")
        : QStringLiteral("[\n") + Employees.join(QStringLiteral(",\n")) + QStringLiteral("\n  ]");
    return QStringLiteral("{\n  \"employer\": ")
        + JsonRecord(FEmployer.Bytes(), EmployerRecord::Fields(), QStringLiteral("  "))
        + QStringLiteral(",\n  \"employees\": ") + EmployeeList + QStringLiteral("\n}\n");
}
