#include "TDesktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>

namespace {
QSize TestScreenSize;
QString TestProgramDir;
int WelcomePause = 1500;
std::function<void(const QUrl &)> TestOpenUrl;
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

void TDesktop::OpenUrl(const QUrl &Url)
{
    if (TestOpenUrl)
        TestOpenUrl(Url);
    else
        QDesktopServices::openUrl(Url);
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

void TDesktop::SetOpenUrlForTest(std::function<void(const QUrl &)> Open)
{
    TestOpenUrl = std::move(Open);
}
