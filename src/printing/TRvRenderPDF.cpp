#include "TRvRenderPDF.h"

#include "AppInfo.h"
#include "CommitSaveFile.h"
#include "EReportException.h"
#include "TPdfInfoUpdate.h"
#include "TPdfPageSink.h"
#include "TSnapshotReader.h"

#include <QSaveFile>

namespace {

QString XmlEscaped(const QString &Text)
{
    return Text.toHtmlEscaped();
}

} // namespace

TRvRenderPDF::TRvRenderPDF()
{
    DisplayName = QStringLiteral("Adobe Portable Document (PDF)");
    FileExtension = QStringLiteral("*.pdf");
}

QString TRvRenderPDF::Publisher()
{
    return QStringLiteral(QMRK_PUBLISHER);
}

TPdfDocInfo TRvRenderPDF::ProgramInfo()
{
    TPdfDocInfo Result;
    Result.Title = AppTitle();
    Result.Author = Result.Creator = Result.Producer = Publisher();
    Result.Subject = AppTitle() + QStringLiteral(" Adobe Portable Document");
    return Result;
}

QByteArray TRvRenderPDF::XmpMetadata() const
{
    // Readers prefer the XMP packet to the information dictionary when both
    // are there; Qt's own packet would name Qt as the producer.
    const QString Xmp = QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
        "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'"
        " xmlns:pdf='http://ns.adobe.com/pdf/1.3/' xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
        "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
        "<dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>\n"
        "<dc:description><rdf:Alt><rdf:li xml:lang='x-default'>%3</rdf:li></rdf:Alt></dc:description>\n"
        "<xmp:CreatorTool>%4</xmp:CreatorTool>\n"
        "<pdf:Producer>%5</pdf:Producer>\n"
        "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>")
                            .arg(XmlEscaped(Info.Title), XmlEscaped(Info.Author), XmlEscaped(Info.Subject),
                                XmlEscaped(Info.Creator), XmlEscaped(Info.Producer));
    return Xmp.toUtf8();
}

void TRvRenderPDF::Render(const TSnapshotReader &Snapshot, const QString &FileName)
{
    RenderPages(
        [this, &Snapshot](TPageSink &Sink) {
            for (int Number = 1; Number <= Snapshot.PageCount(); ++Number) {
                Sink.AddPage(Snapshot.Page(Number));
                if (OnPage)
                    OnPage(Number);
            }
        },
        FileName);
}

void TRvRenderPDF::RenderPages(const std::function<void(TPageSink &)> &Pages, const QString &FileName)
{
    // The document is made whole in memory and the file replaced only once it
    // is all on disk: a full disk or a page that cannot be made must neither
    // leave half a document nor destroy an earlier export of the same name.
    QSaveFile File(FileName);
    if (!File.open(QIODevice::WriteOnly))
        throw EReportException(
            QStringLiteral("The PDF file %1 could not be written: %2").arg(FileName, File.errorString()));
    TPdfPageSink Sink(FileName, Resolution, Info, XmpMetadata());
    Sink.BeginDoc();
    Pages(Sink);
    if (Sink.PageCount() < 1)
        throw EReportException(QStringLiteral("There are no pages to write to %1.").arg(FileName));
    Sink.EndDoc({});
    QByteArray Pdf = Sink.TakeDocument();
    TPdfInfoUpdate::Apply(Pdf, Info, FileName);
    const QString Problem = File.write(Pdf) == Pdf.size() ? CommitSaveFile(File) : File.errorString();
    if (!Problem.isEmpty())
        throw EReportException(
            QStringLiteral("The PDF file %1 could not be written: %2").arg(FileName, Problem));
}
