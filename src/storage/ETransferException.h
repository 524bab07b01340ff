#pragma once

#include "ECustomException.h"

// The prior-year transfer could not go on.
class ETransferException : public ECustomException
{
public:
    using ECustomException::ECustomException;
};
