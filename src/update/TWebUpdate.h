#pragma once

#include <QList>
#include <QSslCertificate>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

// The Web Update command: fetches the version file and, when it names a
// newer version, the setup program from the maker's update server, over
// HTTPS only with the system's certificate checks, and starts the setup
// program only when its SHA-256 digest is the one the version file gives.
// Questions, messages and the wait window go through the interaction seam.
class TWebUpdate {
public:
    // The system's answer whether the computer is connected to the internet;
    // true when the system cannot tell (the download then shows what is wrong).
    static bool IsInternetConnected();
    // Downloads URL into LocalFile, written whole or not at all; true on
    // success. Only https:// addresses are fetched; any failure gives false.
    static bool DownloadFile(const QUrl &URL, const QString &LocalFile);
    // Fetches the version file into VersionFilePath(); true when it names a
    // version above this one and carries the setup program's digest. Raises
    // EDownloadException "Unable to contact server." when it cannot be fetched.
    static bool CheckForUpdate();
    // Fetches the setup program into SetupProgramPath(); raises
    // EDownloadException "Unable to download update." when it cannot be
    // fetched or its digest is not the version file's (nothing is left then).
    static bool DownloadUpdate();

    // Runs the command; true when the setup program has been started and the
    // program must shut down.
    static bool Run();

    static QString VersionFilePath();
    static QString SetupProgramPath();

    // Test seams. An empty server returns to the build's; authorities given
    // are the only ones trusted; nullopt asks the system again; an empty
    // starter returns to starting the program.
    static void SetServerForTest(const QString &Server);
    static void SetAuthoritiesForTest(const QList<QSslCertificate> &Authorities);
    static void SetInternetConnectedForTest(std::optional<bool> Connected);
    static void SetStartProgramForTest(std::function<void(const QString &Program)> Start);
};
