#pragma once

#include "ECustomException.h"

// A report could not be loaded, generated, printed or written; the text says
// which file or printer and why.
class EReportException : public ECustomException {
public:
    using ECustomException::ECustomException;
};
