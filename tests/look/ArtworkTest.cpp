// The pictures drawn in code: their sizes, and that each shows something.
#include "Artwork.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

namespace {

int DistinctColours(const QPixmap& pixmap)
{
    const QImage image = pixmap.toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

} // namespace

TEST(Artwork, PicturesHaveTheirSizesAndContent)
{
    struct TPicture {
        const char* Name;
        QPixmap Pixmap;
        QSize Size;
    };
    const TPicture pictures[] = {
        {"banner", BannerPixmap(), {590, 45}},
        {"logo", LogoPixmap(), {130, 40}},
        {"calibrate", ButtonPicture("calibrate"), {ButtonPictureSize, ButtonPictureSize}},
        {"paper", ButtonPicture("paper"), {ButtonPictureSize, ButtonPictureSize}},
        {"exit", ButtonPicture("exit"), {ButtonPictureSize, ButtonPictureSize}},
        {"about", AboutPicture(), {596, 440}},
        {"info", InfoPicture(), {596, 440}},
        {"tile", TileBackground(), {64, 64}},
        {"dialog banner", DialogBanner(), {413, 32}},
        {"calibration icon", CalibrationIcon(), {53, 50}},
        {"paper icon", PaperIcon(), {53, 50}},
    };
    for (const TPicture& p : pictures) {
        EXPECT_EQ(p.Pixmap.size(), p.Size) << p.Name;
        EXPECT_GE(DistinctColours(p.Pixmap), 2) << p.Name;
    }
    EXPECT_GE(DistinctColours(AboutPicture()), 50);
    EXPECT_GE(DistinctColours(InfoPicture()), 50);
}

TEST(Artwork, UnknownButtonPictureIsEmptyButSized)
{
    const QPixmap p = ButtonPicture("nonsense");
    EXPECT_EQ(p.size(), QSize(ButtonPictureSize, ButtonPictureSize));
    EXPECT_EQ(DistinctColours(p), 1);
}

TEST(Artwork, AboutPictureIsDarkBehindTheNameAndLightBehindTheScrollingText)
{
    const QImage about = AboutPicture().toImage();
    // The picture sits at (14, -4): the name labels (408..576, 7..37) and the
    // scrolling text (287..572, 157..319) in the picture's coordinates.
    for (const QPoint& p : {QPoint(408 - 14 + 20, 7 + 4 + 5), QPoint(576 - 14 - 5, 37 + 4 - 3)})
        EXPECT_LT(about.pixelColor(p).lightness(), 90) << p.x() << "," << p.y();
    for (const QPoint& p : {QPoint(287 - 14 + 5, 157 + 4 + 5), QPoint(572 - 14 - 5, 319 + 4 - 5)})
        EXPECT_GT(about.pixelColor(p).lightness(), 200) << p.x() << "," << p.y();
    // The maker's notice at (443, 55) stands on a light ground.
    EXPECT_GT(about.pixelColor(443 - 14 + 40, 55 + 4 + 6).lightness(), 200);
}
