#pragma once

#include <QString>

// The application title: caption of the program's messages and windows.
QString AppTitle();
// The program's version, as the build gives it.
QString AppVersion();
