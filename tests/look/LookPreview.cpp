// A look at the main window's view without the main window behind it: builds
// the view into a plain widget and saves a picture of every page.
//   look_preview DIR [--all-skins] [--skin N] [--language ID]
#include "Artwork.h"
#include "MainWindowView.h"
#include "PageControl.h"
#include "Screenshots.h"
#include "Skins.h"
#include "ScrollText.h"
#include "StatusPanels.h"
#include "Translations.h"

#include <QPlainTextEdit>

#include <QApplication>
#include <QDir>
#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: look_preview DIR [--all-skins] [--skin N] [--language ID]\n");
        return 2;
    }
    if (args.contains(QLatin1String("--artwork"))) {
        // Every picture on its own, at four times its size for a close look.
        QDir().mkpath(args[1]);
        const std::pair<const char*, QPixmap> pictures[] = {
            {"banner", BannerPixmap()},          {"logo", LogoPixmap()},
            {"calibrate", ButtonPicture("calibrate")}, {"paper", ButtonPicture("paper")},
            {"exit", ButtonPicture("exit")},     {"tile", TileBackground()},
            {"dialog-banner", DialogBanner()},   {"calibration-icon", CalibrationIcon()},
            {"paper-icon", PaperIcon()},
        };
        for (const auto& [name, pixmap] : pictures)
            pixmap.scaled(pixmap.size() * 4).save(QDir(args[1]).filePath(QString::fromLatin1(name) + ".png"));
        return 0;
    }
    TScreenshotOptions options;
    int skin = 1;
    for (int i = 2; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--all-skins"))
            options.AllSkins = true;
        else if (args[i] == QLatin1String("--skin") && i + 1 < args.size())
            skin = args[++i].toInt();
        else if (args[i] == QLatin1String("--language") && i + 1 < args.size()) {
            if (!SwitchLanguage(args[++i].toInt())) {
                std::fprintf(stderr, "language %s is not available\n", qPrintable(args[i]));
                return 1;
            }
        }
    }
    ApplySkin(skin);
    QWidget form;
    form.setObjectName(QStringLiteral("MainForm"));
    TMainWindowView view;
    BuildMainWindowView(&form, view);
    form.setWindowTitle(QStringLiteral("Kelvora"));
    view.StatusBar->SetText(0, QCoreApplication::translate("TMainForm", "Ready..."));
    view.StatusBar->SetText(1, QStringLiteral("EyeOne sn. 123456"));
    view.StatusBar->SetText(2, QStringLiteral("CIELAB D50 2°"));
    view.StatusBar->SetText(3, QStringLiteral("Kelvora - 1.0.0 "));
    view.MemoI1->setPlainText(QStringLiteral("VERSION ....................: 1.0.0\nSERIAL NUMBER ..............: 123456"));
    const QStringList files = SaveScreenshots(&form, args[1], options);
    for (const QString& f : files)
        std::printf("%s\n", qPrintable(f));
    return files.isEmpty() ? 1 : 0;
}
