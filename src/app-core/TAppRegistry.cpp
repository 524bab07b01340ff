#include "TAppRegistry.h"

#include <QSettings>
#include <QStandardPaths>

TAppRegistry::TAppRegistry(const QString &FileName)
    : FSettings(new QSettings(FileName.isEmpty() ? DefaultFileName() : FileName, QSettings::IniFormat))
{
}

TAppRegistry::~TAppRegistry()
{
    delete FSettings;
}

QString TAppRegistry::DefaultFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/QMRK/qmrk-w2.ini");
}

QString TAppRegistry::FileName() const
{
    return FSettings->fileName();
}

QString TAppRegistry::GroupOf(const QString &Key)
{
    QString Group = Key;
    Group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (Group.endsWith(QLatin1Char('/')))
        Group.chop(1);
    return Group;
}

bool TAppRegistry::KeyExists(const QString &Key) const
{
    FSettings->beginGroup(GroupOf(Key));
    const bool Exists = !FSettings->childKeys().isEmpty() || !FSettings->childGroups().isEmpty();
    FSettings->endGroup();
    return Exists;
}

QString TAppRegistry::ReadString(const QString &Key, const QString &Name, const QString &Default) const
{
    return FSettings->value(GroupOf(Key) + QLatin1Char('/') + Name, Default).toString();
}

void TAppRegistry::WriteString(const QString &Key, const QString &Name, const QString &Value)
{
    FSettings->setValue(GroupOf(Key) + QLatin1Char('/') + Name, Value);
}

int TAppRegistry::ReadInteger(const QString &Key, const QString &Name, int Default) const
{
    bool Ok = false;
    const int Value = FSettings->value(GroupOf(Key) + QLatin1Char('/') + Name).toInt(&Ok);
    return Ok ? Value : Default;
}

void TAppRegistry::WriteInteger(const QString &Key, const QString &Name, int Value)
{
    FSettings->setValue(GroupOf(Key) + QLatin1Char('/') + Name, Value);
}

bool TAppRegistry::Flush()
{
    FSettings->sync();
    return FSettings->status() == QSettings::NoError;
}
