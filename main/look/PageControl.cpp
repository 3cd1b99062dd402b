// TPageControl: tab layout (flat buttons, or bottom tabs wrapped into rows),
// hit testing, frame painting and the page stack.
#include "PageControl.h"

#include "TabDrawing.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace {

constexpr int FlatBarHeight = TPageControl::FlatButtonHeight + 4; // 2 px above and below the buttons
constexpr int FlatButtonGap = 3;
constexpr int FlatFirstLeft = 2;
constexpr int BottomMargin = 2;    // left and right of the tab rows
constexpr int BottomTabPadding = 6;
constexpr int BottomTabMinWidth = 36;
constexpr int ActiveLift = 2;      // the active bottom tab reaches into the page frame
constexpr int PageInset = 4;       // page frame line plus gap, bottom tabs only

} // namespace

TPageControl::TPageControl(TTabStyle style, QWidget* parent)
    : QWidget(parent), Style_(style), Stack(new QStackedWidget(this))
{
    Stack->setObjectName(QStringLiteral("PageStack"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_StyledBackground, true);
    Relayout();
}

int TPageControl::AddPage(QWidget* page, const QString& caption, int tag)
{
    if (!page)
        page = new QWidget;
    TTab tab;
    tab.Page = page;
    tab.Caption = caption;
    tab.Tag = tag;
    Tabs.push_back(tab);
    Stack->addWidget(page);
    const int index = Count() - 1;
    if (Current < 0) {
        Current = index;
        Stack->setCurrentWidget(page);
    }
    Relayout();
    return index;
}

void TPageControl::SetCurrentIndex(int index)
{
    if (index < 0 || index >= Count() || index == Current)
        return;
    Current = index;
    Stack->setCurrentWidget(Tabs[index].Page);
    update();
    emit CurrentChanged(index);
}

QWidget* TPageControl::Page(int index) const
{
    return index >= 0 && index < Count() ? Tabs[index].Page : nullptr;
}

int TPageControl::IndexOf(const QWidget* page) const
{
    for (int i = 0; i < Count(); ++i)
        if (Tabs[i].Page == page)
            return i;
    return -1;
}

QString TPageControl::Caption(int index) const
{
    return index >= 0 && index < Count() ? Tabs[index].Caption : QString();
}

void TPageControl::SetCaption(int index, const QString& caption)
{
    if (index < 0 || index >= Count() || Tabs[index].Caption == caption)
        return;
    Tabs[index].Caption = caption;
    Relayout();
}

int TPageControl::Tag(int index) const
{
    return index >= 0 && index < Count() ? Tabs[index].Tag : 0;
}

void TPageControl::SetTabVisible(int index, bool visible)
{
    if (index < 0 || index >= Count() || Tabs[index].Visible == visible)
        return;
    Tabs[index].Visible = visible;
    Relayout();
}

bool TPageControl::IsTabVisible(int index) const
{
    return index >= 0 && index < Count() && Tabs[index].Visible;
}

QRect TPageControl::TabRect(int index) const
{
    EnsureLayout();
    if (!IsTabVisible(index))
        return {};
    return Tabs[index].Rect;
}

QRect TPageControl::TabContentRect(int index) const
{
    QRect rect = TabRect(index);
    if (rect.isEmpty())
        return rect;
    // The active tab of the first bottom row reaches up over the page frame's
    // bottom line, so it looks joined to its page.
    if (Style_ == TTabStyle::TabsBottom && index == Current && Tabs[index].Row == 0)
        rect.setTop(rect.top() - ActiveLift - 1);
    return rect.adjusted(2, 2, -2, -2);
}

int TPageControl::TabAt(const QPoint& pos) const
{
    EnsureLayout();
    for (int i = 0; i < Count(); ++i)
        if (Tabs[i].Visible && Tabs[i].Rect.contains(pos))
            return i;
    return -1;
}

int TPageControl::RowCount() const
{
    EnsureLayout();
    return Rows;
}

int TPageControl::TabBarHeight() const
{
    EnsureLayout();
    if (Style_ == TTabStyle::FlatButtonsTop)
        return FlatBarHeight;
    return Rows * BottomTabHeight + ActiveLift;
}

QRect TPageControl::PageArea() const
{
    EnsureLayout();
    if (Style_ == TTabStyle::FlatButtonsTop)
        return QRect(0, FlatBarHeight, width(), std::max(0, height() - FlatBarHeight));
    const QRect frame(0, 0, width(), std::max(0, height() - TabBarHeight()));
    return frame.adjusted(PageInset, PageInset, -PageInset, -PageInset);
}

QColor TPageControl::TabFill() const
{
    return TabFill_.isValid() ? TabFill_ : palette().color(QPalette::Window);
}

void TPageControl::SetTabFill(const QColor& colour)
{
    TabFill_ = colour;
    update();
}

void TPageControl::SetTabFrame(const QColor& colour)
{
    TabFrame_ = colour;
    update();
}

void TPageControl::SetTabLight(const QColor& colour)
{
    TabLight_ = colour;
    update();
}

QSize TPageControl::sizeHint() const
{
    const QSize pages = Stack->sizeHint();
    if (Style_ == TTabStyle::FlatButtonsTop)
        return {std::max(pages.width(), 4 * (FlatButtonWidth + FlatButtonGap)), pages.height() + FlatBarHeight};
    return {pages.width() + 2 * PageInset, pages.height() + 2 * PageInset + TabBarHeight()};
}

QSize TPageControl::minimumSizeHint() const
{
    return {FlatButtonWidth, TabBarHeight() + 2 * PageInset};
}

int TPageControl::PreferredTabWidth(const QString& caption) const
{
    const QFontMetrics metrics(font());
    return std::max(BottomTabMinWidth, metrics.horizontalAdvance(caption) + 2 * BottomTabPadding);
}

void TPageControl::LayoutFlatButtons()
{
    Rows = 1;
    int x = FlatFirstLeft;
    for (TTab& tab : Tabs) {
        if (!tab.Visible) {
            tab.Rect = {};
            continue;
        }
        tab.Rect = QRect(x, 2, FlatButtonWidth, FlatButtonHeight);
        tab.Row = 0;
        x += FlatButtonWidth + FlatButtonGap;
    }
}

void TPageControl::LayoutBottomTabs()
{
    const int available = std::max(1, width() - 2 * BottomMargin);
    struct TPlaced { int Index; int Width; };
    QVector<TPlaced> visible;
    for (int i = 0; i < Count(); ++i) {
        if (!Tabs[i].Visible) {
            Tabs[i].Rect = {};
            continue;
        }
        visible.push_back({i, PreferredTabWidth(Tabs[i].Caption)});
    }
    // Rows filled in tab order up to `limit` pixels; a tab wider than the
    // limit gets a row of its own.
    auto fill = [&visible](int limit) {
        QVector<QVector<TPlaced>> rows(1);
        int used = 0;
        for (const TPlaced& p : visible) {
            if (!rows.back().isEmpty() && used + p.Width > limit) {
                rows.push_back({});
                used = 0;
            }
            rows.back().push_back(p);
            used += p.Width;
        }
        return rows;
    };
    // As few rows as the width allows, then the narrowest row limit that still
    // gives that many rows, so the rows come out about equally long instead of
    // a full row followed by a nearly empty one.
    QVector<QVector<TPlaced>> rows = fill(available);
    if (rows.size() > 1) {
        int lo = 1, hi = available;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (fill(mid).size() <= rows.size())
                hi = mid;
            else
                lo = mid + 1;
        }
        rows = fill(lo);
    }
    Rows = std::max<int>(1, rows.size());

    // With several rows every row is stretched to the full width, so the rows
    // line up like the pages of a card index.
    const bool justify = Rows > 1;
    const int barTop = height() - TabBarHeight() + ActiveLift;
    for (int r = 0; r < rows.size(); ++r) {
        QVector<TPlaced>& row = rows[r];
        if (row.isEmpty())
            continue;
        if (justify) {
            int sum = 0;
            for (const TPlaced& p : row)
                sum += p.Width;
            const int extra = std::max(0, available - sum);
            const int each = extra / static_cast<int>(row.size());
            int remainder = extra % static_cast<int>(row.size());
            for (TPlaced& p : row) {
                p.Width += each + (remainder > 0 ? 1 : 0);
                if (remainder > 0)
                    --remainder;
            }
        }
        int x = BottomMargin;
        for (const TPlaced& p : row) {
            Tabs[p.Index].Rect = QRect(x, barTop + r * BottomTabHeight, p.Width, BottomTabHeight);
            Tabs[p.Index].Row = r;
            x += p.Width;
        }
    }
}

void TPageControl::EnsureLayout() const
{
    if (LaidOutSize != size())
        const_cast<TPageControl*>(this)->Relayout();
}

void TPageControl::Relayout()
{
    LaidOutSize = size();
    if (Style_ == TTabStyle::FlatButtonsTop)
        LayoutFlatButtons();
    else
        LayoutBottomTabs();
    Stack->setGeometry(PageArea());
    updateGeometry();
    update();
}

void TPageControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void TPageControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        Relayout();
    else if (event->type() == QEvent::PaletteChange)
        update();
}

bool TPageControl::event(QEvent* event)
{
    if (event->type() == QEvent::Polish)
        Relayout();
    return QWidget::event(event);
}

void TPageControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int index = TabAt(event->position().toPoint());
    if (index < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    SetCurrentIndex(index);
}

void TPageControl::paintEvent(QPaintEvent*)
{
    EnsureLayout();
    QPainter painter(this);
    // Background from a style sheet, when a skin gives one.
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    const QColor light = TabLight_;
    const QColor dark = TabFrame_;
    if (Style_ == TTabStyle::TabsBottom) {
        // The page frame: light top and left, dark bottom and right.
        const QRect frame(0, 0, width(), std::max(0, height() - TabBarHeight()));
        painter.setPen(light);
        painter.drawLine(frame.topLeft(), frame.topRight());
        painter.drawLine(frame.topLeft(), frame.bottomLeft());
        painter.setPen(dark);
        painter.drawLine(frame.topRight(), frame.bottomRight());
        painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    }
    for (int i = 0; i < Count(); ++i)
        if (Tabs[i].Visible && i != Current)
            DrawFrameAndTab(painter, i);
    if (IsTabVisible(Current))
        DrawFrameAndTab(painter, Current); // last, so it overlaps the page frame
}

void TPageControl::DrawFrameAndTab(QPainter& painter, int index)
{
    const bool active = index == Current;
    const QRect content = TabContentRect(index);
    QRect outer = content.adjusted(-2, -2, 2, 2);
    const QColor fill = TabFill();
    const QColor light = TabLight_;
    const QColor dark = TabFrame_;

    painter.save();
    painter.fillRect(outer.adjusted(1, 0, -1, -1), fill);
    if (Style_ == TTabStyle::FlatButtonsTop) {
        // Raised when idle, pressed in when active.
        painter.setPen(active ? dark : light);
        painter.drawLine(outer.topLeft(), outer.topRight());
        painter.drawLine(outer.topLeft(), outer.bottomLeft());
        painter.setPen(active ? light : dark);
        painter.drawLine(outer.topRight(), outer.bottomRight());
        painter.drawLine(outer.bottomLeft(), outer.bottomRight());
        if (active) {
            painter.setPen(dark.darker(115));
            painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.topRight() + QPoint(-1, 1));
            painter.drawLine(outer.topLeft() + QPoint(1, 1), outer.bottomLeft() + QPoint(1, -1));
        }
    } else {
        // Open towards the pages above: left light, right and bottom dark.
        painter.setPen(light);
        painter.drawLine(outer.topLeft(), outer.bottomLeft() - QPoint(0, 1));
        painter.setPen(dark);
        painter.drawLine(outer.topRight(), outer.bottomRight() - QPoint(0, 1));
        painter.drawLine(outer.bottomLeft() + QPoint(1, 0), outer.bottomRight() - QPoint(1, 0));
        if (!active || Tabs[index].Row > 0)
            painter.drawLine(outer.topLeft() + QPoint(1, 0), outer.topRight() - QPoint(1, 0));
    }
    painter.restore();

    painter.save();
    painter.setFont(font());
    painter.setBrush(fill);
    painter.setClipRect(content);
    if (DrawTab)
        DrawTab(painter, index, content, active);
    else
        DrawPageTab(painter, content, Tabs[index].Caption, active, false, true, fill);
    painter.restore();
}
