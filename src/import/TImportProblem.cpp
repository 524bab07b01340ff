#include "TImportProblem.h"

QString TImportProblem::Text() const
{
    if (Row == 0)
        return Message;
    if (Field.isEmpty())
        return QStringLiteral("row %1: %2").arg(Row).arg(Message);
    return QStringLiteral("row %1, %2: %3").arg(Row).arg(Field, Message);
}
