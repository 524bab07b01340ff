#pragma once

#include <QString>
#include <QtGlobal>

// One entry of the sorted employee index (in memory only).
struct RecIndexData {
    QString Name; // trimmed last name, a tab, trimmed first name; at most 40 characters
    qint32 Index = 0; // record position counted from 0
};
