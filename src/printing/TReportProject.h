#pragma once

#include "TReportDefinition.h"

#include <QList>
#include <QString>
#include <QStringList>

// A report project file (TaxForms.RAV and the like): named reports in the
// program's own JSON format, described in ReportProjectFormat.md.
class TReportProject {
public:
    // The largest project file read: the tax forms' project is far below.
    static constexpr qint64 MaxFileSize = qint64(16) << 20;

    // Reads and checks the file; a missing, unreadable or malformed file
    // raises EReportException naming the file's full path and, when
    // malformed, the place of the fault; a pipe, device, folder or file
    // over MaxFileSize raises EFileReadException.
    static TReportProject Load(const QString &Path);
    // Path: for messages only.
    static TReportProject Parse(const QByteArray &Json, const QString &Path);

    QString Path() const { return FPath; }
    QStringList ReportNames() const;
    // The report of that name, letter case ignored; nullptr when none.
    const TReportDefinition *Find(const QString &Name) const;

private:
    QString FPath;
    QList<TReportDefinition> FReports;
};
