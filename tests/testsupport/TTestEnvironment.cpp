#include "TTestEnvironment.h"

#include <QDir>
#include <QLocale>

#include <csignal>
#include <cstdlib>

namespace {
TTestEnvironment *Current = nullptr;

void SetEnv(const char *Name, const QString &Value)
{
    ::setenv(Name, QFile::encodeName(Value).constData(), 1);
}
} // namespace

TTestEnvironment::TTestEnvironment()
    : FRoot(QDir::tempPath() + QStringLiteral("/qmrk-test-XXXXXX"))
{
    Current = this;
    QDir Root(FRoot.path());
    Root.mkpath(QStringLiteral("Documents"));
    Root.mkpath(QStringLiteral(".config"));
    Root.mkpath(QStringLiteral(".local/share"));
    Root.mkpath(QStringLiteral(".cache"));
    Root.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(
        Root.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    SetEnv("HOME", FRoot.path());
    SetEnv("XDG_CONFIG_HOME", Settings());
    SetEnv("XDG_DATA_HOME", Root.filePath(QStringLiteral(".local/share")));
    SetEnv("XDG_CACHE_HOME", Root.filePath(QStringLiteral(".cache")));
    SetEnv("XDG_RUNTIME_DIR", Root.filePath(QStringLiteral("runtime")));
    QFile UserDirs(Root.filePath(QStringLiteral(".config/user-dirs.dirs")));
    if (UserDirs.open(QIODevice::WriteOnly))
        UserDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n");
    if (!::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ::setenv("QMRK_TEST_SETTINGS", "1", 1);
    // A file-size limit then fails a write with EFBIG instead of ending the process.
    std::signal(SIGXFSZ, SIG_IGN);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TTestEnvironment::~TTestEnvironment()
{
    Current = nullptr;
}

QString TTestEnvironment::Documents() const
{
    return FRoot.filePath(QStringLiteral("Documents"));
}

QString TTestEnvironment::Settings() const
{
    return FRoot.filePath(QStringLiteral(".config"));
}

QString TTestEnvironment::UseFreshHome()
{
    const QString Home = FRoot.filePath(QStringLiteral("fresh-home-%1").arg(++FFreshHomes));
    QDir().mkpath(Home);
    SetEnv("HOME", Home);
    return Home;
}

void TTestEnvironment::RestoreHome()
{
    SetEnv("HOME", FRoot.path());
}

TTestEnvironment *TTestEnvironment::Instance()
{
    return Current;
}
