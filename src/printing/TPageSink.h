#pragma once

class TReportPage;
struct TJobSettings;

// Receives the pages of a run as they are finished, one at a time, so a run
// of any length needs the memory of one page.
class TPageSink {
public:
    virtual ~TPageSink() = default;
    virtual void BeginDoc() = 0;
    virtual void AddPage(const TReportPage &Page) = 0;
    // Job: the printer choices as they stand at the end of the run.
    virtual void EndDoc(const TJobSettings &Job) = 0;
};
