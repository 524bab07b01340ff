#pragma once

#include <QString>
#include <QTemporaryDir>

// Gives the test process its own HOME, Documents and settings folders, so no
// test touches the user's real files, and fixes the locale and platform.
// Made before the application object, kept for the life of the process.
class TTestEnvironment {
public:
    TTestEnvironment();
    ~TTestEnvironment();
    QString Home() const { return FRoot.path(); }
    QString Documents() const;
    QString Settings() const;
    // Points HOME at a new empty folder, without Documents, as a fresh
    // account has; the settings folder stays. Returns the new HOME.
    QString UseFreshHome();
    // Puts the test's own HOME back.
    void RestoreHome();

    static TTestEnvironment *Instance();

private:
    QTemporaryDir FRoot;
    int FFreshHomes = 0;
};
