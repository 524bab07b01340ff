#include "EmployerRecord.h"

#include <cstring>

EmployerRecord::EmployerRecord()
    : FData(RecSize, '\0')
{
}

EmployerRecord EmployerRecord::FromBytes(const QByteArray &Bytes)
{
    EmployerRecord Result;
    std::memcpy(Result.FData.data(), Bytes.constData(), size_t(qMin<qsizetype>(Bytes.size(), RecSize)));
    return Result;
}

void EmployerRecord::LoadFrom(const char *Buffer)
{
    std::memcpy(FData.data(), Buffer, RecSize);
}

void EmployerRecord::StoreTo(char *Buffer) const
{
    std::memcpy(Buffer, FData.constData(), RecSize);
}
