#pragma once

#include <exception>

// The person called a run off from inside it (the before-print step's
// question); the report system ends the run quietly, as a cancelled output
// options dialog does.
class EPrintCancelled : public std::exception {
public:
    const char *what() const noexcept override { return "the print run was cancelled"; }
};
