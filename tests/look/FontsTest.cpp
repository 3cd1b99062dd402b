// The named faces and their stand-ins.
#include "Fonts.h"

#include <QFontInfo>
#include <QStringList>
#include <gtest/gtest.h>

TEST(Fonts, PointsAtNinetySixDpi)
{
    EXPECT_EQ(PointsToPixels(8), 11);
    EXPECT_EQ(PointsToPixels(9), 12);
    EXPECT_EQ(PointsToPixels(12), 16);
}

TEST(Fonts, EachNamedFaceHasItsStandIn)
{
    struct TCase {
        const char* Named;
        QFont Font;
        QString Family;
        int Pixels;
        bool Bold;
    };
    const TCase cases[] = {
        {"MS Sans Serif 8 pt", DefaultFont(), SansSerifFamily(), 11, false},
        {"MS Sans Serif 13 px bold", SansSerifFont(13, true), SansSerifFamily(), 13, true},
        {"Verdana 13 px bold", VerdanaFont(13, true), VerdanaFamily(), 13, true},
        {"Verdana 16 px bold", VerdanaFont(16, true), VerdanaFamily(), 16, true},
        {"Tahoma 8 pt bold", TahomaFont(8, true), TahomaFamily(), 11, true},
        {"Courier New 12 px", CourierFont(12), CourierFamily(), 12, false},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(c.Font.families().value(0), c.Family) << c.Named;
        EXPECT_EQ(c.Font.pixelSize(), c.Pixels) << c.Named;
        EXPECT_EQ(c.Font.bold(), c.Bold) << c.Named;
        // Installed by scripts/deps.sh: the face really used is the stand-in.
        EXPECT_EQ(QFontInfo(c.Font).family(), c.Family) << c.Named;
    }
    EXPECT_TRUE(QFontInfo(CourierFont(12)).fixedPitch());
    EXPECT_EQ(SansSerifFont(0).pixelSize(), 1);
}
