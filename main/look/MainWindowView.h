// The main window's view: every widget of the frame and of the Setup, About
// and Info pages with its object name, position and size (pixels at 96 dpi),
// font and colour, plus the empty measurement pages that their page groups
// fill. No behaviour lives here: the main window connects the signals.
#pragma once

#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QToolButton;
class QWidget;
class TPageControl;
class TScrollText;
class TStatusPanels;

struct TMainWindowView {
    QWidget* CaptionPanel = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* TitleL = nullptr;
    QLabel* LogoD = nullptr;
    QStackedWidget* Notebook = nullptr;            // index 0 "Color Measurement" (holds PGC1), 1 "Info"
    TPageControl* PGC1 = nullptr;                  // TabSheet1 (tag 0), TabSheet2 (tag 1), TabSheet5 (tag 2), TabSheet3 (tag 0)
    QWidget *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet5 = nullptr, *TabSheet3 = nullptr;
    TPageControl *PGC0 = nullptr, *PGC2 = nullptr, *PGC4 = nullptr;
    std::array<QWidget*, 11> DensitometryPages{};  // empty page widgets of PGC0, captions set
    std::array<QWidget*, 6> SpectroPages{};        // empty page widgets of PGC2 (ICC page = index 4)
    std::array<QWidget*, 3> SetupPages{};          // PGC4 pages, filled with their controls
    QToolButton *CalibBtn = nullptr, *PaperMeasBtn = nullptr, *DelBtn = nullptr;
    QPushButton* Dummy = nullptr;                  // focus sink at x = -105
    TStatusPanels* StatusBar = nullptr;
    // Main setup: Button1 ("Language"), ComboBox1, Button2 ("I1 info"), MemoI1 (QPlainTextEdit)
    QPushButton *Button1 = nullptr, *Button2 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPlainTextEdit* MemoI1 = nullptr;
    // Densitometry settings
    QSpinBox *DecimalsED = nullptr, *DGed1 = nullptr, *DGed2 = nullptr, *DGed3 = nullptr, *DGCEd1 = nullptr,
             *DGCEd2 = nullptr, *DGCEd3 = nullptr, *Ked1 = nullptr;
    QCheckBox *DGvCB1 = nullptr, *DGvCB2 = nullptr, *DGvCB3 = nullptr;
    QComboBox *CBR = nullptr, *CBS = nullptr;
    // Spectro settings
    QComboBox *SpColCB = nullptr, *IllCB = nullptr, *ObsCB = nullptr;
    // About / Info
    QLabel *ProgNameL = nullptr, *VersL = nullptr, *VerL = nullptr;
    TScrollText* ScrollText = nullptr;

    // Further pieces of the frame, for the main window and for tests.
    QWidget* Form = nullptr;             // the widget the view was built in
    QWidget* MainPanel = nullptr;        // lowered panel inside the 2-pixel border
    QWidget* ButtonBar = nullptr;
    QWidget* ColorMeasurementPage = nullptr; // notebook page 0
    QWidget* InfoPage = nullptr;             // notebook page 1
    QLabel* Image2 = nullptr;            // Info picture
    QLabel* Image3 = nullptr;            // About picture
    QLabel* AboutNoticeL = nullptr;      // maker's notice on the About tab
    QLabel* InfoNoticeL = nullptr;       // maker's notice on the Info page
    QLabel* DGCL1 = nullptr;             // "DOT Value 1".."DOT Value 3" of the dot gain curve group (DGCValueL1..3)
    QLabel* DGCL2 = nullptr;
    QLabel* DGCL3 = nullptr;
};

// Notebook page indexes.
inline constexpr int NotebookColorMeasurement = 0;
inline constexpr int NotebookInfo = 1;

// Builds the whole widget tree inside `form` (client area 600 x 560) with every object name.
// The controls get no values from the settings here; the main window's InitControls does that.
void BuildMainWindowView(QWidget* form, TMainWindowView& view);
// Re-applies every translatable text of the view (after a language switch). PGC1's page
// captions are updated too, but its tabs draw the main window's TabCaptions, so what they
// show changes only when the start-up sequence captures the captions again.
// The texts the main window sets itself (TitleL, ProgNameL, VersL, VerL) are left alone.
// List choices keep their selected index.
void RetranslateMainWindowView(TMainWindowView& view);

// The captions of the four top-level tabs, in the current language
// (densitometry, spectro, "Setup", "About").
QString DensitometryTabCaption();
QString SpectroTabCaption();

// The maker, the notice lines and the Info page's version line.
QString MakerName();                                 // "Kelvora Colour Systems"
QString MakerNotice();                               // translated notice naming the maker
QString VersionLine(const QString& version);         // e.g. "Version 1.0.0 - Kelvora Colour Systems"
QString AboutPresentation();                         // the About page's scrolling text

// Centres a top-level window on the screen it is on (or the primary screen).
void CenterOnScreen(QWidget* window);
