#include "CompanyFiles.h"

#include "ECopyFileException.h"
#include "FileUtils.h"
#include "MsgBox.h"

#include <QFile>
#include <QFileInfo>

QString W2FileExtension(int Year)
{
    return QStringLiteral(".W2") + YearDigits(Year);
}

QString W3FileExtension(int Year)
{
    return QStringLiteral(".W3") + YearDigits(Year);
}

QString W3FileFor(const QString &W2File)
{
    const qsizetype NameStart = W2File.lastIndexOf(QLatin1Char('/')) + 1;
    const qsizetype Dot = W2File.lastIndexOf(QLatin1Char('.'));
    const QString Base = Dot >= NameStart ? W2File.left(Dot) : W2File;
    return Base + W3FileExtension();
}

namespace {

// Undoes the rename of the new employee file: the old one (Aside, or none
// when OldExisted is false) takes its place again. Raises the copy error,
// naming the mixed pair, when even that fails.
void PutBackEmployeeFile(
    const QString &ToW2, const QString &Aside, bool OldExisted, const ECopyFileException &Failure)
{
    try {
        if (OldExisted)
            CommitStagedCopy(Aside, ToW2);
        else if (!QFile::remove(ToW2))
            RaiseCopyError(QStringLiteral("cannot remove the new employee file"));
    } catch (const ECopyFileException &) {
        CopyFailed = true;
        const QString Mixed
            = QStringLiteral("%1 now holds the new employee file but %2 the old employer file.")
                  .arg(ToW2, W3FileFor(ToW2));
        throw ECopyFileException(Failure.Message() + TildeToCR(QStringLiteral("~~")) + Mixed,
            Failure.Reason() + QStringLiteral("; ") + Mixed);
    }
}

} // namespace

void CommitStagedPair(const QString &NewW2, const QString &NewW3, const QString &ToW2)
{
    const QString ToW3 = W3FileFor(ToW2);
    const bool OldExisted = QFileInfo::exists(ToW2);
    QString Aside;
    try {
        if (OldExisted)
            Aside = StageFileCopy(ToW2, ToW2);
        CommitStagedCopy(NewW2, ToW2);
        try {
            CommitStagedCopy(NewW3, ToW3);
        } catch (const ECopyFileException &Error) {
            PutBackEmployeeFile(ToW2, Aside, OldExisted, Error);
            throw;
        }
    } catch (...) {
        // Those already renamed are gone under these names.
        for (const QString &Staged : { NewW2, NewW3, Aside })
            if (!Staged.isEmpty())
                QFile::remove(Staged);
        throw;
    }
    if (!Aside.isEmpty())
        QFile::remove(Aside);
}

void CopyCompanyPair(const QString &FromW2, const QString &ToW2)
{
    CopyFailed = false;
    const QString FromW3 = W3FileFor(FromW2);
    const QString ToW3 = W3FileFor(ToW2);
    CheckCopySource(FromW2);
    CheckCopySource(FromW3);
    CheckCopyTarget(ToW2);
    CheckCopyTarget(ToW3);
    const QString NewW2 = StageFileCopy(FromW2, ToW2);
    QString NewW3;
    try {
        NewW3 = StageFileCopy(FromW3, ToW3);
    } catch (...) {
        QFile::remove(NewW2);
        throw;
    }
    CommitStagedPair(NewW2, NewW3, ToW2);
}
