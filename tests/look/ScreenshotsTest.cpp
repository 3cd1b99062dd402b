// SaveScreenshots: one picture per page, the window put back as it was.
#include "MainWindowView.h"
#include "PageControl.h"
#include "ImageProbe.h"
#include "Screenshots.h"
#include "ScrollText.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Screenshots, OnePicturePerPageAndTheWindowPutBack)
{
    QWidget form;
    TMainWindowView view;
    BuildMainWindowView(&form, view);
    view.PGC1->SetTabVisible(1, false); // as at creation
    view.PGC0->SetCurrentIndex(3);
    view.ScrollText->SetStep(0);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList files = SaveScreenshots(&form, dir.path() + "/shots");
    // Info, eleven densitometry pages, six spectro pages, three setup pages, About.
    ASSERT_EQ(files.size(), 1 + 11 + 6 + 3 + 1);
    for (const QString& f : files) {
        QImage image(f);
        ASSERT_FALSE(image.isNull()) << f.toStdString();
        EXPECT_EQ(image.size(), QSize(600, 560)) << f.toStdString();
    }
    EXPECT_EQ(files.removeDuplicates(), 0);
    EXPECT_TRUE(QFileInfo(files.first()).fileName().contains("Info"));
    EXPECT_TRUE(files.join(' ').contains("DotGainPage"));
    // Put back.
    EXPECT_EQ(view.Notebook->currentIndex(), NotebookInfo);
    EXPECT_TRUE(view.CaptionPanel->isHidden());
    EXPECT_TRUE(view.LogoD->isHidden());
    EXPECT_FALSE(view.PGC1->IsTabVisible(1));
    EXPECT_EQ(view.PGC0->CurrentIndex(), 3);
    EXPECT_EQ(view.PGC1->CurrentIndex(), 0);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(view.ScrollText->Step(), 0);
    // The About picture shows the scrolling text's first lines.
    const QString about = files.last();
    ASSERT_TRUE(about.contains("TabSheet3"));
    const QImage image(about);
    const QPoint origin = view.ScrollText->mapTo(&form, QPoint(0, 0));
    bool ink = false;
    for (int y = 0; y < view.ScrollText->height() && !ink; ++y)
        for (int x = 0; x < view.ScrollText->width() && !ink; ++x)
            ink = Near(image.pixelColor(origin + QPoint(x, y)), QColor(0x37, 0x37, 0x37), 12);
    EXPECT_TRUE(ink);
}

TEST(Screenshots, EverySkinWhenAsked)
{
    QWidget form;
    TMainWindowView view;
    BuildMainWindowView(&form, view);
    QTemporaryDir dir;
    TScreenshotOptions options;
    options.AllSkins = true;
    const QStringList files = SaveScreenshots(&form, dir.path(), options);
    EXPECT_EQ(files.size(), 6 * 22);
    EXPECT_TRUE(files.join(' ').contains("skin5-"));
}

TEST(Screenshots, FolderThatCannotBeMadeGivesNothing)
{
    QWidget form;
    TMainWindowView view;
    BuildMainWindowView(&form, view);
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_TRUE(SaveScreenshots(&form, dir.path() + "/file/inside").isEmpty());
    EXPECT_TRUE(SaveScreenshots(nullptr, dir.path()).isEmpty());
}
