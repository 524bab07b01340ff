#include "EmployeeRecord.h"

#include "EmployerRecord.h"
#include "NumberUtils.h"

#include <cstring>

EmployeeRecord::EmployeeRecord()
    : FData(RecSize, '\0')
{
}

EmployeeRecord EmployeeRecord::FromBytes(const QByteArray &Bytes)
{
    EmployeeRecord Result;
    std::memcpy(Result.FData.data(), Bytes.constData(), size_t(qMin<qsizetype>(Bytes.size(), RecSize)));
    return Result;
}

void EmployeeRecord::LoadFrom(const char *Buffer)
{
    std::memcpy(FData.data(), Buffer, RecSize);
}

void EmployeeRecord::StoreTo(char *Buffer) const
{
    std::memcpy(Buffer, FData.constData(), RecSize);
}

bool EmployeeRecord::CountsAsValid(double Box1Wages, double Box16StateWages_a)
{
    return RoundValue(Box1Wages, 2) > 0 || RoundValue(Box16StateWages_a, 2) > 0;
}

bool EmployeeRecord::CountsAsValid() const
{
    return CountsAsValid(Box1Wages(), Box16StateWages_a());
}

void EmployeeRecord::SetNewRecordDefaults(const EmployerRecord &Employer)
{
    // "X" stands for several states; the employee's own state is then entered by hand.
    if (Employer.Box15State() != QLatin1String("X"))
        SetBox15State_a(Employer.Box15State());
    SetStateID_a(Employer.EmployerStateID());
}

bool EmployeeRecord::IsBlank() const
{
    namespace L = EmployeeLayout;
    for (const TFieldDef &Field : L::Fields) {
        if (Field.Offset == L::Box15State_a.Offset || Field.Offset == L::StateID_a.Offset
            || Field.Offset == L::CityStateZip.Offset)
            continue;
        switch (Field.Type) {
        case TFieldType::Str: {
            QString Text = ReadStr(FData, Field);
            if (Field.Offset == L::EmployeeSSN.Offset)
                Text.remove(QLatin1Char('-'));
            if (!Text.trimmed().isEmpty())
                return false;
            break;
        }
        case TFieldType::Money:
            if (ReadMoney(FData, Field) != 0)
                return false;
            break;
        case TFieldType::Flag:
            if (ReadFlag(FData, Field))
                return false;
            break;
        case TFieldType::Int32:
            if (ReadInt32(FData, Field) != 0)
                return false;
            break;
        }
    }
    return true;
}
