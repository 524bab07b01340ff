#include "TPreviewPageWidget.h"

#include "TRvRenderPreview.h"

#include <QPainter>

TPreviewPageWidget::TPreviewPageWidget(TRvRenderPreview &Renderer, QWidget *Parent)
    : QWidget(Parent)
    , FRenderer(Renderer)
{
    setObjectName(QStringLiteral("PageView"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QSize TPreviewPageWidget::sizeHint() const
{
    return FRenderer.HasPage() ? FRenderer.CanvasSize(logicalDpiX()) : QSize(0, 0);
}

void TPreviewPageWidget::UpdateSize()
{
    resize(sizeHint());
    update();
}

void TPreviewPageWidget::paintEvent(QPaintEvent *)
{
    QPainter Painter(this);
    FRenderer.Paint(Painter, logicalDpiX());
}
