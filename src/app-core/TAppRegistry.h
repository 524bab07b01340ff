#pragma once

#include <QString>

#include <memory>

class QSettings;
class QTemporaryDir;

// The per-user settings store. Keys are written as registry paths
// ("Software\QMRK\2025\RecentFiles") and kept as groups of one INI file in
// the user's configuration folder. Integers and booleans are stored as integers.
// A settings file that is no regular file of a sane size (a named pipe would
// hang the start) is left alone: the store starts empty, keeps what is
// written until it ends, and Problem() says why.
class TAppRegistry {
public:
    // The store of this user; FileName overrides where it lives (tests).
    explicit TAppRegistry(const QString &FileName = QString());
    ~TAppRegistry();
    TAppRegistry(const TAppRegistry &) = delete;
    TAppRegistry &operator=(const TAppRegistry &) = delete;

    static QString DefaultFileName();
    QString FileName() const;
    // Why the settings file was left alone; empty when it is used.
    QString Problem() const { return FProblem; }

    // A key exists once a value was written under it.
    bool KeyExists(const QString &Key) const;
    QString ReadString(const QString &Key, const QString &Name, const QString &Default = QString()) const;
    void WriteString(const QString &Key, const QString &Name, const QString &Value);
    int ReadInteger(const QString &Key, const QString &Name, int Default = 0) const;
    void WriteInteger(const QString &Key, const QString &Name, int Value);
    // Writes what is pending to the file; false when it could not be written.
    bool Flush();

private:
    static QString GroupOf(const QString &Key);
    static QString UnfitReason(const QString &FileName);

    QString FProblem;
    std::unique_ptr<QTemporaryDir> FStandIn;
    QSettings *FSettings = nullptr;
};
