#pragma once

#include <QString>

#include <functional>

class TSnapshotReader;

// A renderer that writes the pages of a snapshot to a file.
class TRvRender {
public:
    virtual ~TRvRender() = default;

    QString DisplayName;
    QString FileExtension;
    // Told each page's number as it is rendered.
    std::function<void(int)> OnPage;

    // Renders every page of Snapshot into FileName; a file that cannot be
    // written raises EReportException naming it.
    virtual void Render(const TSnapshotReader &Snapshot, const QString &FileName) = 0;
};
