#include "EmployeeRecord.h"

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
