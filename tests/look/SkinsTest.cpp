// Skins: each applies without a style sheet warning, keeps the fixed layout,
// and the owner-drawn tabs keep their rules.
#include "ImageProbe.h"
#include "MainWindowView.h"
#include "PageControl.h"
#include "Skins.h"
#include "TabDrawing.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QPushButton>
#include <QStyle>
#include <gtest/gtest.h>

namespace {

QStringList Warnings;

void Collect(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        Warnings << message;
}

struct TSkinFixture : ::testing::Test {
    QWidget Form;
    TMainWindowView View;
    QtMessageHandler Previous = nullptr;
    void SetUp() override
    {
        BuildMainWindowView(&Form, View);
        View.CaptionPanel->show();
        View.Notebook->setCurrentIndex(NotebookColorMeasurement);
        View.PGC2->DrawTab = [this](QPainter& p, int index, const QRect& rect, bool active) {
            DrawPageTab(p, rect, View.PGC2->Caption(index), active, true, false, View.PGC2->TabFill());
        };
        Form.show();
        Warnings.clear();
        Previous = qInstallMessageHandler(Collect);
    }
    void TearDown() override
    {
        qInstallMessageHandler(Previous);
        ApplySkin(0);
    }
};

} // namespace

TEST(Skins, FiveNamedSkins)
{
    EXPECT_EQ(SkinCount(), 5);
    EXPECT_EQ(SkinNames().size(), 5);
    EXPECT_EQ(SkinNames().removeDuplicates(), 0);
    EXPECT_TRUE(SkinStyleSheet(0).isEmpty());
    EXPECT_TRUE(SkinStyleSheet(6).isEmpty());
    for (int i = 1; i <= 5; ++i) {
        EXPECT_FALSE(SkinStyleSheet(i).isEmpty()) << i;
        EXPECT_FALSE(SkinStyleSheet(i).contains('@')) << "unfilled colour in skin " << i;
    }
}

TEST_F(TSkinFixture, EverySkinAppliesCleanlyAndKeepsTheLayout)
{
    View.PGC1->SetCurrentIndex(2);
    QApplication::processEvents();
    const QRect button = View.Button1->geometry();
    const QRect combo = View.ComboBox1->geometry();
    const QRect tab = View.PGC0->TabRect(7);
    for (int skin : {1, 2, 3, 4, 5, 0, 3}) {
        ApplySkin(skin);
        QApplication::processEvents();
        Form.grab();
        EXPECT_EQ(CurrentSkin(), skin);
        EXPECT_EQ(View.Button1->geometry(), button) << skin;
        EXPECT_EQ(View.ComboBox1->geometry(), combo) << skin;
        EXPECT_EQ(View.PGC0->TabRect(7), tab) << skin;
        EXPECT_EQ(Form.size(), QSize(600, 560));
        // Inherited fonts survive the change of style sheet.
        EXPECT_EQ(View.Button1->font().pixelSize(), 11) << skin;
        EXPECT_EQ(View.PGC0->font().pixelSize(), 11) << skin;
    }
    EXPECT_TRUE(Warnings.isEmpty()) << Warnings.join('\n').toStdString();
}

TEST_F(TSkinFixture, PlainLookComesBackAfterASkin)
{
    ApplySkin(2);
    QApplication::processEvents();
    EXPECT_NE(View.PGC0->TabFill(), QColor(0xEE, 0xEE, 0xEE));
    ApplySkin(0);
    QApplication::processEvents();
    EXPECT_EQ(CurrentSkin(), 0);
    EXPECT_EQ(View.PGC0->TabFill(), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(QApplication::palette().color(QPalette::Window), QColor(0xEE, 0xEE, 0xEE));
    ApplySkin(42); // unknown: the plain look
    EXPECT_EQ(CurrentSkin(), 0);
}

TEST_F(TSkinFixture, TabRulesHoldInEverySkin)
{
    View.PGC1->SetCurrentIndex(1);
    View.PGC2->SetCurrentIndex(2);
    for (int skin = 0; skin <= 5; ++skin) {
        ApplySkin(skin);
        QApplication::processEvents();
        const QImage image = View.PGC2->grab().toImage();
        EXPECT_TRUE(AnyPixel(image, View.PGC2->TabContentRect(2), IsNavyInk)) << skin;
        EXPECT_TRUE(AnyPixel(image, View.PGC2->TabContentRect(2), [](QColor c) { return c == QColor(Qt::white); }))
            << skin;
        EXPECT_TRUE(AnyPixel(image, View.PGC2->TabContentRect(0), IsBlackInk)) << skin;
        EXPECT_FALSE(AnyPixel(image, View.PGC2->TabContentRect(0), IsNavyInk)) << skin;
    }
}

TEST_F(TSkinFixture, FixedColoursStayInEverySkin)
{
    for (int skin = 1; skin <= 5; ++skin) {
        ApplySkin(skin);
        QApplication::processEvents();
        EXPECT_EQ(View.CaptionPanel->palette().color(QPalette::Window), QColor(Qt::white)) << skin;
        EXPECT_EQ(View.DGvCB1->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80)) << skin;
        EXPECT_EQ(View.VerL->palette().color(QPalette::WindowText), QColor(0xE4, 0x14, 0x1A)) << skin;
    }
}

TEST_F(TSkinFixture, WindowBackgroundFollowsTheSkin)
{
    ApplySkin(3);
    QApplication::processEvents();
    const QColor skin = QApplication::palette().color(QPalette::Window);
    EXPECT_NE(skin, QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(Form.palette().color(QPalette::Window), skin);
    EXPECT_EQ(View.ButtonBar->palette().color(QPalette::Window), skin);
    const QImage image = Form.grab().toImage();
    // Between the page frame and the buttons of the bar.
    EXPECT_EQ(image.pixelColor(300, 515), skin);
    ApplySkin(0);
    QApplication::processEvents();
    EXPECT_EQ(Form.palette().color(QPalette::Window), QColor(0xEE, 0xEE, 0xEE));
    EXPECT_EQ(Form.grab().toImage().pixelColor(300, 515), QColor(0xEE, 0xEE, 0xEE));
}
