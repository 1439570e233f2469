#include "app/background.h"

#include "resources/resources.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

DrawingArea::DrawingArea(QWidget* parent) : QMdiArea(parent)
{
    loadResources();
    drawing.load(QStringLiteral(":/antenne.svg"));
    setBackground(palette().window());
    // A child window that reaches beyond the frame's client area (the frame made smaller, or
    // a window placed before the frame got its decorations) stays reachable by scrolling.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

// Drawn at the top left, scaled down so that the whole antenna fits the frame's height.
QSize DrawingArea::pictureSize() const
{
    const QSizeF size = drawing.defaultSize();
    const double scale = std::min(1.0, viewport()->height() / size.height());
    return QSize(int(std::lround(size.width() * scale)), int(std::lround(size.height() * scale)));
}

void DrawingArea::renderPicture()
{
    renderPending = false;
    const QSize size = pictureSize();
    if (size.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    picture = QPixmap(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter, QRectF(QPointF(0, 0), size));
    viewport()->update();
}

void DrawingArea::paintEvent(QPaintEvent* event)
{
    QMdiArea::paintEvent(event);
    // The drawing is made once per size, right after the window shows: the frame is there at
    // once and the picture follows a moment later.
    if (picture.isNull() || picture.deviceIndependentSize().toSize() != pictureSize()) {
        if (!renderPending) {
            renderPending = true;
            QTimer::singleShot(0, this, &DrawingArea::renderPicture);
        }
        if (picture.isNull())
            return;
    }
    QPainter painter(viewport());
    painter.setClipRect(event->rect());
    painter.drawPixmap(QPointF(0, 0), picture);
}
