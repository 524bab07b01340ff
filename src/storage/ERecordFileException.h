#pragma once

#include "ECustomException.h"

// A record file could not be read, written, cut or reopened; the text names the file and the system's reason.
class ERecordFileException : public ECustomException
{
public:
    using ECustomException::ECustomException;
};
