#pragma once

#include <QString>

// The document information of a PDF file.
struct TPdfDocInfo {
    QString Title;
    QString Author;
    QString Creator;
    QString Producer;
    QString Subject;
};
