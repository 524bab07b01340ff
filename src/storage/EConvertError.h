#pragma once

#include "EException.h"

// A text that is not a number where a number was expected.
class EConvertError : public EException
{
public:
    using EException::EException;
};
