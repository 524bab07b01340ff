#pragma once

#include "ECustomException.h"

// The EFW2 window refuses a command: a company whose forms do not pass their
// checks, or closing before the confirmed last client was processed.
class EProcessException : public ECustomException {
public:
    using ECustomException::ECustomException;
};
