#pragma once

#include "TPdfDocInfo.h"
#include "TRvRender.h"

// Writes a snapshot's pages into one PDF file, each page at its own size,
// with the document information of Info.
class TRvRenderPDF : public TRvRender {
public:
    TRvRenderPDF();

    TPdfDocInfo Info;
    // Device resolution of the PDF's coordinates.
    int Resolution = 1200;

    void Render(const TSnapshotReader &Snapshot, const QString &FileName) override;

    // The publisher named in exported documents, fixed when the program is built.
    static QString Publisher();
    // The program's document information: its title, the publisher as
    // author, creator and producer, and the subject.
    static TPdfDocInfo ProgramInfo();

private:
    QByteArray XmpMetadata() const;
    // The whole document, as Qt writes it.
    QByteArray WritePages(const TSnapshotReader &Snapshot, const QString &FileName);
};
