#include "TRvRenderPreview.h"

#include "TPagePainter.h"
#include "TSnapshotReader.h"

#include <QPainter>

#include <cmath>

TRvRenderPreview::TRvRenderPreview(QObject *Parent)
    : QObject(Parent)
{
}

TRvRenderPreview::~TRvRenderPreview() = default;

void TRvRenderPreview::SetStream(QIODevice *Stream, const QString &Name)
{
    if (!Stream)
        return ReleaseStream();
    auto Snapshot = std::make_unique<TSnapshotReader>(*Stream, Name);
    TReportPage First = Snapshot->PageCount() > 0 ? Snapshot->Page(1) : TReportPage();
    FSnapshot = std::move(Snapshot);
    FStream = Stream;
    FPage = First;
    FPageNumber = FSnapshot->PageCount() > 0 ? 1 : 0;
    Q_EMIT PageChange();
}

void TRvRenderPreview::ReleaseStream()
{
    FSnapshot.reset();
    FStream = nullptr;
    FPage = TReportPage();
    FPageNumber = 0;
    Q_EMIT PageChange();
}

int TRvRenderPreview::Pages() const
{
    return FSnapshot ? FSnapshot->PageCount() : 0;
}

void TRvRenderPreview::RenderPage(int Number)
{
    if (!FSnapshot || FSnapshot->PageCount() == 0)
        return;
    Number = qBound(1, Number, FSnapshot->PageCount());
    if (Number != FPageNumber) {
        FPage = FSnapshot->Page(Number);
        FPageNumber = Number;
    }
    Q_EMIT PageChange();
}

void TRvRenderPreview::NextPage()
{
    RenderPage(FPageNumber + qMax(1, PageInc));
}

void TRvRenderPreview::PrevPage()
{
    RenderPage(FPageNumber - qMax(1, PageInc));
}

void TRvRenderPreview::SetZoomFactor(double Zoom)
{
    const double Kept = qBound(MinZoom, Zoom, MaxZoom);
    if (Kept == FZoom)
        return;
    FZoom = Kept;
    Q_EMIT ZoomChange();
}

void TRvRenderPreview::ZoomIn()
{
    SetZoomFactor(FZoom + ZoomInc);
}

void TRvRenderPreview::ZoomOut()
{
    if (FZoom > ZoomInc)
        SetZoomFactor(FZoom - ZoomInc);
}

double TRvRenderPreview::Margin(double ScreenDpi) const
{
    return FPage.Width * ScreenDpi * FZoom / 100.0 * MarginPercent / 100.0;
}

QSize TRvRenderPreview::CanvasSize(double ScreenDpi) const
{
    const double Dpi = ScreenDpi * FZoom / 100.0;
    const double Edge = 2 * Margin(ScreenDpi) + ShadowDepth;
    return QSize(int(std::ceil(FPage.Width * Dpi + Edge)), int(std::ceil(FPage.Height * Dpi + Edge)));
}

void TRvRenderPreview::PaintGrid(QPainter &Painter, const QRectF &PageRect, double Dpi) const
{
    Painter.setPen(QPen(QColor(200, 220, 255), 0));
    for (double X = GridVert; GridVert > 0 && X < FPage.Width; X += GridVert)
        Painter.drawLine(QPointF(PageRect.left() + X * Dpi, PageRect.top()),
            QPointF(PageRect.left() + X * Dpi, PageRect.bottom()));
    for (double Y = GridHoriz; GridHoriz > 0 && Y < FPage.Height; Y += GridHoriz)
        Painter.drawLine(QPointF(PageRect.left(), PageRect.top() + Y * Dpi),
            QPointF(PageRect.right(), PageRect.top() + Y * Dpi));
}

void TRvRenderPreview::Paint(QPainter &Painter, double ScreenDpi) const
{
    if (!FSnapshot || FPageNumber == 0)
        return;
    const double Dpi = ScreenDpi * FZoom / 100.0;
    const double Edge = Margin(ScreenDpi);
    const QRectF PageRect(Edge, Edge, FPage.Width * Dpi, FPage.Height * Dpi);
    if (ShadowDepth > 0)
        Painter.fillRect(PageRect.translated(ShadowDepth, ShadowDepth), Qt::black);
    Painter.fillRect(PageRect, Qt::white);
    PaintGrid(Painter, PageRect, Dpi);
    int Options = TPagePainter::ShowPreviewOnly | TPagePainter::VisiblePens;
    if (Monochrome)
        Options |= TPagePainter::Monochrome;
    TPagePainter::Paint(FPage, Painter, Dpi, PageRect.topLeft(), Options);
}
