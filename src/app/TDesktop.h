#pragma once

#include <QSize>
#include <QString>
#include <QUrl>

#include <functional>

// What the program takes from the desktop, replaceable in tests: the screen
// size, the program's folder, the welcome pause and the shell's "open".
class TDesktop {
public:
    static QSize ScreenSize();
    // The folder of the program file, ending in '/'.
    static QString ProgramDir();
    static int WelcomePauseMs();
    // Opens a document or web page in the user's viewer or browser.
    static void OpenUrl(const QUrl &Url);

    // An invalid size or an empty folder returns to the real one.
    static void SetScreenSizeForTest(const QSize &Size);
    static void SetProgramDirForTest(const QString &Folder);
    static void SetWelcomePauseForTest(int Ms);
    // Tests record what would be opened; an empty function opens for real.
    static void SetOpenUrlForTest(std::function<void(const QUrl &Url)> Open);
};
