// The paint box that shows a chart, and the chart fonts.
#include "Fonts.h"
#include "Graphs01.h"
#include "PaintBox.h"

#include <QApplication>
#include <QFontInfo>
#include <QMouseEvent>
#include <gtest/gtest.h>

TEST(PaintBox, PaintsThroughTheHandlerWithItsArea)
{
    QWidget panel;
    panel.resize(600, 400);
    TPaintBox box(&panel);
    box.setGeometry(3, 3, 573, 331);
    EXPECT_EQ(box.DrawingArea(), AreaAt(3, 3, 573, 331));
    TDrawingArea seen;
    QString face;
    box.SetPaintHandler([&](TCanvas& c) {
        seen = c.Area();
        face = c.FontFace();
        DrawReflectanceGrid(c);
        c.SetBrushColor(ChartColor::Red);
        c.FillRect(TRect{0, 0, 2, 2});
    });
    const QImage image = box.Render();
    EXPECT_EQ(seen, box.DrawingArea());
    EXPECT_EQ(face, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(image.size(), QSize(573, 331));
    EXPECT_EQ(image.pixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(image.pixel(2, 2), 0xFFFFFFFFu);
    // The light grey band above 100 % inside the plot.
    EXPECT_EQ(image.pixel(100, 30), 0xFFEEEEEEu);

    // A real paint event draws the same.
    panel.show();
    const QImage grabbed = box.grab().toImage();
    EXPECT_EQ(grabbed.pixel(100, 30), 0xFFEEEEEEu);
}

TEST(PaintBox, MouseMovesReachTheHandlerWithTheKeys)
{
    TPaintBox box;
    box.resize(100, 100);
    std::vector<std::tuple<Qt::KeyboardModifiers, int, int>> moves;
    box.SetMouseMoveHandler([&](Qt::KeyboardModifiers keys, int x, int y) { moves.emplace_back(keys, x, y); });
    EXPECT_TRUE(box.hasMouseTracking());
    QMouseEvent plain(QEvent::MouseMove, QPointF(12, 34), QPointF(12, 34), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&box, &plain);
    QMouseEvent ctrl(QEvent::MouseMove, QPointF(56, 7), QPointF(56, 7), Qt::NoButton, Qt::NoButton,
                     Qt::ControlModifier);
    QApplication::sendEvent(&box, &ctrl);
    ASSERT_EQ(moves.size(), 2u);
    EXPECT_EQ(moves[0], std::make_tuple(Qt::KeyboardModifiers(Qt::NoModifier), 12, 34));
    EXPECT_EQ(moves[1], std::make_tuple(Qt::KeyboardModifiers(Qt::ControlModifier), 56, 7));
}

TEST(PaintBox, ChartFacesMapToInstalledFonts)
{
    struct TCase {
        const char* Face;
        QString Family;
    } const cases[] = {
        {"MS Sans Serif", SansSerifFamily()},
        {"Small Font", SmallFontFamily()},
        {"Small Fonts", SmallFontFamily()},
        {"No Such Face", SansSerifFamily()},
    };
    for (const TCase& c : cases) {
        const QFont font = ChartFont(QString::fromLatin1(c.Face), 8);
        EXPECT_EQ(font.pixelSize(), 11) << c.Face;
        EXPECT_EQ(QFontInfo(font).family(), c.Family) << c.Face;
    }
}
