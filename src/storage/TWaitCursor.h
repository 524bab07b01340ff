#pragma once

// Shows the wait cursor for its lifetime, so it comes down on every path out
// of a long operation, a raised error included.
class TWaitCursor
{
public:
    TWaitCursor();
    ~TWaitCursor();
    TWaitCursor(const TWaitCursor &) = delete;
    TWaitCursor &operator=(const TWaitCursor &) = delete;
};
