#include "TRecentFileList.h"

#include "TAppRegistry.h"

TRecentFileList::TRecentFileList()
{
    SetEntries({});
}

void TRecentFileList::SetEntries(const QStringList &Entries)
{
    FEntries = Entries.mid(0, Size);
    while (FEntries.size() < Size)
        FEntries.append(QString());
}

void TRecentFileList::AddRecentFile(const QString &Path)
{
    QStringList Others;
    for (const QString &Entry : FEntries)
        if (Entry != Path)
            Others.append(Entry);
    while (Others.size() < Size - 1)
        Others.append(QString());
    SetEntries(QStringList { Path } + Others.mid(0, Size - 1));
}

void TRecentFileList::Load(const TAppRegistry &Registry, const QString &Key)
{
    QStringList Loaded;
    const bool Exists = Registry.KeyExists(Key);
    for (int I = 0; I < Size; ++I)
        Loaded.append(Exists ? Registry.ReadString(Key, QString::number(I)) : QString());
    SetEntries(Loaded);
}

void TRecentFileList::Store(TAppRegistry &Registry, const QString &Key) const
{
    for (int I = 0; I < Size; ++I)
        Registry.WriteString(Key, QString::number(I), FEntries.at(I));
}
