// A drawing area of the main window (a paint box): every paint hands a
// QPainter-backed chart canvas to the paint handler; an optional mouse-move
// handler gets the key state and the position. The chart pages of both tabs
// show their charts through it.
#pragma once

#include "Canvas.h"

#include <QImage>
#include <QWidget>
#include <functional>

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using TPaintHandler = std::function<void(TCanvas& canvas)>;
    using TMouseMoveHandler = std::function<void(Qt::KeyboardModifiers keys, int x, int y)>;

    explicit TPaintBox(QWidget* parent = nullptr);

    // Called on every paint with a canvas on the whole area.
    void SetPaintHandler(TPaintHandler handler);
    // Called on every mouse move over the area (mouse tracking is switched on).
    void SetMouseMoveHandler(TMouseMoveHandler handler);

    // Size and bounds rectangle in the parent, as the charts see them.
    TDrawingArea DrawingArea() const;
    // Runs the paint handler into an image of the area's size (first filled
    // with `background`): for tests, benchmarks and screenshots.
    QImage Render(QColor background = Qt::white) const;
    // Draws the handler onto an active painter (any device).
    void PaintOn(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TPaintHandler PaintHandler;
    TMouseMoveHandler MouseMoveHandler;
};
