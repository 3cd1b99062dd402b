// The real main window in a benchmark: an offscreen QApplication, the
// simulated instrument, the window shown, and one press of the instrument's
// button taken from the moment the loop sees it to the moment the window
// has painted what the page's handler set.
//
//   TPageBench bench;                        // window shown, instrument ready
//   bench.ShowDensitometryPage(3);           // or ShowSpectroPage(index)
//   for (auto _ : state)
//       bench.PressAndPaint(state, "cyan");  // press, loop turn, paint
//
// A benchmark for another page needs only its page index and the patches
// that make its handler change something (see bench_pages.cpp).
#pragma once

#include "BenchApplication.h"

#include "../tests/support/SimControl.h"

#include "Config.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "MainForm.h"
#include "PageControl.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace benchsupport {

// Counts the paint events of the widgets on the page that shows.
class TPaintCounter : public QObject {
public:
    int Paints = 0;
    QPointer<QWidget> Page;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && Page)
            if (auto* widget = qobject_cast<QWidget*>(watched); widget && Page->isAncestorOf(widget))
                ++Paints;
        return false;
    }
};

class TPageBench {
public:
    // `settings`: lines of the settings file's [Settings] section.
    explicit TPageBench(const QByteArray& settings = "Density reference=0\n")
    {
        GuiApplication();
        SetExeFolderOverride(Folder.path());
        QFile file(Folder.path() + QStringLiteral("/") + SettingsFileName());
        if (file.open(QIODevice::WriteOnly))
            file.write("[Settings]\nLanguage Id=1033\n" + settings);
        file.close();
        EyeOne::SetLibraryName(QStringLiteral(KV_SIM_DIR "/libEYEONE.so"));
        Sim = std::make_unique<TSimControl>(QStringLiteral(KV_SIM_DIR "/libEYEONE.so"));
        Sim->Reset();
        Config = ConfigType{};
        Form = std::make_unique<TMainForm>();
        Form->TimerS->stop();
        Form->FinishStartup();
        Form->PaperPending = false;
        Form->show();
        QCoreApplication::processEvents();
        Form->TimerS->stop();
        Form->Timer->stop();  // the benchmark turns the loop itself
        qApp->installEventFilter(&Counter);
    }

    ~TPageBench()
    {
        qApp->removeEventFilter(&Counter);
        Form.reset();
        EyeOne::FreeInstrumentLibrary();
        SetExeFolderOverride(QString());
    }

    void ShowDensitometryPage(int index)
    {
        Form->V.PGC1->SetCurrentIndex(0);
        Form->V.PGC0->SetCurrentIndex(index);
        Counter.Page = Form->V.DensitometryPages[std::size_t(index)];
        Settle();
    }

    void ShowSpectroPage(int index)
    {
        Form->V.PGC1->SetCurrentIndex(1);
        Form->V.PGC2->SetCurrentIndex(index);
        Counter.Page = Form->V.SpectroPages[std::size_t(index)];
        Settle();
    }

    // Everything pending painted and done.
    static void Settle()
    {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }

    // One press: the patch under the instrument (not timed), then the loop's
    // turn that sees the press and runs the page's handler, and the window's
    // paint of what changed. Counts as a failure when nothing on the page
    // was painted (the handler ignored the press).
    void PressAndPaint(benchmark::State& state, const std::string& patch)
    {
        state.PauseTiming();
        Prepare(patch);
        state.ResumeTiming();
        TurnAndPaint();
        state.PauseTiming();
        if (!Finish())
            state.SkipWithError("the press painted nothing");
        state.ResumeTiming();
    }

    // The same outside the timed loop (a first round before timing).
    bool PressAndPaint(const std::string& patch)
    {
        Prepare(patch);
        TurnAndPaint();
        return Finish();
    }

private:
    void Prepare(const std::string& patch)
    {
        Sim->PlacePatch(patch);
        Sim->Press();
        Counter.Paints = 0;
    }

    void TurnAndPaint()
    {
        Form->TimerTimer();
        QCoreApplication::sendPostedEvents();  // the update requests: the paint
    }

    bool Finish()
    {
        Form->Timer->stop();
        const bool painted = Counter.Paints > 0;
        Settle();
        return painted;
    }

public:
    QTemporaryDir Folder;
    std::unique_ptr<TSimControl> Sim;
    std::unique_ptr<TMainForm> Form;
    TPaintCounter Counter;
};

}  // namespace benchsupport
