#pragma once

#include "ECustomException.h"

// An entry field failed its check; the focus is already on the field.
class EFieldException : public ECustomException
{
public:
    using ECustomException::ECustomException;
};
