#pragma once

#include "TPdfDocInfo.h"
#include "TRvRender.h"

class TPageSink;

// Writes a snapshot's pages into one PDF file, each page at its own size,
// with the document information of Info.
class TRvRenderPDF : public TRvRender {
public:
    TRvRenderPDF();

    TPdfDocInfo Info;
    // Device resolution of the PDF's coordinates.
    int Resolution = 1200;

    void Render(const TSnapshotReader &Snapshot, const QString &FileName) override;
    // Renders the pages Pages gives its sink, as they come, into FileName: a
    // run straight to PDF, without a snapshot.
    void RenderPages(const std::function<void(TPageSink &)> &Pages, const QString &FileName);

    // The publisher named in exported documents, fixed when the program is built.
    static QString Publisher();
    // The program's document information: its title, the publisher as
    // author, creator and producer, and the subject.
    static TPdfDocInfo ProgramInfo();

private:
    QByteArray XmpMetadata() const;
};
