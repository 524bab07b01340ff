#pragma once

#include "ECustomException.h"

// A file of the EFW2 module could not be created, read, written, renamed or
// deleted; the text names the file and the system's reason.
class EInOutError : public ECustomException {
public:
    using ECustomException::ECustomException;
};
