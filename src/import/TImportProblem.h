#pragma once

#include <QString>

// One reason an import is refused, where it was found.
struct TImportProblem {
    int Row = 0; // as counted in the file, the header being row 1; 0 for the file as a whole
    int Column = -1; // the column (from 0) the value stands in; -1 for none
    QString Field; // the employee record field, or the column's name when it names none
    QString Message;

    // "row 4, State: "QQ" is not a state code."; the message alone for the file.
    QString Text() const;
};
