#pragma once

#include "TReportPage.h"

#include <QObject>
#include <QSize>

#include <memory>

class QIODevice;
class QPainter;
class TSnapshotReader;

// The preview's page renderer: holds a snapshot stream, reads the page shown
// (only that one) and paints it at the zoom, with the margin around it and its
// shadow. The window's scroll box shows what it paints.
class TRvRenderPreview : public QObject {
    Q_OBJECT
public:
    explicit TRvRenderPreview(QObject *Parent = nullptr);
    ~TRvRenderPreview() override;

    // Takes Stream (not owned) as the snapshot to show and shows its first
    // page. A damaged snapshot raises ESnapshotException and leaves the
    // renderer as it was.
    void SetStream(QIODevice *Stream, const QString &Name);
    // Lets go of the stream; nothing is shown afterwards.
    void ReleaseStream();
    QIODevice *Stream() const { return FStream; }
    const TSnapshotReader *Snapshot() const { return FSnapshot.get(); }
    bool HasPage() const { return FSnapshot != nullptr; }

    int Pages() const;
    int CurrentPage() const { return FPageNumber; }
    const TReportPage &Page() const { return FPage; }
    // Shows page Number, kept within the snapshot's pages.
    void RenderPage(int Number);
    void NextPage();
    void PrevPage();

    // In percent, kept within MinZoom and MaxZoom.
    double ZoomFactor() const { return FZoom; }
    void SetZoomFactor(double Zoom);
    double ZoomInc = 10;
    void ZoomIn();
    // Acts only while the zoom exceeds the step.
    void ZoomOut();
    static constexpr double MinZoom = 10;
    static constexpr double MaxZoom = 200;

    double MarginPercent = 0;
    int ShadowDepth = 0;
    bool Monochrome = false;
    double GridHoriz = 0;
    double GridVert = 0;
    int PageInc = 1;
    bool Rulers = false;

    // Pixels of the whole drawing (page, margins, shadow) for a screen of
    // ScreenDpi pixels per inch at the current zoom.
    QSize CanvasSize(double ScreenDpi) const;
    void Paint(QPainter &Painter, double ScreenDpi) const;

Q_SIGNALS:
    void PageChange();
    void ZoomChange();

private:
    double Margin(double ScreenDpi) const;
    void PaintGrid(QPainter &Painter, const QRectF &PageRect, double Dpi) const;

    QIODevice *FStream = nullptr;
    std::unique_ptr<TSnapshotReader> FSnapshot;
    TReportPage FPage;
    int FPageNumber = 0;
    double FZoom = 100;
};
