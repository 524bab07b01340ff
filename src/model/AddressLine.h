#pragma once

#include <QString>

// The last line of an address as the forms print it: city, state and ZIP
// with one blank between them, untrimmed. The field that stores it cuts it
// to its width.
QString CityStateZipLine(const QString &City, const QString &State, const QString &Zip);
