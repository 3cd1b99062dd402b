// TStatusPanels: four fixed panels with their widths, alignments and bevels.
#include "ImageProbe.h"
#include "StatusPanels.h"

#include <QSizeGrip>
#include <gtest/gtest.h>

TEST(StatusPanels, FourPanelsWithTheirWidthsAlignmentsAndBevels)
{
    TStatusPanels bar;
    bar.resize(600, 19);
    struct TPanel {
        int Width;
        Qt::Alignment Horizontal;
        bool Bevel;
    };
    const TPanel panels[] = {
        {210, Qt::AlignLeft, false}, {125, Qt::AlignHCenter, true}, {110, Qt::AlignHCenter, true},
        {115, Qt::AlignRight, false}};
    int left = 0;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bar.PanelWidth(i), panels[i].Width) << i;
        EXPECT_EQ(bar.PanelAlignment(i) & Qt::AlignHorizontal_Mask, panels[i].Horizontal) << i;
        EXPECT_EQ(bar.PanelHasBevel(i), panels[i].Bevel) << i;
        EXPECT_EQ(bar.PanelRect(i).left(), left) << i;
        left += panels[i].Width;
    }
    EXPECT_EQ(bar.height(), 19);
    EXPECT_EQ(bar.PanelWidth(4), 0);
    EXPECT_TRUE(bar.PanelRect(-1).isNull());
    EXPECT_TRUE(bar.findChildren<QSizeGrip*>().isEmpty());
}

TEST(StatusPanels, TextsPerPanelAndBadIndexesIgnored)
{
    TStatusPanels bar;
    bar.SetText(0, "Searching instrument...");
    bar.SetText(3, "Kelvora - 1.0.0 ");
    bar.SetText(4, "lost");
    bar.SetText(-1, "lost");
    EXPECT_EQ(bar.Text(0), "Searching instrument...");
    EXPECT_EQ(bar.Text(1), "");
    EXPECT_EQ(bar.Text(3), "Kelvora - 1.0.0 ");
    EXPECT_EQ(bar.Text(4), "");
    EXPECT_EQ(bar.Text(-1), "");
}

TEST(StatusPanels, TextsAreDrawnInsideTheirPanelsWithTheirAlignment)
{
    TStatusPanels bar;
    bar.resize(600, 19);
    bar.SetText(0, "Ready...");
    bar.SetText(3, "Kelvora - 1.0.0 ");
    const QImage image = bar.grab().toImage();
    auto inked = [&](int from, int to) {
        return AnyPixel(image, QRect(from, 3, to - from, 14), [](QColor c) { return c.lightness() < 90; });
    };
    // Panel 0 left-aligned: ink in its first third, none at its right end.
    EXPECT_TRUE(inked(0, 70));
    EXPECT_FALSE(inked(150, 208));
    // Panel 3 right-aligned: ink near its right end, none at its left.
    EXPECT_TRUE(inked(520, 560));
    EXPECT_FALSE(inked(445, 455));
}
