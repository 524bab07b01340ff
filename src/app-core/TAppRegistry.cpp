#include "TAppRegistry.h"

#include "ECustomException.h"
#include "FileUtils.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// Far more than any settings file of the program holds.
constexpr qint64 MaxSettingsSize = 1024 * 1024;

} // namespace

TAppRegistry::TAppRegistry(const QString &FileName)
{
    const QString Path = FileName.isEmpty() ? DefaultFileName() : FileName;
    FProblem = UnfitReason(Path);
    if (FProblem.isEmpty()) {
        FSettings = new QSettings(Path, QSettings::IniFormat);
        return;
    }
    FStandIn = std::make_unique<QTemporaryDir>();
    FSettings = new QSettings(FStandIn->filePath(QStringLiteral("qmrk-w2.ini")), QSettings::IniFormat);
}

// A missing file is fine (it is made on the first write); one that cannot
// be opened for another reason is left to QSettings, which then reads
// nothing.
QString TAppRegistry::UnfitReason(const QString &FileName)
{
    QFile File(FileName);
    if (!File.exists())
        return QString();
    try {
        QString Reason;
        OpenRegularFile(File, MaxSettingsSize, Reason);
    } catch (const ECustomException &Error) {
        return QStringLiteral("The settings file %1; the program starts with its default settings and "
                              "keeps the changes made now only until it ends.")
            .arg(Error.Message());
    }
    return QString();
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
