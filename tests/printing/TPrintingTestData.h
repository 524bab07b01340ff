#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QIODevice;
class TReportPage;

// The sample report project of these tests and runs made from it.
namespace PrintingTestData {

QString SampleProject();
QString DataFile(const QString &Name);

// Parameters of the sample's page Number (names, amounts, check marks), so
// every page of a run differs.
QHash<QString, QString> SampleParams(int Number);

// A run of Pages pages of the report "Sample" (every third page "Wide")
// written as a snapshot into Device (open for writing).
void WriteSampleRun(QIODevice &Device, int Pages);

// The pages of a snapshot in Device (open for reading).
QList<TReportPage> ReadPages(QIODevice &Device);

} // namespace PrintingTestData
