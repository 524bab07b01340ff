#include "EmployeeRecord.h"

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
