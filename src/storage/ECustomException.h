#pragma once

#include "EException.h"

// Base of the program's own failures; never raised itself.
class ECustomException : public EException
{
public:
    using EException::EException;
};
