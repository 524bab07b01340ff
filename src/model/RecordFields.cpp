#include "RecordFields.h"

#include "AnsiCodePage.h"

#include <QtEndian>

namespace {

bool FieldFits(const QByteArray &Record, const TFieldDef &Field, TFieldType Type)
{
    return Field.Type == Type && Field.Offset >= 0 && Field.Offset + Field.Size() <= Record.size();
}

} // namespace

QString ReadStr(const QByteArray &Record, const TFieldDef &Field)
{
    Q_ASSERT(FieldFits(Record, Field, TFieldType::Str));
    const int Length = qMin<int>(quint8(Record.at(Field.Offset)), Field.Length);
    return FromAnsi(QByteArrayView(Record.constData() + Field.Offset + 1, Length));
}

void WriteStr(QByteArray &Record, const TFieldDef &Field, const QString &Value)
{
    Q_ASSERT(FieldFits(Record, Field, TFieldType::Str));
    const QByteArray Chars = ToAnsi(Value).left(Field.Length);
    char *Slot = Record.data() + Field.Offset;
    Slot[0] = char(Chars.size());
    std::copy(Chars.cbegin(), Chars.cend(), Slot + 1);
}

double ReadMoney(const QByteArray &Record, const TFieldDef &Field)
{
    Q_ASSERT(FieldFits(Record, Field, TFieldType::Money));
    return qFromLittleEndian<double>(Record.constData() + Field.Offset);
}

void WriteMoney(QByteArray &Record, const TFieldDef &Field, double Value)
{
    Q_ASSERT(FieldFits(Record, Field, TFieldType::Money));
    qToLittleEndian<double>(Value, Record.data() + Field.Offset);
}

bool ReadFlag(const QByteArray &Record, const TFieldDef &Field)
{
    Q_ASSERT(FieldFits(Record, Field, TFieldType::Flag));
    return Record.at(Field.Offset) != 0;
}

void WriteFlag(QByteArray &Record, const TFieldDef &Field, bool Value)
{
    Q_ASSERT(FieldFits(Record, Field, TFieldType::Flag));
    Record[Field.Offset] = Value ? 1 : 0;
}

qint32 ReadInt32(const QByteArray &Record, const TFieldDef &Field)
{
    Q_ASSERT(FieldFits(Record, Field, TFieldType::Int32));
    return qFromLittleEndian<qint32>(Record.constData() + Field.Offset);
}

void WriteInt32(QByteArray &Record, const TFieldDef &Field, qint32 Value)
{
    Q_ASSERT(FieldFits(Record, Field, TFieldType::Int32));
    qToLittleEndian<qint32>(Value, Record.data() + Field.Offset);
}
