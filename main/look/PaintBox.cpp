// Paint box: a widget that shows a chart drawn on a TQtCanvas.
#include "PaintBox.h"

#include "Fonts.h"
#include "QtCanvas.h"

#include <QMouseEvent>
#include <QPainter>

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent)
{
    setFont(DefaultFont());
    // Charts repaint the whole area, but may leave margins to the panel.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TPaintBox::SetPaintHandler(TPaintHandler handler)
{
    PaintHandler = std::move(handler);
    update();
}

void TPaintBox::SetMouseMoveHandler(TMouseMoveHandler handler)
{
    MouseMoveHandler = std::move(handler);
    setMouseTracking(static_cast<bool>(MouseMoveHandler));
}

TDrawingArea TPaintBox::DrawingArea() const
{
    const QRect g = geometry();
    return AreaAt(g.x(), g.y(), g.width(), g.height());
}

void TPaintBox::PaintOn(QPainter& painter) const
{
    if (!PaintHandler)
        return;
    TQtCanvas canvas(painter, DrawingArea(), ChartFont);
    PaintHandler(canvas);
}

QImage TPaintBox::Render(QColor background) const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    PaintOn(painter);
    return image;
}

void TPaintBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintOn(painter);
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event)
{
    if (MouseMoveHandler) {
        const QPoint p = event->position().toPoint();
        MouseMoveHandler(event->modifiers(), p.x(), p.y());
    }
    QWidget::mouseMoveEvent(event);
}
