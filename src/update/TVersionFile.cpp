#include "TVersionFile.h"

#include "AppInfo.h"

#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace {

QString SectionName()
{
    return QStringLiteral("QMRK") + YearText();
}

} // namespace

TVersionFile TVersionFile::Read(const QString &Path)
{
    QFile File(Path);
    if (!File.open(QIODevice::ReadOnly))
        return {};
    return FromText(File.read(64 * 1024));
}

TVersionFile TVersionFile::FromText(const QByteArray &Text)
{
    TVersionFile Result;
    bool InSection = false;
    for (const QByteArray &RawLine : Text.split('\n')) {
        const QString Line = QString::fromLatin1(RawLine).trimmed();
        if (Line.isEmpty() || Line.startsWith(QLatin1Char(';')))
            continue;
        if (Line.startsWith(QLatin1Char('[')) && Line.endsWith(QLatin1Char(']'))) {
            InSection
                = Line.mid(1, Line.size() - 2).trimmed().compare(SectionName(), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype Equals = Line.indexOf(QLatin1Char('='));
        if (!InSection || Equals < 0)
            continue;
        const QString Key = Line.left(Equals).trimmed();
        const QString Value = Line.mid(Equals + 1).trimmed();
        // The first entry of a key counts, as with the system's reader.
        if (Key.compare(QLatin1String("Version"), Qt::CaseInsensitive) == 0 && Result.FVersion.isNull())
            Result.FVersion = Value;
        else if (Key.compare(QLatin1String("Sha256"), Qt::CaseInsensitive) == 0 && Result.FSha256.isNull())
            Result.FSha256 = Value;
    }
    return Result;
}

double TVersionFile::Version(double Default) const
{
    bool Ok = false;
    const double Value = FVersion.toDouble(&Ok);
    return Ok && std::isfinite(Value) ? Value : Default;
}

QByteArray TVersionFile::Sha256() const
{
    static const QRegularExpression Digest(QStringLiteral("\\A[0-9A-Fa-f]{64}\\z"));
    if (!Digest.match(FSha256).hasMatch())
        return {};
    return FSha256.toLower().toLatin1();
}
