#pragma once

#include <QSize>
#include <QString>

// What start-up takes from the desktop, replaceable in tests: the screen
// size, the program's folder and the welcome pause.
class TDesktop {
public:
    static QSize ScreenSize();
    // The folder of the program file, ending in '/'.
    static QString ProgramDir();
    static int WelcomePauseMs();

    // An invalid size or an empty folder returns to the real one.
    static void SetScreenSizeForTest(const QSize &Size);
    static void SetProgramDirForTest(const QString &Folder);
    static void SetWelcomePauseForTest(int Ms);
};
