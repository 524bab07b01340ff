#pragma once

#include "TReportProject.h"

#include <QHash>
#include <QString>

#include <optional>

class TBaseReport;
class TRvSystem;

// The report project as a print run uses it: open the project file, select a
// report, set its text parameters, render it onto the output's current page
// once per page, clear the parameters and close.
class TRvProject {
public:
    // The project file (TaxForms.RAV beside the program).
    QString ProjectFile;
    // The report system whose output receives the pages.
    TRvSystem *Engine = nullptr;
    // False: the items marked as background (a form's rules, captions and
    // titles) are left out, for printing the data onto printed forms.
    bool PrintBackground = true;
    // With the background left out: it still shows in the preview, in light
    // grey, so the person sees where the data lands on the printed form.
    bool PreviewBackground = false;
    // Inches the other items move by (right, down), to meet a printed form
    // that the printer puts a little off.
    double DataOffsetX = 0;
    double DataOffsetY = 0;

    // Loads ProjectFile; does nothing when the project is open. A missing or
    // malformed file raises EReportException naming its full path.
    void Open();
    void Close();
    bool Active() const { return FProject.has_value(); }
    QStringList ReportNames() const;
    // Makes the report Name current (letter case ignored); false when the
    // project has no such report.
    bool SelectReport(const QString &Name, bool FullName = true);
    QString CurrentReport() const { return FReport; }
    // An empty value prints nothing; a value stays until overwritten or cleared.
    void SetParam(const QString &Name, const QString &Value);
    QString GetParam(const QString &Name) const { return FParams.value(Name); }
    void ClearParams() { FParams.clear(); }
    // Renders the current report with the current parameters onto the current
    // page of Engine's output.
    void Execute();
    // The same onto Output.
    void ExecuteOn(TBaseReport &Output);

private:
    const TReportDefinition &Current() const;

    std::optional<TReportProject> FProject;
    QString FReport;
    QHash<QString, QString> FParams;
};
