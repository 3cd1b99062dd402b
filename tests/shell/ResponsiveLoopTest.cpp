// The main window under real use: keys from the platform reach it every
// time (press, release, press again), and a held instrument button is
// waited for by the loop's own timer, so the window paints meanwhile and
// the driver is asked only once per turn.
#include "MainFormSupport.h"

#include "PageControl.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>

#include <limits>

namespace {

using TAct = TOperator::TAct;

// The key as the platform sends it: to the shown window, through Qt's
// delivery to the focused control.
void PlatformKey(QWindow* window, Qt::Key key, bool press)
{
    if (press)
        QTest::keyPress(window, key);
    else
        QTest::keyRelease(window, key);
}

class RealKeys : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        ControlKeyHeld = [] { return true; };
        Create();
        Startup();
        ControlKeyHeld = [] { return false; };
        Form->show();
        Form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        Form->FocusDummy();
    }
    QWindow* Window() { return Form->windowHandle(); }
};

TEST_F(RealKeys, SpaceStepsThePagesAtEveryPress)
{
    ASSERT_NE(Window(), nullptr);
    for (int i = 1; i <= 12; ++i) {
        PlatformKey(Window(), Qt::Key_Space, true);
        PlatformKey(Window(), Qt::Key_Space, false);
        EXPECT_EQ(Form->V.PGC0->CurrentIndex(), i % 11) << "press " << i;
    }
    // The same on the spectro tab, and with the focus on another control.
    Form->V.PGC1->SetCurrentIndex(1);
    Form->V.MemoI1->setFocus();  // a control that takes Space itself
    for (int i = 1; i <= 3; ++i) {
        PlatformKey(Window(), Qt::Key_Space, true);
        PlatformKey(Window(), Qt::Key_Space, false);
        EXPECT_EQ(Form->V.PGC2->CurrentIndex(), i) << "press " << i;
    }
}

TEST_F(RealKeys, DownIsHeldFromItsPressToItsRelease)
{
    ASSERT_NE(Window(), nullptr);
    for (int round = 0; round < 3; ++round) {
        PlatformKey(Window(), Qt::Key_Down, true);
        EXPECT_TRUE(Form->DownArrowHeld()) << "round " << round;
        PlatformKey(Window(), Qt::Key_Down, false);
        EXPECT_FALSE(Form->DownArrowHeld()) << "round " << round;
    }
    // Another key between press and release changes nothing.
    PlatformKey(Window(), Qt::Key_Down, true);
    PlatformKey(Window(), Qt::Key_A, true);
    PlatformKey(Window(), Qt::Key_A, false);
    EXPECT_TRUE(Form->DownArrowHeld());
    PlatformKey(Window(), Qt::Key_Down, false);
    EXPECT_FALSE(Form->DownArrowHeld());
}

TEST_F(RealKeys, ARepeatedKeyFromTheKeyboardStepsAsOften)
{
    // Holding Space: the platform repeats the press, marked as a repeat.
    QTest::keyPress(Window(), Qt::Key_Space);
    for (int i = 0; i < 3; ++i)
        qt_handleKeyEvent(Window(), QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    EXPECT_EQ(Form->V.PGC0->CurrentIndex(), 4);
    QTest::keyRelease(Window(), Qt::Key_Space);
    // A held Down repeats too; it stays held until its own release.
    QTest::keyPress(Window(), Qt::Key_Down);
    qt_handleKeyEvent(Window(), QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier, QString(), true);
    qt_handleKeyEvent(Window(), QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, QString(), true);
    EXPECT_TRUE(Form->DownArrowHeld());
    QTest::keyRelease(Window(), Qt::Key_Down);
    EXPECT_FALSE(Form->DownArrowHeld());
}

// A key sent straight to a control and passed on to its parents is one key.
TEST_F(RealKeys, AKeyPassedOnToTheParentsCountsOnce)
{
    QWidget* inner = Form->V.PGC0;  // the page control ignores Space
    for (int i = 1; i <= 3; ++i) {
        SendKey(inner, Qt::Key_Space);
        EXPECT_EQ(Form->V.PGC0->CurrentIndex(), i);
    }
}

TEST_F(MainWindow, ThePrintCurveRowStepsAtAPaceWithoutStoppingTheWindow)
{
    ControlKeyHeld = [] { return true; };
    Create();
    Startup();
    bool held = true;
    Form->DownArrowHeld = [&] { return held; };
    Form->V.PGC0->SetCurrentIndex(4);
    Form->AppIdle();
    EXPECT_EQ(Form->PrintCurveRow, 1);
    // Within the pause nothing steps, and nothing waited.
    Form->AppIdle();
    Form->AppIdle();
    EXPECT_EQ(Form->PrintCurveRow, 1);
    // The pause's end wakes the idle handler, which steps again.
    ASSERT_TRUE(WaitUntil([&] { return Form->PrintCurveRow >= 2; }, 5000));
    held = false;
    RunEventLoop(400);
    const int row = Form->PrintCurveRow;
    RunEventLoop(400);
    EXPECT_EQ(Form->PrintCurveRow, row);
}

class HeldButton : public MainWindow {
protected:
    void SetUp() override
    {
        MainWindow::SetUp();
        WriteSettings("Density reference=0\n");
        Operator.Calibration = {TAct::Press};
        Create();
        Startup();
        ASSERT_TRUE(Form->Timer->isActive());
        Handlers.clear();
        Panel0.clear();
    }
};

TEST_F(HeldButton, IsHandledOnceAndAskedForOncePerTurn)
{
    Sim.Hold(std::numeric_limits<int>::max());
    Sim.ClearCallLog();
    Form->TimerTimer();  // the press, handled at once
    EXPECT_EQ(Handlers, (std::vector<std::string>{"MeasureDensityPage"}));
    EXPECT_EQ(Panel0, (QStringList{"Measure...", "Ready..."}));
    EXPECT_EQ(Sim.CallCount("I1_KeyPressed"), 2);  // the press, and once whether it is still down
    EXPECT_TRUE(Form->Timer->isActive());
    for (int turn = 0; turn < 5; ++turn)
        Form->TimerTimer();
    EXPECT_EQ(Sim.CallCount("I1_KeyPressed"), 7);
    EXPECT_EQ(Handlers.size(), 1u);
    EXPECT_EQ(Panel0.size(), 2);  // no status change while it is down
    Sim.Release();
    Form->TimerTimer();  // sees the button up; a press counts from the next turn
    EXPECT_EQ(Handlers.size(), 1u);
    PressAndTurn();
    EXPECT_EQ(Handlers.size(), 2u);
}

TEST_F(HeldButton, AShortPressIsOverWithinItsTurn)
{
    Sim.ClearCallLog();
    PressAndTurn();
    PressAndTurn();
    EXPECT_EQ(Handlers.size(), 2u);
    EXPECT_EQ(Sim.CallCount("I1_KeyPressed"), 4);
    EXPECT_FALSE(Sim.PressPending());
}

TEST_F(HeldButton, TheFiguresPaintWhileTheButtonIsDown)
{
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
    auto* label = Form->findChild<QLabel*>(QStringLiteral("DL1"));
    ASSERT_NE(label, nullptr);
    // Paints of the page's label after its handler ran.
    struct TPaintCounter : QObject {
        bool Armed = false;
        int Paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            Paints += Armed && e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    label->installEventFilter(&counter);
    Form->DispatchObserver = [&](const char* h) {
        Handlers.push_back(h);
        counter.Armed = true;
    };
    Sim.PlacePatch("magenta");
    Sim.Hold(std::numeric_limits<int>::max());
    Sim.ClearCallLog();
    // The loop runs by its timer, as in the program.
    ASSERT_TRUE(WaitUntil([&] { return counter.Paints > 0; }, 5000));
    EXPECT_EQ(Handlers.size(), 1u);
    EXPECT_TRUE(Sim.PressPending());  // still down
    RunEventLoop(600);
    // One question per turn of 100 ms, not a spin.
    EXPECT_LT(Sim.CallCount("I1_KeyPressed"), 40);
    EXPECT_EQ(Handlers.size(), 1u);
    Sim.Release();
    ASSERT_TRUE(WaitUntil([&] { return !Sim.PressPending(); }, 5000));
    Sim.Press();
    ASSERT_TRUE(WaitUntil([&] { return Handlers.size() == 2; }, 5000));
    label->removeEventFilter(&counter);
}

}  // namespace
