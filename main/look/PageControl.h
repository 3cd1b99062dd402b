// TPageControl: a stack of pages with a tab bar that its owner draws.
// Two tab styles:
//  - FlatButtonsTop: the tabs are flat buttons of 90 x 30 pixels in one row
//    along the top (the main window's top level);
//  - TabsBottom: tabs along the bottom, each as wide as its caption needs,
//    wrapped into as many rows as the width asks for (Qt's QTabBar scrolls
//    instead of wrapping, hence this widget). Rows keep their order: the first
//    tabs are in the row next to the pages.
// The owner paints each tab's inside through DrawTab; the control draws the
// frame around it. Without DrawTab the tab is drawn by the common tab rules
// (DrawPageTab) with black and navy captions on the control's fill colour.
#pragma once

#include <QColor>
#include <QString>
#include <QVector>
#include <QWidget>
#include <functional>

class QPainter;
class QStackedWidget;

enum class TTabStyle { FlatButtonsTop, TabsBottom };

class TPageControl : public QWidget {
    Q_OBJECT
    // The fill colour the tabs are drawn on; skins set it from their style
    // sheet (qproperty-tabFill) so the tab rules keep working in every skin.
    Q_PROPERTY(QColor tabFill READ TabFill WRITE SetTabFill)
    Q_PROPERTY(QColor tabFrame READ TabFrame WRITE SetTabFrame)
    Q_PROPERTY(QColor tabLight READ TabLight WRITE SetTabLight)

public:
    // Size of the flat buttons and height of a bottom tab row.
    static constexpr int FlatButtonWidth = 90;
    static constexpr int FlatButtonHeight = 30;
    static constexpr int BottomTabHeight = 20;

    explicit TPageControl(TTabStyle style, QWidget* parent = nullptr);

    TTabStyle Style() const { return Style_; }

    // Appends a page (re-parented into the control) and returns its index.
    // The first page added becomes the current one.
    int AddPage(QWidget* page, const QString& caption, int tag = 0);
    int Count() const { return static_cast<int>(Tabs.size()); }

    int CurrentIndex() const { return Current; }
    // Shows page `index`; emits CurrentChanged when the page changed.
    // An index outside 0..Count()-1 is ignored.
    void SetCurrentIndex(int index);

    QWidget* Page(int index) const;
    int IndexOf(const QWidget* page) const;
    QString Caption(int index) const;
    void SetCaption(int index, const QString& caption);
    int Tag(int index) const;

    // A hidden tab takes no room in the bar and cannot be clicked; its page
    // can still be made current in code.
    void SetTabVisible(int index, bool visible);
    bool IsTabVisible(int index) const;

    // The whole tab (frame included) in this widget's coordinates; an empty
    // rectangle for a hidden tab or a bad index.
    QRect TabRect(int index) const;
    // The inside of the tab that DrawTab paints.
    QRect TabContentRect(int index) const;
    // The tab under `pos` (this widget's coordinates), -1 outside every tab.
    int TabAt(const QPoint& pos) const;
    // Rows the bottom tabs take at the current width (1 for flat buttons).
    int RowCount() const;
    // Height of the tab bar at the current width.
    int TabBarHeight() const;
    // Where the pages sit inside the control.
    QRect PageArea() const;

    QColor TabFill() const;
    void SetTabFill(const QColor& colour);
    QColor TabFrame() const { return TabFrame_; }
    void SetTabFrame(const QColor& colour);
    QColor TabLight() const { return TabLight_; }
    void SetTabLight(const QColor& colour);

    // Owner drawing of one tab: painter (font = the control's font, brush =
    // the fill colour), tab index, the tab's inside, whether it is the active one.
    std::function<void(QPainter&, int index, const QRect& rect, bool active)> DrawTab;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // A new page became current (by a click or by SetCurrentIndex).
    void CurrentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct TTab {
        QWidget* Page = nullptr;
        QString Caption;
        int Tag = 0;
        bool Visible = true;
        QRect Rect; // laid out by Relayout
        int Row = 0;
    };

    // The layout follows the size lazily: a hidden widget gets its resize
    // event only when shown, but its tabs must answer hit tests before that.
    void EnsureLayout() const;
    void Relayout();
    void LayoutFlatButtons();
    void LayoutBottomTabs();
    int PreferredTabWidth(const QString& caption) const;
    void DrawFrameAndTab(QPainter& painter, int index);

    TTabStyle Style_;
    QStackedWidget* Stack;
    QVector<TTab> Tabs;
    int Current = -1;
    int Rows = 1;
    QSize LaidOutSize{-1, -1};
    QColor TabFill_;
    QColor TabFrame_{0xA0, 0xA0, 0xA0};
    QColor TabLight_{0xFF, 0xFF, 0xFF};
};
