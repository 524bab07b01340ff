#include "TPdfPageSink.h"

#include "EReportException.h"
#include "PageLayoutFor.h"
#include "TPagePainter.h"
#include "TPdfDocInfo.h"
#include "TReportPage.h"

#include <QPdfWriter>

#include <utility>

TPdfPageSink::TPdfPageSink(
    const QString &FileName, int Resolution, const TPdfDocInfo &Info, const QByteArray &XmpMetadata)
    : FFileName(FileName)
    , FBuffer(&FPdf)
{
    FBuffer.open(QIODevice::WriteOnly);
    FWriter = std::make_unique<QPdfWriter>(&FBuffer);
    FWriter->setResolution(Resolution);
    FWriter->setTitle(Info.Title);
    FWriter->setCreator(Info.Creator);
    FWriter->setDocumentXmpMetadata(XmpMetadata);
}

TPdfPageSink::~TPdfPageSink()
{
    if (FPainter.isActive())
        FPainter.end();
}

void TPdfPageSink::AddPage(const TReportPage &Page)
{
    // Each page at its own size: the layout is set before the page begins.
    FWriter->setPageLayout(PageLayoutFor(Page));
    if (FPageCount == 0) {
        if (!FPainter.begin(FWriter.get()))
            Fail();
    } else if (!FWriter->newPage()) {
        Fail();
    }
    ++FPageCount;
    TPagePainter::Paint(Page, FPainter, FWriter->resolution());
}

void TPdfPageSink::EndDoc(const TJobSettings &)
{
    if (FPainter.isActive() && !FPainter.end())
        Fail();
    FWriter.reset();
}

QByteArray TPdfPageSink::TakeDocument()
{
    FBuffer.close();
    return std::exchange(FPdf, QByteArray());
}

void TPdfPageSink::Fail() const
{
    throw EReportException(QStringLiteral("The PDF file %1 could not be written.").arg(FFileName));
}
