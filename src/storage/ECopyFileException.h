#pragma once

#include "ECustomException.h"

// A file copy failed; the text holds the system's reason.
class ECopyFileException : public ECustomException
{
public:
    using ECustomException::ECustomException;
};
