#include "app/background.h"

#include "resources/resources.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

DrawingArea::DrawingArea(QWidget* parent) : QMdiArea(parent)
{
    loadResources();
    drawing.load(QStringLiteral(":/antenne.svg"));
    setBackground(palette().window());
}

void DrawingArea::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    QPainter painter(viewport());
    // Drawn at the top left, scaled down so that the whole antenna fits the frame's height.
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = drawing.defaultSize();
    const double scale = std::min(1.0, viewport()->height() / size.height());
    drawing.render(&painter, QRectF(QPointF(0, 0), size * scale));
}
