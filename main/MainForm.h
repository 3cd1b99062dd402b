// TMainForm: the main window. It holds the window's state and timers, runs
// the start-up sequence that finds and calibrates the instrument and the
// measurement loop that hands every press of the instrument's button to the
// page that is showing, and owns the handlers of the frame, the navigation
// and the Setup tab. Its widgets come from the view (look/MainWindowView.h),
// the measurement pages from their page groups.
#pragma once

#include "MainWindowView.h"
#include "PageHost.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QEvent>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QKeyEvent;
class QPainter;
class QTimer;
class TCalibrDlg;
class TData;
class TDensitometryPages;
class TICCPage;
class TMeasureLogHost;
class TSpectroPages;
class TMeasurePDlg;

class TMainForm : public QWidget, public TPageHost {
    Q_OBJECT
public:
    // Creation: the view, the page groups, then the creation steps (FormCreate).
    explicit TMainForm(QWidget* parent = nullptr);
    // FormDestroy: unloads the driver library, then writes the settings.
    ~TMainForm() override;

    // The program's version, shown on the About and Info pages and in the status bar.
    static QString Version() { return QStringLiteral("1.0.0"); }

    TMainWindowView V;
    std::unique_ptr<TDensitometryPages> Densito;
    TICCPage* ICC = nullptr;
    std::unique_ptr<TMeasureLogHost> LogHost;  // the measurement log and its Main setup controls
    std::unique_ptr<TSpectroPages> Spectro;

    QTimer* Timer = nullptr;   // measurement loop, 100 ms
    QTimer* TimerS = nullptr;  // start-up sequence, 1000 ms
    QTimer* TimerBL = nullptr; // blinking step frame, 500 ms

    bool PaperPending = false;
    QString PageTitle;
    QStringList TabCaptions;
    QPointer<QWidget> BlinkShape;
    QString Title = QStringLiteral("Kelvora");  // " demo" is appended without an instrument
    int PrintCurveRow = 0;                       // the print curve page's step (0 .. 9) after the last idle step

    TCalibrDlg* CalibrDlg = nullptr;  // created on first need
    // The paper dialog; the program creates it at start, a form made by a
    // test gets one on first use.
    TMeasurePDlg* PaperDialog();
    void CreatePaperDialog();

    // ---- Start-up and measurement loop
    void FormShow();
    void TimerSTimer();
    void FinishStartup();
    void TimerTimer();
    void AppIdle();
    void CalibBtnClick();
    void DelBtnClick();
    void MeasurePaper();
    void PaperMeasBtnClick();

    // Measurement handlers the loop dispatches to.
    void MeasureDensityPage();
    void MeasureDensityDiffPage();
    void MeasureDotGainPage();
    void MeasurePrintCurvePage();
    void MeasureDotGainCurvePage();
    void MeasureDotAreaPage();
    void MeasurePrintContrastPage();
    void MeasureTrappingPage();
    void MeasureHueErrorPage();
    void MeasureGraynessPage();
    void MeasureSpectroPage();
    void MeasureICCPage();

    // ---- Settings controls and the Setup tab
    void CBSChange(int index);
    void CBRChange(int index);
    void DecimalsEDChange(const QString& text);
    void ComboBox1Change(int index);
    void Button1Click();
    void Button2Click();

    // ---- Navigation
    void InitControls();
    void PGC1Change(int index);
    void PGC0Change(int index);
    void PGC2Change(int index);
    void PGC1DrawTab(QPainter& painter, int index, const QRect& rect, bool active);
    void PGC0DrawTab(QPainter& painter, int index, const QRect& rect, bool active);
    void PGC2DrawTab(QPainter& painter, int index, const QRect& rect, bool active);
    void PGC4DrawTab(QPainter& painter, int index, const QRect& rect, bool active);
    void TimerBLTimer();
    void FormKeyDown(int key);
    void CaptionPanelMouseMove(Qt::MouseButtons buttons);

    // Status bar panel `panel` := text. The text is kept as a function, so
    // that it follows a language switch.
    void SetStatus(int panel, std::function<QString()> text);
    QString StatusText(int panel) const;

    // ---- Hooks (the program installs the real ones; tests replace them)
    // Every status panel change: panel and new text (the --trace option).
    std::function<void(int panel, const QString& text)> StatusObserver;
    // Every measurement handler the loop or a button runs, by its name.
    std::function<void(const char* handler)> DispatchObserver;
    // The language chooser: the confirmed language id, or nothing.
    std::function<std::optional<int>(int currentId)> ChooseLanguage;
    // Whether the Down-arrow key is held at this moment.
    std::function<bool()> DownArrowHeld;
    // Runs once each time the start-up sequence has ended.
    std::function<void()> StartupFinished;
    // The closing window's word about the measurement log (where it is, or
    // what was not written); the program shows it in a message box.
    std::function<void(const QString& message)> EndOfSessionMessage;
    // Runs after each press the measurement loop has handled, once the
    // button is up again, before the loop polls anew (the loop is still off).
    std::function<void()> PressHandled;

    // TPageHost
    void EnableStartupTimer() override;
    void SetBlinkShape(QWidget* frame) override;
    void FocusDummy() override;
    TData* SampleData() override;
    TData* MeasureData() override;
    void ReadingAccepted(const TAcceptedReading& reading) override;

    // The texts of the driver as the window shows them (single-byte or UTF-8
    // text, control characters as blanks).
    static QString DriverText(const std::string& text);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void ConnectControls();
    void Retranslate();
    int ActiveTag() const;
    int RunCalibrationDialog();
    void Dispatched(const char* handler);
    // Shows a page without running its change handler (as code does).
    static void ShowPage(class TPageControl* control, int index);
    static void ProcessPendingEvents();

    std::unique_ptr<TData> Sample;
    std::unique_ptr<TData> Measure;
    QPointer<TMeasurePDlg> Paper;
    std::array<std::function<QString()>, 4> StatusSources;
    bool Closing = false;
    // Unloads the driver library and writes the settings, once per run.
    void EndSession();
    bool SessionEnded = false;
    // A handled press whose release has not been seen yet: the later turns
    // of the loop ask for the release instead of a new press, so one press
    // is handled once and the window paints while the button is down.
    bool AwaitingRelease = false;
    bool DownKeyDown = false;  // tracked from key events (Qt cannot ask the keyboard)
    // The pause between two print curve row steps while Down is held; when it
    // ends, the idle handler runs again.
    QTimer* PrintCurvePause = nullptr;

    // The key event the filter saw last. Qt hands a key the focused control
    // ignores on to its parents as the same event; those deliveries carry
    // the same key, type and time and go to a widget related to the last one.
    struct TKeySeen {
        QEvent::Type Type = QEvent::None;
        int Key = 0;
        Qt::KeyboardModifiers Modifiers;
        quint64 Timestamp = 0;
        bool AutoRepeat = false;
        QString Text;
        QPointer<QWidget> Target;
    };
    TKeySeen LastKey;
    bool IsKeyDeliveredAgain(const QKeyEvent& key, QWidget* target) const;
};
