#pragma once

#include "TRvRender.h"

class QTextStream;
class TReportPage;
struct TPageItem;

// Writes a snapshot's pages into one HTML file, one page after another. Every
// item is placed absolutely within its page, in points, at the position it
// has in print; texts are real text in the report's fonts.
class TRvRenderHTML : public TRvRender {
public:
    TRvRenderHTML();

    QString Title;

    void Render(const TSnapshotReader &Snapshot, const QString &FileName) override;

private:
    void WritePage(QTextStream &Out, const TReportPage &Page, int Number) const;
    static QString LineHtml(const TPageItem &Item);
    static QString RectHtml(const TPageItem &Item);
    static QString TextHtml(const TReportPage &Page, const TPageItem &Item);
};
