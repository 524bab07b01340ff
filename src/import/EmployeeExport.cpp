#include "EmployeeExport.h"

#include "CommitSaveFile.h"
#include "CsvText.h"
#include "FileUtils.h"
#include "NumberUtils.h"
#include "RecordFields.h"

#include <QSaveFile>

namespace {

QString FieldText(const QByteArray &Record, const TFieldDef &Field)
{
    switch (Field.Type) {
    case TFieldType::Str:
        return CsvField(ReadStr(Record, Field));
    case TFieldType::Money: {
        // + 0.0 turns a negative zero into zero, which prints without a sign.
        const double Cents = RoundValue(ReadMoney(Record, Field), 2) + 0.0;
        return QString::number(Cents, 'f', 2);
    }
    case TFieldType::Flag:
        return ReadFlag(Record, Field) ? QStringLiteral("1") : QStringLiteral("0");
    case TFieldType::Int32:
        return QString::number(ReadInt32(Record, Field));
    }
    return QString();
}

} // namespace

QByteArray EmployeesCsv(const QList<EmployeeRecord> &Employees)
{
    const auto Fields = EmployeeRecord::Fields();
    QString Text;
    QStringList Line;
    for (const TFieldDef &Field : Fields)
        Line.append(QLatin1String(Field.Name));
    Text.append(Line.join(QLatin1Char(',')) + QLatin1String("\r\n"));
    for (const EmployeeRecord &Employee : Employees) {
        Line.clear();
        for (const TFieldDef &Field : Fields)
            Line.append(FieldText(Employee.Bytes(), Field));
        Text.append(Line.join(QLatin1Char(',')) + QLatin1String("\r\n"));
    }
    return QByteArray("\xEF\xBB\xBF") + Text.toUtf8();
}

QString WriteEmployeesCsv(const QString &CsvFile, const QList<EmployeeRecord> &Employees)
{
    QSaveFile File(CsvFile);
    if (!File.open(QIODevice::WriteOnly))
        return File.errorString();
    File.write(EmployeesCsv(Employees));
    const QString Problem = CommitSaveFile(File);
    if (Problem.isEmpty())
        SyncFolderOf(CsvFile);
    return Problem;
}
