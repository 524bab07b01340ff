#pragma once

#include <QString>

class QSettings;

// The per-user settings store. Keys are written as registry paths
// ("Software\QMRK\2025\RecentFiles") and kept as groups of one INI file in
// the user's configuration folder. Integers and booleans are stored as integers.
class TAppRegistry {
public:
    // The store of this user; FileName overrides where it lives (tests).
    explicit TAppRegistry(const QString &FileName = QString());
    ~TAppRegistry();
    TAppRegistry(const TAppRegistry &) = delete;
    TAppRegistry &operator=(const TAppRegistry &) = delete;

    static QString DefaultFileName();
    QString FileName() const;

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
    QSettings *FSettings;
};
