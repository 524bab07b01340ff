#pragma once

#include <QWidget>

class TRvRenderPreview;

// The contents of the preview's scroll box: the page as the page renderer
// paints it, sized to the page at the current zoom.
class TPreviewPageWidget : public QWidget {
    Q_OBJECT
public:
    TPreviewPageWidget(TRvRenderPreview &Renderer, QWidget *Parent = nullptr);

    // Resizes to the renderer's page and zoom and repaints.
    void UpdateSize();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    TRvRenderPreview &FRenderer;
};
