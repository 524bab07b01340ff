#pragma once

#include "ECustomException.h"

// A file copy failed; the text holds the system's reason.
class ECopyFileException : public ECustomException {
public:
    explicit ECopyFileException(const QString &Message)
        : ECustomException(Message)
        , FReason(Message)
    {
    }
    ECopyFileException(const QString &Message, const QString &Reason)
        : ECustomException(Message)
        , FReason(Reason)
    {
    }
    // The system's reason alone, without the copy's heading, for callers
    // that put it into a text of their own.
    const QString &Reason() const { return FReason; }

private:
    QString FReason;
};
