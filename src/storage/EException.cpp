#include "EException.h"

EException::EException(const QString &Message)
    : FMessage(Message)
    , FUtf8(Message.toUtf8())
{
}
