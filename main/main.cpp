// Program entry: sets the application title, creates the main window and
// the paper dialog and runs the event loop until the main window closes.
//
//   kelvora [--exe-folder DIR] [--language ID] [--screenshots DIR] [--tour DIR
//            [--tour-presses LIST]] [--wait-limit MS] [--trace] [--exit-after MS]
//
// --exe-folder DIR   DIR takes the role of the executable's folder (settings
//                    file, display profile); KELVORA_EXE_FOLDER does the same.
// --language ID      switches to language ID (1033 English, 1040 Italian, 1031
//                    German) and keeps it, so the first start asks for none;
//                    for sessions run by a scenario without anybody to answer.
// --screenshots DIR  once the start-up sequence has ended, saves a picture of
//                    every page in every skin into DIR, then closes the window.
// --tour DIR         once the start-up sequence has ended, goes through every
//                    page by its tabs, waits on the pages named by
//                    --tour-presses for their presses of the instrument's
//                    button, saves a picture of each page into DIR, then
//                    closes the window (TTour).
// --tour-presses LIST  PAGE=N,...: page object names in the order to visit,
//                    with the presses each waits for (DensityPage=5,...).
// --wait-limit MS    with --screenshots or --tour: a dialog nobody answers,
//                    or a page whose presses stop coming, waits at most MS
//                    milliseconds (default 20000).
// --trace            prints every change of a status panel, every
//                    measurement handler run and the page labels it changed
//                    to standard output.
// --exit-after MS    closes the main window after MS milliseconds, as the
//                    Exit button does (the settings are written; a failure
//                    to write them goes to standard error only).
#include "Config.h"
#include "DialogWatch.h"
#include "Eye1lib.h"
#include "MainForm.h"
#include "MainWindowView.h"
#include "Screenshots.h"
#include "Settings.h"
#include "Tour.h"
#include "TourPlan.h"
#include "Translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <map>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Kelvora"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Kelvora"));
    QCoreApplication::setApplicationVersion(TMainForm::Version());

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Kelvora: colour quality control for the press room"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption exeFolder(QStringLiteral("exe-folder"),
                                       QStringLiteral("Use DIR in place of the executable's folder."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Save a picture of every page into DIR after start-up."),
                                         QStringLiteral("DIR"));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Print every status bar change to standard output."));
    const QCommandLineOption exitAfter(QStringLiteral("exit-after"),
                                       QStringLiteral("Close the main window after MS milliseconds."),
                                       QStringLiteral("MS"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Use language ID (1033 English, 1040 Italian, 1031 German)."),
                                      QStringLiteral("ID"));
    const QCommandLineOption tour(QStringLiteral("tour"),
                                  QStringLiteral("Go through every page, measuring where planned, and save a picture of each into DIR."),
                                  QStringLiteral("DIR"));
    const QCommandLineOption tourPresses(QStringLiteral("tour-presses"),
                                         QStringLiteral("The tour's plan: PAGE=N,... (page object names, presses each page waits for)."),
                                         QStringLiteral("LIST"));
    const QCommandLineOption waitLimit(QStringLiteral("wait-limit"),
                                       QStringLiteral("With --screenshots or --tour: wait at most MS milliseconds for a dialog's answer or a press (default 20000)."),
                                       QStringLiteral("MS"));
    parser.addOptions({exeFolder, language, screenshots, tour, tourPresses, waitLimit, trace, exitAfter});
    parser.process(app);

    if (parser.isSet(screenshots) && parser.isSet(tour)) {
        std::fprintf(stderr, "kelvora: --screenshots and --tour cannot be used together\n");
        return 2;
    }
    QList<TTourStop> tourPlan;
    if (parser.isSet(tourPresses)) {
        QString error;
        const auto plan = ParseTourPresses(parser.value(tourPresses), &error);
        if (!plan || !parser.isSet(tour)) {
            std::fprintf(stderr, "kelvora: --tour-presses: %s\n",
                         plan ? "needs --tour DIR" : qPrintable(error));
            return 2;
        }
        tourPlan = *plan;
    }
    int waitLimitMs = 20000;
    if (parser.isSet(waitLimit)) {
        bool ok = false;
        waitLimitMs = parser.value(waitLimit).toInt(&ok);
        if (!ok || waitLimitMs < 0) {
            std::fprintf(stderr, "kelvora: --wait-limit needs a number of milliseconds, not \"%s\"\n",
                         qPrintable(parser.value(waitLimit)));
            return 2;
        }
    }

    if (parser.isSet(exeFolder)) {
        QDir().mkpath(parser.value(exeFolder));  // a fresh folder for a scripted session
        SetExeFolderOverride(parser.value(exeFolder));
    }
    int languageId = 0;
    if (parser.isSet(language)) {
        bool ok = false;
        languageId = parser.value(language).toInt(&ok);
        if (!ok || !IsLanguageAvailable(languageId)) {
            std::fprintf(stderr, "kelvora: --language: no language with the id \"%s\"\n",
                         qPrintable(parser.value(language)));
            return 2;
        }
    }
    int exitAfterMs = -1;
    if (parser.isSet(exitAfter)) {
        bool ok = false;
        exitAfterMs = parser.value(exitAfter).toInt(&ok);
        if (!ok || exitAfterMs < 0) {
            std::fprintf(stderr, "kelvora: --exit-after needs a number of milliseconds, not \"%s\"\n",
                         qPrintable(parser.value(exitAfter)));
            return 2;
        }
    }

    TMainForm form;
    // The settings are written as the window closes. With somebody in front
    // of a display, what could not be saved is shown in a box on the still
    // visible window; a timed run (--exit-after) or one without a display
    // says it on standard error only (the settings unit always does), so
    // that it always ends.
    const QString platform = QGuiApplication::platformName();
    const bool display = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    if (display && exitAfterMs < 0) {
        SettingsErrorReporter = [&form](const QString& message) {
            QMessageBox::critical(&form, QGuiApplication::applicationDisplayName(), message);
        };
    }
    form.CreatePaperDialog();
    // Where the session's measurement log is: on standard output in a timed
    // run (nobody is there to close a message box), otherwise in a message box.
    form.EndOfSessionMessage = [exitAfterMs](const QString& message) {
        if (exitAfterMs >= 0) {
            std::printf("%s\n", qPrintable(message));
            std::fflush(stdout);
        } else {
            QMessageBox::information(nullptr, QGuiApplication::applicationDisplayName(), message);
        }
    };
    if (languageId != 0) {
        Config.LanguageId = languageId;
        SwitchLanguage(languageId);
    }

    QElapsedTimer clock;
    clock.start();
    // With --trace, what a measurement changed on the pages follows its
    // handler: every named label whose text differs from before the handler.
    std::map<QString, QString> labelsBefore;
    bool handlerRan = false;
    const auto namedLabels = [&form] {
        std::map<QString, QString> texts;
        for (const QLabel* label : form.findChildren<QLabel*>())
            if (!label->objectName().isEmpty())
                texts[label->objectName()] = label->text();
        return texts;
    };
    if (parser.isSet(trace)) {
        form.StatusObserver = [&](int panel, const QString& text) {
            if (handlerRan && panel == 0) {
                handlerRan = false;
                for (const auto& [name, value] : namedLabels()) {
                    const auto before = labelsBefore.find(name);
                    if (before == labelsBefore.end() || before->second != value)
                        std::printf("%7lld ms    %s = %s\n", static_cast<long long>(clock.elapsed()),
                                    qPrintable(name), qPrintable(value));
                }
            }
            std::printf("%7lld ms  panel %d  %s\n", static_cast<long long>(clock.elapsed()), panel,
                        qPrintable(text));
            std::fflush(stdout);
        };
        form.DispatchObserver = [&](const char* handler) {
            labelsBefore = namedLabels();
            handlerRan = true;
            std::printf("%7lld ms  handler %s\n", static_cast<long long>(clock.elapsed()), handler);
            std::fflush(stdout);
        };
    }
    if (parser.isSet(screenshots)) {
        // Nobody answers the start-up dialogs of such a run: they are
        // cancelled after the wait limit, and the window closes once the
        // pictures are saved.
        new TDialogWatch(waitLimitMs, &form);
        const QString folder = parser.value(screenshots);
        // The flag lives in the handler itself: this block ends long before
        // the start-up sequence does.
        form.StartupFinished = [&form, folder, taken = false]() mutable {
            if (taken)
                return;
            taken = true;
            QTimer::singleShot(0, &form, [&form, folder] {
                TScreenshotOptions options;
                options.AllSkins = true;
                const QStringList files = SaveScreenshots(&form, folder, options);
                std::printf("%lld screenshots in %s\n", static_cast<long long>(files.size()), qPrintable(folder));
                std::fflush(stdout);
                form.close();
            });
        };
    }
    TTour* tourRun = nullptr;
    if (parser.isSet(tour)) {
        tourRun = new TTour(&form, parser.value(tour), tourPlan, waitLimitMs);
        if (!tourRun->UnknownPages().isEmpty()) {
            std::fprintf(stderr, "kelvora: --tour-presses: no page named %s; pages: %s\n",
                         qPrintable(tourRun->UnknownPages().join(QStringLiteral(", "))),
                         qPrintable(TTour::WindowPages(&form).join(QStringLiteral(", "))));
            return 2;
        }
    }
    if (exitAfterMs >= 0)
        QTimer::singleShot(exitAfterMs, &form, [&form] { form.close(); });

    CenterOnScreen(&form);
    form.show();
    const int result = app.exec();
    SettingsErrorReporter = nullptr;  // the window has gone: standard error only
    return result == 0 && tourRun ? tourRun->ExitCode() : result;
}
