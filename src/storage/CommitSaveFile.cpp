#include "CommitSaveFile.h"

#include <QSaveFile>

QString CommitSaveFile(QSaveFile &File)
{
    const qint64 Written = File.pos();
    // size() asks the file system, after writing out what is still buffered.
    const qint64 OnDisk = File.flush() ? File.size() : -1;
    if (OnDisk != Written) {
        File.cancelWriting();
        return OnDisk < 0 ? File.errorString()
                          : QStringLiteral("only %1 of %2 bytes reached the disk").arg(OnDisk).arg(Written);
    }
    if (!File.commit())
        return File.errorString();
    return QString();
}
