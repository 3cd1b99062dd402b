// Pop-up colour list of the Print curve page.
#include "ColorListPopup.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
// Room the list keeps beside its items, as a menu keeps for its check marks,
// so that the single-ink swatches (to 52 pixels) show whole.
constexpr int CheckRoom = 12;
constexpr int Border = 2;
}  // namespace

TColorListPopup::TColorListPopup(QWidget* parent) : QWidget(parent, Qt::Popup)
{
    setObjectName(QStringLiteral("Ciano1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

QSize TColorListPopup::ItemSize(int item) const
{
    return MeasureItem ? MeasureItem(item) : QSize(50, 40);
}

QRect TColorListPopup::ItemRect(int item) const
{
    int top = Border;
    int width = 0;
    for (int i = 0; i < Items; ++i)
        width = std::max(width, ItemSize(i).width() + CheckRoom);
    for (int i = 0; i < item; ++i)
        top += ItemSize(i).height();
    return QRect(Border, top, width, ItemSize(item).height());
}

int TColorListPopup::ItemAt(const QPoint& point) const
{
    for (int i = 0; i < Items; ++i)
        if (ItemRect(i).contains(point))
            return i;
    return -1;
}

void TColorListPopup::Open(const QPoint& globalTopLeft)
{
    const QRect last = ItemRect(Items - 1);
    resize(last.right() + 1 + Border, last.bottom() + 1 + Border);
    Hot = -1;
    move(globalTopLeft);
    show();
    setFocus();
}

void TColorListPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    // Drawn top to bottom and the highlighted item last, so that it is the
    // item drawn last when the list is open.
    for (int i = 0; i < Items; ++i)
        if (i != Hot && DrawItem)
            DrawItem(painter, i, ItemRect(i), false);
    if (Hot >= 0 && DrawItem)
        DrawItem(painter, Hot, ItemRect(Hot), true);
}

void TColorListPopup::mouseMoveEvent(QMouseEvent* event)
{
    const int item = ItemAt(event->position().toPoint());
    if (item != Hot) {
        Hot = item;
        update();
    }
}

void TColorListPopup::mouseReleaseEvent(QMouseEvent* event)
{
    const int item = ItemAt(event->position().toPoint());
    if (item >= 0)
        Choose(item);
}

void TColorListPopup::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Down: Hot = Hot < 0 ? 0 : std::min(Hot + 1, Items - 1); update(); break;
    case Qt::Key_Up: Hot = Hot < 0 ? Items - 1 : std::max(Hot - 1, 0); update(); break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (Hot >= 0)
            Choose(Hot);
        break;
    case Qt::Key_Escape: hide(); break;
    default: QWidget::keyPressEvent(event);
    }
}

void TColorListPopup::Choose(int item)
{
    hide();
    emit Chosen(item);
}
