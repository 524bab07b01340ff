#pragma once

#include <QString>

class QApplication;

// The program's look, "Cyan Dusk": the Fusion style with a cyan and dusk
// palette and a few rules of its own.
class TVisualStyle {
public:
    static QString Name() { return QStringLiteral("Cyan Dusk"); }
    // False with Error set when the style could not be applied; the program
    // then goes on with the platform's look.
    static bool Apply(QApplication &App, QString &Error);
};
