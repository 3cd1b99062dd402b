// The main window's state and handlers (see MainForm.h): creation and
// destruction, the start-up sequence, the measurement loop, the idle
// handler, navigation, the Setup tab and the paper measurement.
#include "MainForm.h"

#include "CMS.h"
#include "CalibrWin.h"
#include "Config.h"
#include "DensitometryPages.h"
#include "Eye1lib.h"
#include "EyeOne.h"
#include "ICCPage.h"
#include "LanguageChooser.h"
#include "MeasureLogHost.h"
#include "MeasureP.h"
#include "PageControl.h"
#include "ScrollText.h"
#include "Settings.h"
#include "Skins.h"
#include "SpectroPages.h"
#include "StatusPanels.h"
#include "TData.h"
#include "TabDrawing.h"
#include "TransformCache.h"
#include "Translations.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStringDecoder>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {

constexpr int LanguageNotChosen = -99;
constexpr int PrintCurveStepPauseMs = 150;

// Top-level tab positions.
constexpr int DensitometryTab = 0;
constexpr int SpectroTab = 1;
constexpr int SetupTab = 2;
constexpr int AboutTab = 3;

constexpr int IccConversionPage = 4;
constexpr int PrintCurvePage = 4;

// The nine lines of the instrument information, label and option key.
struct TInfoLine {
    const char* Label;
    const char* Key;
};
const TInfoLine InfoLines[] = {
    {"VERSION ....................: ", "Version"},
    {"SERIAL NUMBER ..............: ", "SerialNumber"},
    {"LAST CALIBRATION ...........: ", "LastCalibrationTime"},
    {"CALIBRATIONS NUMBER ........: ", "LastCalibrationCounter"},
    {"FILTER .....................: ", "PhysicalFilter"},
    {"CONNECTED...................: ", "Connection"},
    {"MEASUREMENT MODE ...........: ", "MeasurementMode"},
    {"COLOR AUTO RECOGNITION .....: ", "Recognition"},
    {"LAST ERROR .................: ", "LastError"},
};

void SetSpin(QSpinBox* box, int value)
{
    if (!box)
        return;
    // The setting stays as it is even when the field cannot show it.
    const QSignalBlocker block(box);
    box->setValue(value);
}

void SetList(QComboBox* box, int index)
{
    if (!box)
        return;
    const QSignalBlocker block(box);
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
}

void SetCheck(QCheckBox* box, bool checked)
{
    if (!box)
        return;
    const QSignalBlocker block(box);
    box->setChecked(checked);
}

}  // namespace

// ---------------------------------------------------------------------------
// Creation and destruction

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    BuildMainWindowView(this, V);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(100);
    TimerS = new QTimer(this);
    TimerS->setObjectName(QStringLiteral("TimerS"));
    TimerS->setInterval(1000);
    TimerBL = new QTimer(this);
    TimerBL->setObjectName(QStringLiteral("TimerBL"));
    TimerBL->setInterval(500);
    connect(Timer, &QTimer::timeout, this, &TMainForm::TimerTimer);
    connect(TimerS, &QTimer::timeout, this, &TMainForm::TimerSTimer);
    connect(TimerBL, &QTimer::timeout, this, &TMainForm::TimerBLTimer);
    PrintCurvePause = new QTimer(this);
    PrintCurvePause->setObjectName(QStringLiteral("PrintCurvePause"));
    PrintCurvePause->setSingleShot(true);

    ChooseLanguage = [this](int currentId) -> std::optional<int> {
        QList<TLanguageEntry> entries;
        for (const TLanguage& language : AvailableLanguages())
            entries.push_back({language.Id, language.Name});
        return TLanguageChooser::Choose(entries, currentId, this);
    };
    DownArrowHeld = [this] { return DownKeyDown; };

    // The measurement pages inside the view's empty page widgets.
    Densito = std::make_unique<TDensitometryPages>(*this, V.DensitometryPages, nullptr);
    ICC = new TICCPage(*this, V.SpectroPages[IccConversionPage], this);
    Spectro = std::make_unique<TSpectroPages>(*this, V.SpectroPages, TSpectroChoosers{V.SpColCB, V.IllCB, V.ObsCB});
    Spectro->ConditionsChanged = [this] { SetStatus(2, [] { return QString::fromStdString(ConditionsText()); }); };

    ConnectControls();
    FormCreate();
}

void TMainForm::FormCreate()
{
    EyeOne::LoadInstrumentLibrary();  // every operation tests the handle itself
    LoadSettings();
    LogHost = std::make_unique<TMeasureLogHost>(V.SetupPages[0]);
    Sample = std::make_unique<TData>(EmptySpectrum);
    Measure = std::make_unique<TData>(EmptySpectrum);
    if (Config.LanguageId != LanguageNotChosen)
        SwitchLanguage(Config.LanguageId);
    setWindowTitle(Title);
    InitControls();
    V.ProgNameL->setText(Title);
    V.VersL->setText(Version());
    InitColorManagement();
    TabCaptions.clear();
    V.VerL->setText(VersionLine(Version()));
    // The idle handler: each time the event queue has been emptied. The
    // dispatcher announces it before it waits, so nothing spins while idle.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, &TMainForm::AppIdle);
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm()
{
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance(thread()))
        disconnect(dispatcher, nullptr, this, nullptr);
    qApp->removeEventFilter(this);
    Timer->stop();
    TimerS->stop();
    TimerBL->stop();
    EndSession();  // when the window was never closed
    TabCaptions.clear();
    Densito.reset();
    Sample.reset();
    Measure.reset();
}

void TMainForm::ConnectControls()
{
    V.PGC1->DrawTab = [this](QPainter& p, int i, const QRect& r, bool a) { PGC1DrawTab(p, i, r, a); };
    V.PGC0->DrawTab = [this](QPainter& p, int i, const QRect& r, bool a) { PGC0DrawTab(p, i, r, a); };
    V.PGC2->DrawTab = [this](QPainter& p, int i, const QRect& r, bool a) { PGC2DrawTab(p, i, r, a); };
    V.PGC4->DrawTab = [this](QPainter& p, int i, const QRect& r, bool a) { PGC4DrawTab(p, i, r, a); };
    connect(V.PGC1, &TPageControl::CurrentChanged, this, &TMainForm::PGC1Change);
    connect(V.PGC0, &TPageControl::CurrentChanged, this, &TMainForm::PGC0Change);
    connect(V.PGC2, &TPageControl::CurrentChanged, this, &TMainForm::PGC2Change);

    connect(V.CalibBtn, &QToolButton::clicked, this, &TMainForm::CalibBtnClick);
    connect(V.PaperMeasBtn, &QToolButton::clicked, this, &TMainForm::PaperMeasBtnClick);
    connect(V.DelBtn, &QToolButton::clicked, this, &TMainForm::DelBtnClick);

    // A choice in a list: the operator's, never the code's own setting.
    connect(V.CBS, &QComboBox::activated, this, &TMainForm::CBSChange);
    connect(V.CBR, &QComboBox::activated, this, &TMainForm::CBRChange);
    connect(V.ComboBox1, &QComboBox::activated, this, &TMainForm::ComboBox1Change);
    connect(V.DecimalsED, &QSpinBox::textChanged, this, &TMainForm::DecimalsEDChange);
    connect(V.Button1, &QPushButton::clicked, this, &TMainForm::Button1Click);
    connect(V.Button2, &QPushButton::clicked, this, &TMainForm::Button2Click);

    TDensitometryPages* d = Densito.get();
    connect(V.DGvCB1, &QCheckBox::toggled, d, &TDensitometryPages::DGvCB1Click);
    connect(V.DGvCB2, &QCheckBox::toggled, d, &TDensitometryPages::DGvCB2Click);
    connect(V.DGvCB3, &QCheckBox::toggled, d, &TDensitometryPages::DGvCB3Click);
    connect(V.DGed1, &QSpinBox::textChanged, d, &TDensitometryPages::DGed1Change);
    connect(V.DGed2, &QSpinBox::textChanged, d, &TDensitometryPages::DGed2Change);
    connect(V.DGed3, &QSpinBox::textChanged, d, &TDensitometryPages::DGed3Change);
    connect(V.Ked1, &QSpinBox::textChanged, d, &TDensitometryPages::Ked1Change);
    connect(V.DGCEd1, &QSpinBox::textChanged, d, &TDensitometryPages::DGCEd1Change);
    connect(V.DGCEd2, &QSpinBox::textChanged, d, &TDensitometryPages::DGCEd2Change);
    connect(V.DGCEd3, &QSpinBox::textChanged, d, &TDensitometryPages::DGCEd3Change);

    for (QWidget* w : {V.CaptionPanel, static_cast<QWidget*>(V.TitleL), static_cast<QWidget*>(V.Image1)})
        w->installEventFilter(this);
}

TMeasurePDlg* TMainForm::PaperDialog()
{
    if (!Paper)
        CreatePaperDialog();
    return Paper;
}

void TMainForm::CreatePaperDialog()
{
    if (Paper)
        return;
    Paper = new TMeasurePDlg(this);
    Paper->ProgramTitle = [this] { return Title; };
}

// ---------------------------------------------------------------------------
// Status bar

void TMainForm::SetStatus(int panel, std::function<QString()> text)
{
    if (panel < 0 || panel >= TStatusPanels::PanelCount)
        return;
    StatusSources[panel] = std::move(text);
    const QString shown = StatusSources[panel] ? StatusSources[panel]() : QString();
    if (shown == V.StatusBar->Text(panel))
        return;
    V.StatusBar->SetText(panel, shown);
    if (StatusObserver)
        StatusObserver(panel, shown);
}

QString TMainForm::StatusText(int panel) const
{
    return V.StatusBar->Text(panel);
}

// ---------------------------------------------------------------------------
// Start-up sequence

void TMainForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TMainForm::FormShow()
{
    TimerS->start();
    FocusDummy();
}

void TMainForm::ProcessPendingEvents()
{
    QCoreApplication::processEvents();
}

void TMainForm::TimerSTimer()
{
    TimerS->stop();
    Timer->stop();
    if (Closing)
        return;

    if (Config.LanguageId == LanguageNotChosen && ChooseLanguage) {
        if (const std::optional<int> id = ChooseLanguage(Config.LanguageId)) {
            Config.LanguageId = *id;
            SwitchLanguage(*id);
        }
        if (Closing)
            return;  // the window closed while the chooser was open
    }

    SetStatus(0, [] { return tr("Searching instrument..."); });
    ProcessPendingEvents();

    if (CheckInstrument() == ResultNoInstrument) {
        V.PGC1->SetTabVisible(DensitometryTab, true);
        V.PGC1->SetTabVisible(SpectroTab, true);
        V.PGC1->SetTabVisible(SetupTab, true);
        ShowPage(V.PGC1, DensitometryTab);
        FinishStartup();
        // Once: a second search without instrument does not mark it again.
        const QString demo = QStringLiteral(" demo");
        if (!Title.endsWith(demo))
            Title += demo;
        V.TitleL->setText(Title);
        V.TitleL->adjustSize();
        SetStatus(1, [] { return tr("I1 not connected"); });
        SetStatus(0, [] { return tr("Instrument not found"); });
        V.LogoD->show();
        V.CaptionPanel->show();
        V.Notebook->setCurrentIndex(NotebookColorMeasurement);
    } else {
        V.CalibBtn->show();
        const QString serial = DriverText(InstrumentSerial);
        SetStatus(1, [serial] { return tr("EyeOne sn. ") + serial; });
        SetStatus(0, [] { return tr("Instrument found"); });
        FinishStartup();
        SetDefaultOptions();
        SetStatus(0, [] { return tr("Calibration..."); });
        ProcessPendingEvents();
        const bool calibrated = RunCalibrationDialog() == TInstrumentDialog::mrOk;
        if (calibrated)
            SetStatus(2, [] { return tr("Calibrated"); });
        if (Config.DensityReference == 1 && calibrated) {
            MeasurePaper();
            PaperPending = false;  // whether or not the paper was measured
        } else {
            SetStatus(0, [] { return tr("Ready..."); });
        }
        if (!Closing)
            Timer->start();
    }
    if (StartupFinished)
        StartupFinished();
}

void TMainForm::FinishStartup()
{
    V.PGC1->SetTabVisible(DensitometryTab, true);
    V.PGC1->SetTabVisible(SpectroTab, true);
    ShowPage(V.PGC1, DensitometryTab);
    TabCaptions.clear();
    for (int i = 0; i < V.PGC1->Count(); ++i)
        TabCaptions << V.PGC1->Caption(i);
    setWindowTitle(Title);
    SetStatus(2, [] { return QString::fromStdString(ConditionsText()); });
    const QString title = Title;
    SetStatus(3, [title] { return title + QStringLiteral(" - ") + Version() + QStringLiteral(" "); });
    QGuiApplication::setApplicationDisplayName(Title);
    V.TitleL->setText(Title);
    V.TitleL->adjustSize();
    V.PGC1->update();
    V.LogoD->show();
    V.CaptionPanel->show();
    PageTitle = V.PGC0->Caption(V.PGC0->CurrentIndex());
    V.Notebook->setCurrentIndex(NotebookColorMeasurement);
}

int TMainForm::RunCalibrationDialog()
{
    if (Closing)
        return TInstrumentDialog::mrCancel;
    if (!CalibrDlg)
        CalibrDlg = new TCalibrDlg(this);
    CalibrDlg->Timer->start();
    CalibrDlg->SetMessage(TCalibrDlg::PlateMessage());
    return CalibrDlg->exec();
}

// ---------------------------------------------------------------------------
// Measurement loop

int TMainForm::ActiveTag() const
{
    return V.PGC1->Tag(V.PGC1->CurrentIndex());
}

void TMainForm::TimerTimer()
{
    Timer->stop();
    bool handled = false;
    if (AwaitingRelease) {
        // The press handled before is still down: the next press counts only
        // once the button has been seen up.
        if (EyeOne::I1_KeyPressed() != 0)
            AwaitingRelease = false;
    } else if (EyeOne::I1_KeyPressed() == 0) {
        SetStatus(0, [] { return tr("Measure..."); });
        ProcessPendingEvents();
        switch (ActiveTag()) {
        case 0:
            if (PaperPending) {
                MeasurePaper();
                break;
            }
            switch (V.PGC0->CurrentIndex()) {
            case 0:
            case 1: MeasureDensityPage(); break;
            case 2: MeasureDensityDiffPage(); break;
            case 3: MeasureDotGainPage(); break;
            case 4: MeasurePrintCurvePage(); break;
            case 5: MeasureDotGainCurvePage(); break;
            case 6: MeasureDotAreaPage(); break;
            case 7: MeasurePrintContrastPage(); break;
            case 8: MeasureTrappingPage(); break;
            case 9: MeasureHueErrorPage(); break;
            case 10: MeasureGraynessPage(); break;
            default: break;
            }
            break;
        case 1:
            if (V.PGC2->CurrentIndex() == IccConversionPage)
                MeasureICCPage();
            else
                MeasureSpectroPage();
            break;
        default:  // Setup: the press is used up
            break;
        }
        SetStatus(0, [this] { return LogHost->StatusAfterMeasurement(tr("Ready...")); });
        // One press is handled once: a button still down is waited for by the
        // later turns, one question to the driver each, while the window
        // paints what the handler has just set.
        AwaitingRelease = EyeOne::I1_KeyPressed() == 0;
        handled = true;
    }
    if (handled && PressHandled)
        PressHandled();
    if (!Closing)
        Timer->start();
}

void TMainForm::Dispatched(const char* handler)
{
    if (DispatchObserver)
        DispatchObserver(handler);
}

void TMainForm::MeasureDensityPage()
{
    Dispatched("MeasureDensityPage");
    Densito->MeasureDensityPage();
}

void TMainForm::MeasureDensityDiffPage()
{
    Dispatched("MeasureDensityDiffPage");
    Densito->MeasureDensityDiffPage();
}

void TMainForm::MeasureDotGainPage()
{
    Dispatched("MeasureDotGainPage");
    Densito->MeasureDotGainPage();
}

void TMainForm::MeasurePrintCurvePage()
{
    Dispatched("MeasurePrintCurvePage");
    Densito->MeasurePrintCurvePage();
}

void TMainForm::MeasureDotGainCurvePage()
{
    Dispatched("MeasureDotGainCurvePage");
    Densito->MeasureDotGainCurvePage();
}

void TMainForm::MeasureDotAreaPage()
{
    Dispatched("MeasureDotAreaPage");
    Densito->MeasureDotAreaPage();
}

void TMainForm::MeasurePrintContrastPage()
{
    Dispatched("MeasurePrintContrastPage");
    Densito->MeasurePrintContrastPage();
}

void TMainForm::MeasureTrappingPage()
{
    Dispatched("MeasureTrappingPage");
    Densito->MeasureTrappingPage();
}

void TMainForm::MeasureHueErrorPage()
{
    Dispatched("MeasureHueErrorPage");
    Densito->MeasureHueErrorPage();
}

void TMainForm::MeasureGraynessPage()
{
    Dispatched("MeasureGraynessPage");
    Densito->MeasureGraynessPage();
}

void TMainForm::MeasureSpectroPage()
{
    Dispatched("MeasureSpectroPage");
    Spectro->MeasureSpectroPage(V.PGC2->CurrentIndex());
}

void TMainForm::MeasureICCPage()
{
    Dispatched("MeasureICCPage");
    ICC->MeasureICCPage();
}

void TMainForm::ReadingAccepted(const TAcceptedReading& reading)
{
    LogHost->ReadingAccepted(reading);
}

void TMainForm::AppIdle()
{
    if (windowTitle() != PageTitle)
        setWindowTitle(PageTitle);
    if (DownArrowHeld && ActiveTag() == 0 && V.PGC1->CurrentIndex() == DensitometryTab
        && V.PGC0->CurrentIndex() == PrintCurvePage && DownArrowHeld()) {
        // A readable pace without stopping the window: no step while the
        // pause after the last one runs; its end wakes the idle handler.
        if (PrintCurvePause->isActive())
            return;
        Densito->PrintCurveStepDown();
        PrintCurveRow = Densito->PrintCurveModel().Step;
        PrintCurvePause->start(PrintCurveStepPauseMs);
    }
}

void TMainForm::CalibBtnClick()
{
    if (CheckInstrument() == ResultNoInstrument)
        return;
    Timer->stop();
    // The instrument may have been plugged in after a start without it.
    const QString serial = DriverText(InstrumentSerial);
    SetStatus(1, [serial] { return tr("EyeOne sn. ") + serial; });
    SetStatus(0, [] { return tr("Instrument found"); });
    SetStatus(0, [] { return tr("Calibration..."); });
    ProcessPendingEvents();
    SetDefaultOptions();
    RunCalibrationDialog();
    if (!Closing)
        Timer->start();
    SetStatus(0, [] { return tr("Ready..."); });
}

void TMainForm::DelBtnClick()
{
    close();
}

void TMainForm::MeasurePaper()
{
    Dispatched("MeasurePaper");
    Config.PaperMeasured = false;
    SetStatus(0, [] { return TMeasurePDlg::PaperMessage(); });
    Timer->stop();
    if (!Closing) {
        TMeasurePDlg* dialog = PaperDialog();
        dialog->Timer->start();
        dialog->exec();
    }
    if (Config.PaperMeasured) {
        TAcceptedReading paper{"Paper", std::nullopt, -1, std::array<double, 36>{}};
        for (int i = 0; i < SpectrumSize; ++i)
            (*paper.Spectrum)[std::size_t(i)] = PaperDialog()->SubstrateSpectrum[std::size_t(i)];
        ReadingAccepted(paper);
        SetStatus(0, [this] { return LogHost->StatusAfterMeasurement(tr("Ready...")); });
        PaperPending = false;
    }
    if (!Closing)
        Timer->start();
}

void TMainForm::PaperMeasBtnClick()
{
    MeasurePaper();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Closing ends every dialog of the window, so that nothing waits on.
    const bool firstClose = !Closing;  // the word about the log is said once
    Closing = true;
    Timer->stop();
    TimerS->stop();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
    if (firstClose && LogHost && EndOfSessionMessage) {
        const QString message = LogHost->EndOfSession();
        if (!message.isEmpty())
            EndOfSessionMessage(message);
    }
    EndSession();
    QWidget::closeEvent(event);
}

void TMainForm::EndSession()
{
    // FormDestroy's work, done once as the window closes: the settings are
    // written while it still shows, so that a message about them belongs to
    // a visible window.
    if (SessionEnded)
        return;
    SessionEnded = true;
    EyeOne::FreeInstrumentLibrary();
    SaveSettings();
    ReleaseColorTransforms();
}

// ---------------------------------------------------------------------------
// Settings controls and the Setup tab

void TMainForm::CBSChange(int index)
{
    Config.DensityStandardFilter = index;
    FocusDummy();
}

void TMainForm::CBRChange(int index)
{
    FocusDummy();
    Config.DensityReference = index;
    if (index == 1) {
        SetStatus(0, [] { return TMeasurePDlg::PaperMessage(); });
        ProcessPendingEvents();
        PaperPending = true;
    } else if (index == 0) {
        EyeOne::I1_SetOption("Colorimetric.WhiteBase", "Absolute");
    }
}

void TMainForm::DecimalsEDChange(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok)
        Config.Decimals = value;
}

void TMainForm::ComboBox1Change(int index)
{
    Config.SkinIndex = index;
    // 0 switches the skin engine off; the language stays as it is.
    ApplySkin(index);
    FocusDummy();
}

void TMainForm::Button1Click()
{
    if (!ChooseLanguage)
        return;
    const std::optional<int> id = ChooseLanguage(Config.LanguageId);
    if (!id)
        return;  // cancelled: nothing changes
    Config.LanguageId = *id;
    SwitchLanguage(*id);
    V.StatusBar->update();
    update();
}

QString TMainForm::DriverText(const std::string& text)
{
    const QByteArray bytes = QByteArray::fromStdString(text);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString decoded = utf8(bytes);
    if (utf8.hasError())
        decoded = QString::fromLatin1(bytes);  // single-byte text of the driver
    for (QChar& c : decoded)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char(' ');
    return decoded;
}

void TMainForm::Button2Click()
{
    V.MemoI1->clear();
    for (const TInfoLine& line : InfoLines)
        V.MemoI1->appendPlainText(QString::fromLatin1(line.Label) + DriverText(EyeOne::I1_GetOption(line.Key)));
}

// ---------------------------------------------------------------------------
// First state and navigation

void TMainForm::ShowPage(TPageControl* control, int index)
{
    const QSignalBlocker block(control);
    control->SetCurrentIndex(index);
}

void TMainForm::InitControls()
{
    ShowPage(V.PGC1, DensitometryTab);
    ShowPage(V.PGC2, 0);

    SetList(V.SpColCB, Config.SpaceColor);
    SetList(V.IllCB, Config.Illuminant);
    SetList(V.ObsCB, Config.Observer);
    // The current viewing conditions follow the settings they can use; an
    // index outside the tables keeps the default and stays in the settings.
    if (Config.SpaceColor >= 0 && Config.SpaceColor < ColorSpaceCount)
        CurColorSpace = static_cast<TColorSpace>(Config.SpaceColor);
    if (Config.Illuminant >= 0 && Config.Illuminant < IlluminantCount)
        CurIlluminant = static_cast<TIlluminant>(Config.Illuminant);
    if (Config.Observer >= 0 && Config.Observer < ObserverCount)
        CurObserver = static_cast<TObserver>(Config.Observer);
    SetList(V.CBS, Config.DensityStandardFilter);
    SetList(V.CBR, Config.DensityReference);
    PaperPending = Config.DensityReference == 1;
    SetSpin(V.DecimalsED, Config.Decimals);
    SetSpin(V.DGed1, Config.Dot1);
    SetSpin(V.DGed2, Config.Dot2);
    SetSpin(V.DGed3, Config.Dot3);
    SetCheck(V.DGvCB1, Config.Dot1Visible);
    SetCheck(V.DGvCB2, Config.Dot2Visible);
    SetCheck(V.DGvCB3, Config.Dot3Visible);
    Densito->ApplySettings();
    SetSpin(V.DGCEd1, Config.DotGainCurve1);
    SetSpin(V.DGCEd2, Config.DotGainCurve2);
    SetSpin(V.DGCEd3, Config.DotGainCurve3);
    SetSpin(V.Ked1, Config.DotContrast1);
    SetList(V.ComboBox1, Config.SkinIndex);
    ApplySkin(Config.SkinIndex > 0 ? Config.SkinIndex : 0);

    Config.PaperMeasured = false;
    Densito->Reset();  // also FilterCB "Auto" and FilterChoice 0
    ICC->InitControls();
    Spectro->InitControls();

    V.PGC1->SetTabVisible(SpectroTab, false);
    ShowPage(V.PGC0, 0);
    V.Notebook->setCurrentIndex(NotebookInfo);
}

void TMainForm::PGC1Change(int index)
{
    V.ScrollText->Stop();
    V.ScrollText->Restart();
    switch (index) {
    case DensitometryTab: PageTitle = V.PGC0->Caption(V.PGC0->CurrentIndex()); break;
    case SpectroTab: PageTitle = V.PGC2->Caption(V.PGC2->CurrentIndex()); break;
    case SetupTab: PageTitle = V.PGC4->Caption(V.PGC4->CurrentIndex()); break;
    case AboutTab:
        PageTitle = V.PGC1->Caption(AboutTab);
        V.ScrollText->Restart();
        V.ScrollText->Start();
        break;
    default: break;
    }
    FocusDummy();
    const bool tagZero = V.PGC1->Tag(index) == 0;
    if (tagZero && !TimerBL->isActive())
        TimerBL->start();  // not stopped when another tab becomes active
    V.PaperMeasBtn->setVisible(tagZero);
}

void TMainForm::PGC0Change(int index)
{
    PageTitle = V.PGC0->Caption(index);
    if (index >= 0 && index <= 2) {
        TimerBL->stop();  // the frame keeps the visibility it had
    } else if (index >= 3 && index < V.PGC0->Count()) {
        BlinkShape = Densito->BlinkFrame(index);
        if (!TimerBL->isActive())
            TimerBL->start();
    }
}

void TMainForm::PGC2Change(int index)
{
    PageTitle = V.PGC2->Caption(index);
}

void TMainForm::PGC1DrawTab(QPainter& painter, int index, const QRect& rect, bool active)
{
    const QString caption = TabCaptions.value(index);
    if (active && index < TabCaptions.size())
        setWindowTitle(caption);  // until the next idle turn puts PageTitle back
    DrawPageTab(painter, rect, caption, active, false, true, V.PGC1->TabFill());
}

void TMainForm::PGC0DrawTab(QPainter& painter, int index, const QRect& rect, bool active)
{
    DrawPageTab(painter, rect, V.PGC0->Caption(index), active, false, true, V.PGC0->TabFill());
}

void TMainForm::PGC2DrawTab(QPainter& painter, int index, const QRect& rect, bool active)
{
    DrawPageTab(painter, rect, V.PGC2->Caption(index), active, true, false, V.PGC2->TabFill());
}

void TMainForm::PGC4DrawTab(QPainter& painter, int index, const QRect& rect, bool active)
{
    DrawPageTab(painter, rect, V.PGC4->Caption(index), active, true, false, V.PGC4->TabFill());
}

void TMainForm::TimerBLTimer()
{
    if (BlinkShape)
        BlinkShape->setHidden(!BlinkShape->isHidden());
}

void TMainForm::FormKeyDown(int key)
{
    if (key != Qt::Key_Space)
        return;
    if (ActiveTag() == 0) {
        const int next = (V.PGC0->CurrentIndex() + 1) % V.PGC0->Count();
        ShowPage(V.PGC0, next);
        PGC0Change(next);
    }
    if (ActiveTag() == 1) {
        const int next = (V.PGC2->CurrentIndex() + 1) % V.PGC2->Count();
        ShowPage(V.PGC2, next);
        PGC2Change(next);
    }
}

void TMainForm::CaptionPanelMouseMove(Qt::MouseButtons buttons)
{
    ProcessPendingEvents();
    if ((buttons & Qt::LeftButton) && windowHandle()) {
        if (QWidget* grabber = QWidget::mouseGrabber())
            grabber->releaseMouse();
        windowHandle()->startSystemMove();
    }
}

bool TMainForm::IsKeyDeliveredAgain(const QKeyEvent& key, QWidget* target) const
{
    // Never by the event's address: Qt makes every key event of the
    // platform in the same place, so a new key would pass for the old one.
    const QWidget* last = LastKey.Target;
    if (!last || last == target || !(target->isAncestorOf(last) || last->isAncestorOf(target)))
        return false;
    return key.type() == LastKey.Type && key.key() == LastKey.Key && key.modifiers() == LastKey.Modifiers
        && key.timestamp() == LastKey.Timestamp && key.isAutoRepeat() == LastKey.AutoRepeat
        && key.text() == LastKey.Text;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* target = qobject_cast<QWidget*>(watched);
        if (!target || target->window() != this)
            break;
        // Seen once, at the control it was meant for, before that control.
        if (IsKeyDeliveredAgain(*key, target))
            break;
        LastKey = {event->type(), key->key(), key->modifiers(), key->timestamp(),
                   key->isAutoRepeat(), key->text(), target};
        if (key->key() == Qt::Key_Down && !key->isAutoRepeat())
            DownKeyDown = event->type() == QEvent::KeyPress;
        if (event->type() == QEvent::KeyPress)
            FormKeyDown(key->key());
        break;
    }
    case QEvent::WindowDeactivate:
        if (watched == this)
            DownKeyDown = false;
        break;
    case QEvent::MouseMove:
        if (watched == V.CaptionPanel || watched == V.TitleL || watched == V.Image1) {
            CaptionPanelMouseMove(static_cast<QMouseEvent*>(event)->buttons());
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------
// Languages

void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

void TMainForm::Retranslate()
{
    RetranslateMainWindowView(V);
    if (LogHost)
        LogHost->Retranslate();
    if (Densito)
        Densito->Retranslate();
    // The one text the window sets itself that has words in it.
    V.VerL->setText(VersionLine(Version()));
    for (int panel = 0; panel < TStatusPanels::PanelCount; ++panel)
        if (StatusSources[panel])
            SetStatus(panel, StatusSources[panel]);
    // The page showing keeps its caption in the new language; the top-level
    // tabs keep the captions captured at the last start-up.
    if (!PageTitle.isEmpty()) {
        switch (V.PGC1->CurrentIndex()) {
        case DensitometryTab: PageTitle = V.PGC0->Caption(V.PGC0->CurrentIndex()); break;
        case SpectroTab: PageTitle = V.PGC2->Caption(V.PGC2->CurrentIndex()); break;
        case SetupTab: PageTitle = V.PGC4->Caption(V.PGC4->CurrentIndex()); break;
        case AboutTab: PageTitle = V.PGC1->Caption(AboutTab); break;
        default: break;
        }
    }
}

// ---------------------------------------------------------------------------
// TPageHost

void TMainForm::EnableStartupTimer()
{
    TimerS->start();
}

void TMainForm::SetBlinkShape(QWidget* frame)
{
    BlinkShape = frame;
}

void TMainForm::FocusDummy()
{
    V.Dummy->setFocus();
}

TData* TMainForm::SampleData()
{
    return Sample.get();
}

TData* TMainForm::MeasureData()
{
    return Measure.get();
}
