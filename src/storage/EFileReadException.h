#pragma once

#include "ECustomException.h"

// A file to read is no regular file of a size the program takes (a pipe, a
// device, a folder, a file far larger than any it writes); the text names
// the file and what is wrong with it.
class EFileReadException : public ECustomException {
public:
    using ECustomException::ECustomException;
};
