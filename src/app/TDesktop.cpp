#include "TDesktop.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
QSize TestScreenSize;
QString TestProgramDir;
int WelcomePause = 1500;
} // namespace

QSize TDesktop::ScreenSize()
{
    if (TestScreenSize.isValid())
        return TestScreenSize;
    const QScreen *Screen = QGuiApplication::primaryScreen();
    return Screen ? Screen->size() : QSize();
}

QString TDesktop::ProgramDir()
{
    const QString Folder = TestProgramDir.isEmpty() ? QCoreApplication::applicationDirPath() : TestProgramDir;
    return Folder.endsWith(QLatin1Char('/')) ? Folder : Folder + QLatin1Char('/');
}

int TDesktop::WelcomePauseMs()
{
    return WelcomePause;
}

void TDesktop::SetScreenSizeForTest(const QSize &Size)
{
    TestScreenSize = Size;
}

void TDesktop::SetProgramDirForTest(const QString &Folder)
{
    TestProgramDir = Folder;
}

void TDesktop::SetWelcomePauseForTest(int Ms)
{
    WelcomePause = Ms;
}
