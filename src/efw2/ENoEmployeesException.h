#pragma once

#include "ECustomException.h"

// The open company has no employee that counts as a valid W-2 employee.
class ENoEmployeesException : public ECustomException {
public:
    using ECustomException::ECustomException;
};
