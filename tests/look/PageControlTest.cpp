// TPageControl: tab layout in rows, hit testing, clicks, hidden tabs and the
// owner drawing callback.
#include "PageControl.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QStringList DensitometryCaptions{"Density",        "All densities", "Densities diff", "Dot Gain",
                                       "Print curve",    "Dot Gain curve", "Dot Area",      "Print Contrast",
                                       "Trapping",       "Hue error",     "Grayness"};

struct TBottomFixture {
    TPageControl Control{TTabStyle::TabsBottom};
    explicit TBottomFixture(int width, const QStringList& captions = DensitometryCaptions)
    {
        for (const QString& c : captions)
            Control.AddPage(new QWidget, c);
        Control.resize(width, 360);
    }
};

QPoint Centre(const QRect& r)
{
    return r.center();
}

} // namespace

TEST(PageControl, FirstPageAddedIsCurrent)
{
    TBottomFixture f(588);
    EXPECT_EQ(f.Control.Count(), 11);
    EXPECT_EQ(f.Control.CurrentIndex(), 0);
    EXPECT_EQ(f.Control.Caption(5), "Dot Gain curve");
    EXPECT_EQ(f.Control.Page(11), nullptr);
    EXPECT_EQ(f.Control.Caption(-1), QString());
}

TEST(PageControl, ElevenTabsWrapIntoRowsAtTheWindowWidth)
{
    TBottomFixture f(588);
    EXPECT_GE(f.Control.RowCount(), 2);
    EXPECT_EQ(f.Control.TabBarHeight(), f.Control.RowCount() * TPageControl::BottomTabHeight + 2);
    // The tabs sit below the pages and inside the control.
    for (int i = 0; i < f.Control.Count(); ++i) {
        const QRect r = f.Control.TabRect(i);
        ASSERT_FALSE(r.isEmpty()) << i;
        EXPECT_TRUE(f.Control.rect().contains(r)) << i;
        EXPECT_GE(r.top(), f.Control.PageArea().bottom()) << i;
    }
}

TEST(PageControl, RowsGrowAsTheControlNarrowsAndEveryTabStaysReachable)
{
    int previousRows = 0;
    for (int width : {4000, 900, 588, 400, 250, 120, 40}) {
        TBottomFixture f(width);
        const int rows = f.Control.RowCount();
        EXPECT_GE(rows, previousRows) << width;
        previousRows = rows;
        for (int i = 0; i < f.Control.Count(); ++i) {
            const QRect r = f.Control.TabRect(i);
            EXPECT_EQ(f.Control.TabAt(Centre(r)), i) << "width " << width << " tab " << i;
            EXPECT_EQ(f.Control.TabAt(r.topLeft()), i) << "width " << width << " tab " << i;
            EXPECT_EQ(f.Control.TabAt(r.bottomRight()), i) << "width " << width << " tab " << i;
        }
    }
    TBottomFixture wide(4000);
    EXPECT_EQ(wide.Control.RowCount(), 1);
    TBottomFixture narrow(40);
    EXPECT_EQ(narrow.Control.RowCount(), 11); // one tab per row
}

TEST(PageControl, TabsDoNotOverlapAndRowsFillTheWidth)
{
    TBottomFixture f(588);
    for (int i = 0; i < f.Control.Count(); ++i)
        for (int j = i + 1; j < f.Control.Count(); ++j)
            EXPECT_FALSE(f.Control.TabRect(i).intersects(f.Control.TabRect(j))) << i << " " << j;
    // Every row of a wrapped bar is stretched from the left margin to the right one.
    QMap<int, QPair<int, int>> rows; // top -> (left, right)
    for (int i = 0; i < f.Control.Count(); ++i) {
        const QRect r = f.Control.TabRect(i);
        auto it = rows.find(r.top());
        if (it == rows.end())
            rows.insert(r.top(), {r.left(), r.right()});
        else
            *it = {std::min(it->first, r.left()), std::max(it->second, r.right())};
    }
    EXPECT_EQ(rows.size(), f.Control.RowCount());
    for (const auto& [left, right] : rows) {
        EXPECT_EQ(left, 2);
        EXPECT_EQ(right, 588 - 3);
    }
    // Tabs keep their order: row by row, left to right.
    for (int i = 1; i < f.Control.Count(); ++i) {
        const QRect a = f.Control.TabRect(i - 1), b = f.Control.TabRect(i);
        EXPECT_TRUE(b.top() > a.top() || (b.top() == a.top() && b.left() > a.left())) << i;
    }
}

TEST(PageControl, PointsOutsideEveryTabHitNothing)
{
    TBottomFixture f(588);
    EXPECT_EQ(f.Control.TabAt(QPoint(10, 10)), -1);           // on the page
    EXPECT_EQ(f.Control.TabAt(QPoint(0, 355)), -1);           // left margin
    EXPECT_EQ(f.Control.TabAt(QPoint(-5, -5)), -1);
    EXPECT_EQ(f.Control.TabAt(QPoint(5000, 355)), -1);
}

TEST(PageControl, ClickingEachTabMakesItCurrentOnce)
{
    TBottomFixture f(588);
    f.Control.show();
    QSignalSpy changed(&f.Control, &TPageControl::CurrentChanged);
    for (int i : {3, 10, 0, 7, 5}) {
        changed.clear();
        QTest::mouseClick(&f.Control, Qt::LeftButton, {}, Centre(f.Control.TabRect(i)));
        EXPECT_EQ(f.Control.CurrentIndex(), i);
        ASSERT_EQ(changed.count(), 1) << i;
        EXPECT_EQ(changed.at(0).at(0).toInt(), i);
        EXPECT_EQ(f.Control.Page(i)->isVisible(), true);
    }
    // The active tab again: nothing changes.
    changed.clear();
    QTest::mouseClick(&f.Control, Qt::LeftButton, {}, Centre(f.Control.TabRect(5)));
    EXPECT_EQ(changed.count(), 0);
    // The right button does not switch pages.
    QTest::mouseClick(&f.Control, Qt::RightButton, {}, Centre(f.Control.TabRect(1)));
    EXPECT_EQ(f.Control.CurrentIndex(), 5);
}

TEST(PageControl, SetCurrentIndexSignalsOnlyRealChanges)
{
    TBottomFixture f(588);
    QSignalSpy changed(&f.Control, &TPageControl::CurrentChanged);
    f.Control.SetCurrentIndex(0);
    f.Control.SetCurrentIndex(-1);
    f.Control.SetCurrentIndex(11);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(f.Control.CurrentIndex(), 0);
    f.Control.SetCurrentIndex(10);
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toInt(), 10);
}

TEST(PageControl, HiddenTabTakesNoRoomAndCannotBeClicked)
{
    TPageControl control(TTabStyle::FlatButtonsTop);
    for (const char* c : {"Densitometry", "Spectro", "Setup", "About"})
        control.AddPage(new QWidget, QString::fromLatin1(c));
    control.resize(596, 440);
    control.show();
    const QRect spectro = control.TabRect(1);
    control.SetTabVisible(1, false);
    EXPECT_FALSE(control.IsTabVisible(1));
    EXPECT_TRUE(control.TabRect(1).isEmpty());
    // "Setup" moved into the place the hidden tab had.
    EXPECT_EQ(control.TabRect(2), spectro);
    QTest::mouseClick(&control, Qt::LeftButton, {}, spectro.center());
    EXPECT_EQ(control.CurrentIndex(), 2);
    for (int x = 0; x < control.width(); x += 3)
        EXPECT_NE(control.TabAt(QPoint(x, 15)), 1);
    // Its page can still be shown from code.
    control.SetCurrentIndex(1);
    EXPECT_EQ(control.CurrentIndex(), 1);
    control.SetTabVisible(1, true);
    EXPECT_EQ(control.TabRect(1), spectro);
}

TEST(PageControl, FlatButtonsAreNinetyByThirtyAlongTheTop)
{
    TPageControl control(TTabStyle::FlatButtonsTop);
    for (int tag : {0, 1, 2, 0})
        control.AddPage(new QWidget, QStringLiteral("tab"), tag);
    control.resize(596, 440);
    int lastRight = -1;
    for (int i = 0; i < 4; ++i) {
        const QRect r = control.TabRect(i);
        EXPECT_EQ(r.size(), QSize(90, 30)) << i;
        EXPECT_LE(r.top(), 4) << i;
        EXPECT_GT(r.left(), lastRight) << i;
        lastRight = r.right();
        EXPECT_EQ(control.TabAt(r.center()), i);
    }
    EXPECT_EQ(control.Tag(1), 1);
    EXPECT_EQ(control.Tag(2), 2);
    EXPECT_EQ(control.Tag(3), 0);
    EXPECT_EQ(control.RowCount(), 1);
    EXPECT_GE(control.PageArea().top(), 30 + 2);
    EXPECT_EQ(control.PageArea().width(), 596);
}

TEST(PageControl, OwnerDrawsEveryVisibleTabWithItsActiveFlag)
{
    TBottomFixture f(588, {"Colorimetry", "Reflectance", "delta L-a-b", "CieLab", "ICC conversion", "Visual match"});
    f.Control.SetTabVisible(3, false);
    f.Control.SetCurrentIndex(4);
    QMap<int, bool> drawn;
    f.Control.DrawTab = [&](QPainter& painter, int index, const QRect& rect, bool active) {
        drawn[index] = active;
        EXPECT_TRUE(f.Control.TabRect(index).adjusted(0, -3, 0, 0).contains(rect)) << index;
        EXPECT_EQ(painter.brush().color(), f.Control.TabFill());
    };
    f.Control.grab();
    EXPECT_EQ(drawn.size(), 5);
    EXPECT_FALSE(drawn.contains(3));
    for (auto it = drawn.begin(); it != drawn.end(); ++it)
        EXPECT_EQ(it.value(), it.key() == 4) << it.key();
}

TEST(PageControl, CaptionChangeRelaysTheRows)
{
    TBottomFixture f(588);
    const int rows = f.Control.RowCount();
    for (int i = 0; i < f.Control.Count(); ++i)
        f.Control.SetCaption(i, QStringLiteral("A much longer caption %1").arg(i));
    EXPECT_GT(f.Control.RowCount(), rows);
    for (int i = 0; i < f.Control.Count(); ++i)
        EXPECT_EQ(f.Control.TabAt(f.Control.TabRect(i).center()), i);
}

TEST(PageControl, WrappedRowsAreAboutEquallyLong)
{
    for (int width : {588, 500, 400, 300}) {
        TBottomFixture f(width);
        QMap<int, int> tabsPerRow;
        for (int i = 0; i < f.Control.Count(); ++i)
            ++tabsPerRow[f.Control.TabRect(i).top()];
        const int rows = f.Control.RowCount();
        ASSERT_GT(rows, 1) << width;
        for (int count : tabsPerRow)
            EXPECT_GE(count, f.Control.Count() / rows - 2) << "width " << width;
    }
}
