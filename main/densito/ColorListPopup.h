// The pop-up colour list of the Print curve page: five owner-drawn items
// (Cyan, Magenta, Yellow, Black, All) that show only colour swatches. The
// page measures and draws the items and acts on the choice.
#pragma once

#include <QWidget>

#include <functional>

class TColorListPopup : public QWidget {
    Q_OBJECT
public:
    static constexpr int Items = 5;

    explicit TColorListPopup(QWidget* parent);

    // The size of item `item` (the page's MeasureItem handler).
    std::function<QSize(int item)> MeasureItem;
    // Draws item `item` into `rect` (the page's AdvancedDrawItem handler).
    std::function<void(QPainter& painter, int item, const QRect& rect, bool highlighted)> DrawItem;

    // Opens the list with its top left at `globalTopLeft`.
    void Open(const QPoint& globalTopLeft);
    // The item under a point of the list, or -1.
    int ItemAt(const QPoint& point) const;
    QRect ItemRect(int item) const;
    int Highlighted() const { return Hot; }

signals:
    // An item was chosen (its item number 0 .. 4).
    void Chosen(int item);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize ItemSize(int item) const;
    void Choose(int item);

    int Hot = -1;
};
