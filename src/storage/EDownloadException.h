#pragma once

#include "EException.h"

// The web update could not download a file.
class EDownloadException : public EException
{
public:
    using EException::EException;
};
