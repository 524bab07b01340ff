#pragma once

#include <QStringList>

class TAppRegistry;

// The ten most recently closed company files, entry 0 the most recent; an
// empty entry is a free slot.
class TRecentFileList {
public:
    static constexpr int Size = 10;

    TRecentFileList();
    QString Entry(int Index) const { return FEntries.value(Index); }
    const QStringList &Entries() const { return FEntries; }
    void SetEntries(const QStringList &Entries);

    // Path first, then the other entries in their order (an equal one, letter
    // case counting, is dropped), nine of them.
    void AddRecentFile(const QString &Path);

    // Reads values "0" to "9" of Key when the key exists, else ten empty entries.
    void Load(const TAppRegistry &Registry, const QString &Key);
    // Writes all ten values, empty ones as empty strings.
    void Store(TAppRegistry &Registry, const QString &Key) const;

private:
    QStringList FEntries;
};
