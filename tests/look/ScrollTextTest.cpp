// TScrollText: steps of a pass, start, stop and restart, painting with shadow.
#include "ImageProbe.h"
#include "ScrollText.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QPaintEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

TEST(ScrollText, StepsThroughOnePassAndWraps)
{
    TScrollText text;
    text.resize(285, 162);
    text.SetText("Kelvora");
    EXPECT_EQ(text.Steps(), 1500);
    EXPECT_EQ(text.Step(), 0);
    EXPECT_DOUBLE_EQ(text.TextTop(), 162.0); // enters at the bottom
    text.Advance(750);
    EXPECT_EQ(text.Step(), 750);
    EXPECT_NEAR(text.TextTop(), 162.0 - (162.0 + text.TextHeight()) / 2, 1e-9);
    text.Advance(749);
    EXPECT_EQ(text.Step(), 1499);
    EXPECT_LT(text.TextTop(), -text.TextHeight() + 1.0); // nearly gone at the top
    text.Advance(1);
    EXPECT_EQ(text.Step(), 0);
    text.Advance(0);
    text.Advance(-5);
    EXPECT_EQ(text.Step(), 0);
}

TEST(ScrollText, SetStepWrapsIntoOnePass)
{
    TScrollText text;
    for (const auto& [set, expected] : {std::pair{0, 0}, {1499, 1499}, {1500, 0}, {1600, 100}, {-1, 1499}, {-3001, 1499}}) {
        text.SetStep(set);
        EXPECT_EQ(text.Step(), expected) << set;
    }
}

TEST(ScrollText, RunsOnlyBetweenStartAndStop)
{
    TScrollText text;
    text.resize(285, 162);
    text.SetText("Kelvora");
    EXPECT_FALSE(text.IsRunning());
    QCoreApplication::processEvents();
    EXPECT_EQ(text.Step(), 0);

    text.Start();
    EXPECT_TRUE(text.IsRunning());
    QDeadlineTimer deadline(10000);
    while (text.Step() < 3 && !deadline.hasExpired())
        QTest::qWait(20);
    EXPECT_GE(text.Step(), 3);

    text.Stop();
    EXPECT_FALSE(text.IsRunning());
    const int stoppedAt = text.Step();
    QTest::qWait(120);
    EXPECT_EQ(text.Step(), stoppedAt);
}

TEST(ScrollText, RestartReturnsToTheBeginningAndKeepsTheRunningState)
{
    TScrollText text;
    text.Advance(300);
    text.Restart();
    EXPECT_EQ(text.Step(), 0);
    EXPECT_FALSE(text.IsRunning());
    text.Start();
    text.Advance(10);
    text.Restart();
    EXPECT_EQ(text.Step(), 0);
    EXPECT_TRUE(text.IsRunning());
    text.Stop();
}

TEST(ScrollText, PaintsTextWithAShadowAndLeavesTheBackgroundAlone)
{
    QWidget parent;
    parent.resize(300, 180);
    parent.setAutoFillBackground(true);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, Qt::white);
    parent.setPalette(p);
    auto* text = new TScrollText(&parent);
    text->setGeometry(0, 0, 285, 162);
    text->SetText("KELVORA KELVORA\nKELVORA KELVORA\nKELVORA KELVORA");
    text->Advance(500); // the text in the middle of the box
    const QImage image = parent.grab().toImage();
    EXPECT_TRUE(AnyPixel(image, image.rect(), [](QColor c) { return Near(c, QColor(0x37, 0x37, 0x37), 6); }));
    EXPECT_TRUE(AnyPixel(image, image.rect(), [](QColor c) { return Near(c, QColor(0xCF, 0xCF, 0xCF), 6); }));
    EXPECT_EQ(image.pixelColor(2, 2), QColor(Qt::white)); // transparent where there is no text
    EXPECT_EQ(text->font().pixelSize(), 13);
    EXPECT_TRUE(text->font().bold());
}

// A step repaints only when the text has moved by a whole pixel, and then
// only the rows the text covers.
TEST(ScrollText, RepaintsOnlyWhatMoves)
{
    QWidget parent;
    parent.resize(300, 180);
    auto* text = new TScrollText(&parent);
    text->setGeometry(0, 0, 285, 162);
    text->SetText("Kelvora");  // one line
    text->Advance(300);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    QCoreApplication::processEvents();

    struct TPaints : QObject {
        std::vector<QRect> Rects;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                Rects.push_back(static_cast<QPaintEvent*>(e)->rect());
            return false;
        }
    } paints;
    text->installEventFilter(&paints);
    const int steps = 30;
    const double travel = text->TextTop();
    for (int i = 0; i < steps; ++i) {
        text->Advance(1);
        QCoreApplication::processEvents();
    }
    const double moved = travel - text->TextTop();  // pixels over the steps
    ASSERT_GT(moved, 1.0);
    ASSERT_LT(moved, steps);
    EXPECT_LE(int(paints.Rects.size()), int(std::ceil(moved)) + 1);
    EXPECT_GE(int(paints.Rects.size()), 1);
    for (const QRect& r : paints.Rects)
        EXPECT_LT(r.height(), text->TextHeight() + 8) << "a whole repaint of " << r.height() << " rows";
    text->removeEventFilter(&paints);

    // What the steps painted bit by bit is what a whole repaint gives.
    const QImage shown = parent.screen()->grabWindow(parent.winId()).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage whole = parent.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(shown.isNull());
    ASSERT_EQ(shown.size(), whole.size());
    EXPECT_TRUE(AnyPixel(shown, shown.rect(), [](QColor c) { return Near(c, QColor(0x37, 0x37, 0x37), 6); }));
    EXPECT_TRUE(shown == whole);
}
