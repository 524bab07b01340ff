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
void PutBackEmployeeFile(const QString &ToW2, const QString &Aside, bool OldExisted, const QString &Failure)
{
    try {
        if (OldExisted)
            CommitStagedCopy(Aside, ToW2);
        else if (!QFile::remove(ToW2))
            RaiseCopyError(QStringLiteral("cannot remove the new employee file"));
    } catch (const ECopyFileException &) {
        CopyFailed = true;
        throw ECopyFileException(Failure
            + TildeToCR(QStringLiteral("~~%1 now holds the new employee file but %2 the old employer file.")
                            .arg(ToW2, W3FileFor(ToW2))));
    }
}

} // namespace

void CopyCompanyPair(const QString &FromW2, const QString &ToW2)
{
    CopyFailed = false;
    const QString FromW3 = W3FileFor(FromW2);
    const QString ToW3 = W3FileFor(ToW2);
    CheckCopySource(FromW2);
    CheckCopySource(FromW3);
    CheckCopyTarget(ToW2);
    CheckCopyTarget(ToW3);
    const bool OldExisted = QFileInfo::exists(ToW2);
    QString NewW2, NewW3, Aside;
    try {
        NewW2 = StageFileCopy(FromW2, ToW2);
        NewW3 = StageFileCopy(FromW3, ToW3);
        if (OldExisted)
            Aside = StageFileCopy(ToW2, ToW2);
        CommitStagedCopy(NewW2, ToW2);
        try {
            CommitStagedCopy(NewW3, ToW3);
        } catch (const ECopyFileException &Error) {
            PutBackEmployeeFile(ToW2, Aside, OldExisted, Error.Message());
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
