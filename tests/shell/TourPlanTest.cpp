// The tour's plan: reading PAGE=N lists, the order of the visit, picture names.
#include "TourPlan.h"

#include <gtest/gtest.h>

TEST(TourPlan, ReadsPagesWithTheirPressesInOrder)
{
    QString error;
    const auto plan = ParseTourPresses(QStringLiteral(" DotGainPage=4, DensityPage = 5 ,ICCPage=0"), &error);
    ASSERT_TRUE(plan) << error.toStdString();
    const QList<TTourStop> expected{{"DotGainPage", 4}, {"DensityPage", 5}, {"ICCPage", 0}};
    EXPECT_EQ(*plan, expected);
    EXPECT_TRUE(ParseTourPresses(QString())->isEmpty());
    EXPECT_TRUE(ParseTourPresses(QStringLiteral("  "))->isEmpty());
}

TEST(TourPlan, RefusesFaultyPartsNamingThem)
{
    const struct {
        const char* Text;
        const char* Named;  // the error names this
    } cases[] = {
        {"DensityPage", "DensityPage"},
        {"DensityPage=5,", "\"\""},
        {"=5", "\"\""},
        {"Density Page=5", "Density Page"},
        {"DensityPage=five", "five"},
        {"DensityPage=-1", "-1"},
        {"DensityPage=1001", "1001"},
        {"DensityPage=", "DensityPage"},
        {"DensityPage=2,DensityPage=3", "twice"},
    };
    for (const auto& c : cases) {
        QString error;
        EXPECT_FALSE(ParseTourPresses(QString::fromLatin1(c.Text), &error)) << c.Text;
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.Named))) << c.Text << ": " << error.toStdString();
    }
}

TEST(TourPlan, PlannedPagesFirstThenTheRestInWindowOrder)
{
    const QStringList window{"A", "B", "C", "D"};
    QStringList unknown;
    const QList<TTourStop> order = TourOrder({{"C", 2}, {"X", 1}, {"A", 0}}, window, &unknown);
    const QList<TTourStop> expected{{"C", 2}, {"A", 0}, {"B", 0}, {"D", 0}};
    EXPECT_EQ(order, expected);
    EXPECT_EQ(unknown, QStringList{"X"});
    EXPECT_EQ(TourOrder({}, window).size(), 4);
}

TEST(TourPlan, PictureNamesSayThePage)
{
    EXPECT_EQ(TourPictureName(4, {"Densitometry", "Dot Gain"}), "04-densitometry-dot-gain.png");
    EXPECT_EQ(TourPictureName(14, {"Spectro", "delta L-a-b"}), "14-spectro-delta-l-a-b.png");
    EXPECT_EQ(TourPictureName(0, {"Info"}), "00-info.png");
    EXPECT_EQ(TourPictureName(123, {"", "  "}), "123-page.png");
    EXPECT_EQ(FileNamePart(QStringLiteral("  ICC conversion ")), "icc-conversion");
    EXPECT_EQ(FileNamePart(QStringLiteral("Dot Gain curve")), "dot-gain-curve");
}
