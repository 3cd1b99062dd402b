// Builds the main window's widget tree (see MainWindowView.h) and re-applies
// its texts after a language switch. Every text of the view is listed once,
// in the tables below, under the translation context "TMainForm".
#include "MainWindowView.h"

#include "Artwork.h"
#include "Fonts.h"
#include "PageControl.h"
#include "ScrollText.h"
#include "Skins.h"
#include "StatusPanels.h"
#include "TiledPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace {

const char* const Context = "TMainForm";

QString Tr(const char* source)
{
    return QCoreApplication::translate(Context, source);
}

// ---------------------------------------------------------------------------
// Texts

struct TNamedText {
    const char* Name;   // object name of the widget
    const char* Source; // its caption (label text, button caption, group title)
};

const TNamedText CaptionTexts[] = {
    {"CalibBtn", QT_TRANSLATE_NOOP("TMainForm", "Calibrate")},
    {"PaperMeasBtn", QT_TRANSLATE_NOOP("TMainForm", "Paper")},
    {"DelBtn", QT_TRANSLATE_NOOP("TMainForm", "Exit")},
    // Main setup
    {"MainSetupTitleL", QT_TRANSLATE_NOOP("TMainForm", "Main setup")},
    {"Button1", QT_TRANSLATE_NOOP("TMainForm", "Language")},
    {"UserInterfaceL", QT_TRANSLATE_NOOP("TMainForm", "User interface")},
    {"Button2", QT_TRANSLATE_NOOP("TMainForm", "I1 info")},
    // Densitometry settings
    {"DensitySetupTitleL", QT_TRANSLATE_NOOP("TMainForm", "Densitometry setup")},
    {"DecimalsGB", QT_TRANSLATE_NOOP("TMainForm", " Decimals ")},
    {"DecimalsL", QT_TRANSLATE_NOOP("TMainForm", "Amount of decimals places:")},
    {"DotGainGB", QT_TRANSLATE_NOOP("TMainForm", " Calculate DOT Gain on ")},
    {"DGVisibleL", QT_TRANSLATE_NOOP("TMainForm", "Visible")},
    {"DGValueL", QT_TRANSLATE_NOOP("TMainForm", "DOT Value")},
    {"DGvCB1", QT_TRANSLATE_NOOP("TMainForm", "DOT % 1")},
    {"DGvCB2", QT_TRANSLATE_NOOP("TMainForm", "DOT % 2")},
    {"DGvCB3", QT_TRANSLATE_NOOP("TMainForm", "DOT % 3")},
    {"DGPercentL1", "%"},
    {"DGPercentL2", "%"},
    {"DGPercentL3", "%"},
    {"DotGainCurveGB", QT_TRANSLATE_NOOP("TMainForm", " Calculate DOT Gain curve on ")},
    {"DGCValueL", QT_TRANSLATE_NOOP("TMainForm", "DOT Value")},
    {"DGCValueL1", QT_TRANSLATE_NOOP("TMainForm", "DOT Value 1")},
    {"DGCValueL2", QT_TRANSLATE_NOOP("TMainForm", "DOT Value 2")},
    {"DGCValueL3", QT_TRANSLATE_NOOP("TMainForm", "DOT Value 3")},
    {"DGCPercentL1", "%"},
    {"DGCPercentL2", "%"},
    {"DGCPercentL3", "%"},
    {"ContrastGB", QT_TRANSLATE_NOOP("TMainForm", " Calculate contrast on ")},
    {"KValueL", QT_TRANSLATE_NOOP("TMainForm", "DOT Value")},
    {"KPercentL", "%"},
    {"DensityGB", QT_TRANSLATE_NOOP("TMainForm", "Density")},
    {"ReferenceL", QT_TRANSLATE_NOOP("TMainForm", "Reference")},
    {"FilterL", QT_TRANSLATE_NOOP("TMainForm", "Filter")},
    // Spectro settings
    {"SpectroSetupTitleL", QT_TRANSLATE_NOOP("TMainForm", "Spectro setup")},
    {"ColorSpaceL", QT_TRANSLATE_NOOP("TMainForm", "ColorSpace")},
    {"IlluminantL", QT_TRANSLATE_NOOP("TMainForm", "Illuminant")},
    {"ObserverL", QT_TRANSLATE_NOOP("TMainForm", "Observer")},
};

const TNamedText HintTexts[] = {
    {"CalibBtn", QT_TRANSLATE_NOOP("TMainForm", "Calibrate the instrument on its calibration plate")},
    {"PaperMeasBtn", QT_TRANSLATE_NOOP("TMainForm", "Measure the paper, so that densities are relative to paper white")},
    {"DelBtn", QT_TRANSLATE_NOOP("TMainForm", "Close Kelvora")},
    {"Button1", QT_TRANSLATE_NOOP("TMainForm", "Choose the language of the program")},
    {"ComboBox1", QT_TRANSLATE_NOOP("TMainForm", "The look of the program's windows")},
    {"Button2", QT_TRANSLATE_NOOP("TMainForm", "Show what the instrument reports about itself")},
    {"DecimalsED", QT_TRANSLATE_NOOP("TMainForm", "Decimals shown for densities")},
    {"CBR", QT_TRANSLATE_NOOP("TMainForm", "Densities absolute or relative to the paper")},
    {"CBS", QT_TRANSLATE_NOOP("TMainForm", "Density standard of the instrument's filters")},
};

const char* const DensitometryCaptions[11] = {
    QT_TRANSLATE_NOOP("TMainForm", "Density"),        QT_TRANSLATE_NOOP("TMainForm", "All densities"),
    QT_TRANSLATE_NOOP("TMainForm", "Densities diff"), QT_TRANSLATE_NOOP("TMainForm", "Dot Gain"),
    QT_TRANSLATE_NOOP("TMainForm", "Print curve"),    QT_TRANSLATE_NOOP("TMainForm", "Dot Gain curve"),
    QT_TRANSLATE_NOOP("TMainForm", "Dot Area"),       QT_TRANSLATE_NOOP("TMainForm", "Print Contrast"),
    QT_TRANSLATE_NOOP("TMainForm", "Trapping"),       QT_TRANSLATE_NOOP("TMainForm", "Hue error"),
    QT_TRANSLATE_NOOP("TMainForm", "Grayness"),
};
const char* const DensitometryPageNames[11] = {
    "DensityPage",  "AllDensitiesPage",  "DensitiesDiffPage", "DotGainPage", "PrintCurvePage", "DotGainCurvePage",
    "DotAreaPage",  "PrintContrastPage", "TrappingPage",      "HueErrorPage", "GraynessPage",
};

const char* const SpectroCaptions[6] = {
    QT_TRANSLATE_NOOP("TMainForm", "Colorimetry"), QT_TRANSLATE_NOOP("TMainForm", "Reflectance"),
    QT_TRANSLATE_NOOP("TMainForm", "delta L-a-b"), QT_TRANSLATE_NOOP("TMainForm", "CieLab"),
    QT_TRANSLATE_NOOP("TMainForm", "ICC conversion"), QT_TRANSLATE_NOOP("TMainForm", "Visual match"),
};
const char* const SpectroPageNames[6] = {
    "ColorimetryPage", "ReflectancePage", "DeltaLabPage", "CieLabPage", "ICCPage", "VisualMatchPage",
};

const char* const SetupCaptions[3] = {
    QT_TRANSLATE_NOOP("TMainForm", "Main setup"),
    QT_TRANSLATE_NOOP("TMainForm", "Densitometry setup"),
    QT_TRANSLATE_NOOP("TMainForm", "Spectro setup"),
};
const char* const SetupPageNames[3] = {"MainSetupPage", "DensitySetupPage", "SpectroSetupPage"};

const char* const DensitometryTabText = QT_TRANSLATE_NOOP("TMainForm", "Densitometry");
const char* const SpectroTabText = QT_TRANSLATE_NOOP("TMainForm", "Spectro");
const char* const SetupTabText = QT_TRANSLATE_NOOP("TMainForm", "Setup");
const char* const AboutTabText = QT_TRANSLATE_NOOP("TMainForm", "About");

struct TListItems {
    const char* Name;
    std::vector<const char*> Items;
};

const TListItems ListTexts[] = {
    {"ComboBox1",
     {QT_TRANSLATE_NOOP("TMainForm", "Skin engine off"), QT_TRANSLATE_NOOP("TMainForm", "skin 1"),
      QT_TRANSLATE_NOOP("TMainForm", "skin 2"), QT_TRANSLATE_NOOP("TMainForm", "skin 3"),
      QT_TRANSLATE_NOOP("TMainForm", "skin 4"), QT_TRANSLATE_NOOP("TMainForm", "skin 5")}},
    {"CBR", {QT_TRANSLATE_NOOP("TMainForm", "Absolute"), QT_TRANSLATE_NOOP("TMainForm", "Paper white")}},
    {"CBS",
     {QT_TRANSLATE_NOOP("TMainForm", "DIN"), QT_TRANSLATE_NOOP("TMainForm", "DIN NB"),
      QT_TRANSLATE_NOOP("TMainForm", "ANSI A"), QT_TRANSLATE_NOOP("TMainForm", "ANSI T"),
      QT_TRANSLATE_NOOP("TMainForm", "SPI")}},
    {"SpColCB",
     {QT_TRANSLATE_NOOP("TMainForm", "CIELAB"), QT_TRANSLATE_NOOP("TMainForm", "CIELab94"),
      QT_TRANSLATE_NOOP("TMainForm", "CMC(1:1)"), QT_TRANSLATE_NOOP("TMainForm", "CMC(2:1)"),
      QT_TRANSLATE_NOOP("TMainForm", "CIELuv"), QT_TRANSLATE_NOOP("TMainForm", "CIEXYZ"),
      QT_TRANSLATE_NOOP("TMainForm", "CIExyY"), QT_TRANSLATE_NOOP("TMainForm", "LABmg"),
      QT_TRANSLATE_NOOP("TMainForm", "CIEDE2000")}},
    {"IllCB",
     {QT_TRANSLATE_NOOP("TMainForm", "A"), QT_TRANSLATE_NOOP("TMainForm", "C"), QT_TRANSLATE_NOOP("TMainForm", "D50"),
      QT_TRANSLATE_NOOP("TMainForm", "D65"), QT_TRANSLATE_NOOP("TMainForm", "F11")}},
    {"ObsCB", {QT_TRANSLATE_NOOP("TMainForm", "2°"), QT_TRANSLATE_NOOP("TMainForm", "10°")}},
};

// ---------------------------------------------------------------------------
// Pieces of the frame

// The button bar's border: a raised inner bevel inside a lowered outer one.
class TBevelBar : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        QPainter p(this);
        const QRect r = rect().adjusted(0, 0, -1, -1);
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Mid);
        auto bevel = [&p](const QRect& b, const QColor& topLeft, const QColor& bottomRight) {
            p.setPen(topLeft);
            p.drawLine(b.topLeft(), b.topRight());
            p.drawLine(b.topLeft(), b.bottomLeft());
            p.setPen(bottomRight);
            p.drawLine(b.bottomLeft(), b.bottomRight());
            p.drawLine(b.topRight(), b.bottomRight());
        };
        bevel(r, dark, light);                       // lowered outer
        bevel(r.adjusted(1, 1, -1, -1), light, dark); // raised inner
    }
};

void SetRole(QWidget* widget, const char* role)
{
    widget->setProperty("kvRole", QString::fromLatin1(role));
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    widget->setPalette(palette);
}

QLabel* MakeLabel(QWidget* parent, const char* name, int x, int y, int w = -1, int h = -1)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    if (w < 0)
        label->move(x, y);
    else
        label->setGeometry(x, y, w, h < 0 ? 16 : h);
    return label;
}

// An auto-sized label at its place; resized to its text when retranslated.
QLabel* MakeAutoLabel(QWidget* parent, const char* name, int x, int y)
{
    QLabel* label = MakeLabel(parent, name, x, y);
    label->setProperty("kvAutoSize", true);
    return label;
}

QLabel* MakeNavyLabel(QWidget* parent, const char* name, int x, int y)
{
    QLabel* label = MakeAutoLabel(parent, name, x, y);
    SetRole(label, "navy");
    SetTextColour(label, QColor(0x00, 0x00, 0x80));
    return label;
}

QLabel* MakePicture(QWidget* parent, const char* name, const QPixmap& pixmap, int x, int y, int w, int h)
{
    QLabel* label = MakeLabel(parent, name, x, y, w, h);
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setScaledContents(false);
    return label;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int x, int y, int minimum, int maximum, int w = 50)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(minimum, maximum);
    spin->setGeometry(x, y, w, 21);
    spin->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return spin;
}

QComboBox* MakeList(QWidget* parent, const char* name, int x, int y, int w)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->setGeometry(x, y, w, 21);
    return list;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, int x, int y, int w, int h)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(x, y, w, h);
    return group;
}

QLabel* MakePageTitle(QWidget* parent, const char* name, int x, int y)
{
    QLabel* title = MakeAutoLabel(parent, name, x, y);
    title->setFont(VerdanaFont(16, true));
    SetRole(title, "pageTitle");
    SetTextColour(title, QColor(0x80, 0x80, 0x80));
    return title;
}

QWidget* WhitePanel(QWidget* parent, const char* name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
    SetRole(panel, "whitePanel");
    panel->setAttribute(Qt::WA_StyledBackground, true);
    return panel;
}

QWidget* FillWith(QWidget* outer, QWidget* inner)
{
    auto* layout = new QVBoxLayout(outer);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(inner);
    return inner;
}

QToolButton* MakeBarButton(QWidget* parent, const char* name, const char* picture, int x, int y)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setIcon(QIcon(ButtonPicture(QString::fromLatin1(picture))));
    button->setIconSize(QSize(ButtonPictureSize, ButtonPictureSize));
    button->setGeometry(x, y, 100, 36);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// ---------------------------------------------------------------------------
// Pages

void BuildMainSetup(QWidget* page, TMainWindowView& v)
{
    MakePageTitle(page, "MainSetupTitleL", 6, 5);

    v.Button1 = new QPushButton(page);
    v.Button1->setObjectName(QStringLiteral("Button1"));
    v.Button1->setGeometry(37, 50, 114, 43);

    MakeAutoLabel(page, "UserInterfaceL", 387, 54);
    v.ComboBox1 = MakeList(page, "ComboBox1", 386, 72, 145);

    v.Button2 = new QPushButton(page);
    v.Button2->setObjectName(QStringLiteral("Button2"));
    v.Button2->setGeometry(37, 124, 75, 25);

    v.MemoI1 = new QPlainTextEdit(page);
    v.MemoI1->setObjectName(QStringLiteral("MemoI1"));
    v.MemoI1->setGeometry(37, 153, 494, 201);
    v.MemoI1->setFont(CourierFont(12));
    v.MemoI1->setReadOnly(true);
    v.MemoI1->setLineWrapMode(QPlainTextEdit::NoWrap);
    v.MemoI1->setFocusPolicy(Qt::ClickFocus);
}

void BuildDensitometrySetup(QWidget* page, TMainWindowView& v)
{
    MakePageTitle(page, "DensitySetupTitleL", 6, 5);

    QGroupBox* decimals = MakeGroup(page, "DecimalsGB", 45, 36, 288, 51);
    MakeAutoLabel(decimals, "DecimalsL", 14, 23);
    v.DecimalsED = MakeSpin(decimals, "DecimalsED", 190, 19, 1, 4, 48);

    QGroupBox* dotGain = MakeGroup(page, "DotGainGB", 45, 104, 220, 145);
    MakeAutoLabel(dotGain, "DGVisibleL", 16, 22);
    MakeAutoLabel(dotGain, "DGValueL", 118, 22);
    QCheckBox** checks[3] = {&v.DGvCB1, &v.DGvCB2, &v.DGvCB3};
    QSpinBox** dots[3] = {&v.DGed1, &v.DGed2, &v.DGed3};
    const char* checkNames[3] = {"DGvCB1", "DGvCB2", "DGvCB3"};
    const char* dotNames[3] = {"DGed1", "DGed2", "DGed3"};
    const char* percentNames[3] = {"DGPercentL1", "DGPercentL2", "DGPercentL3"};
    for (int i = 0; i < 3; ++i) {
        const int y = 44 + i * 31;
        auto* check = new QCheckBox(dotGain);
        check->setObjectName(QString::fromLatin1(checkNames[i]));
        check->setGeometry(16, y, 92, 21);
        SetRole(check, "navy");
        SetTextColour(check, QColor(0x00, 0x00, 0x80));
        *checks[i] = check;
        *dots[i] = MakeSpin(dotGain, dotNames[i], 118, y, 1, 99);
        MakeAutoLabel(dotGain, percentNames[i], 173, y + 3);
    }

    QGroupBox* curve = MakeGroup(page, "DotGainCurveGB", 276, 104, 270, 145);
    MakeAutoLabel(curve, "DGCValueL", 150, 22);
    QSpinBox** curveDots[3] = {&v.DGCEd1, &v.DGCEd2, &v.DGCEd3};
    QLabel** curveLabels[3] = {&v.DGCL1, &v.DGCL2, &v.DGCL3};
    const char* curveNames[3] = {"DGCEd1", "DGCEd2", "DGCEd3"};
    // Named apart from the Dot Gain curve page's values DGCL1 .. DGCL4.
    const char* curveLabelNames[3] = {"DGCValueL1", "DGCValueL2", "DGCValueL3"};
    const char* curvePercentNames[3] = {"DGCPercentL1", "DGCPercentL2", "DGCPercentL3"};
    for (int i = 0; i < 3; ++i) {
        const int y = 44 + i * 31;
        *curveLabels[i] = MakeNavyLabel(curve, curveLabelNames[i], 24, y + 3);
        *curveDots[i] = MakeSpin(curve, curveNames[i], 150, y, 1, 99);
        MakeAutoLabel(curve, curvePercentNames[i], 205, y + 3);
    }

    QGroupBox* contrast = MakeGroup(page, "ContrastGB", 45, 264, 220, 95);
    MakeNavyLabel(contrast, "KValueL", 16, 43);
    v.Ked1 = MakeSpin(contrast, "Ked1", 118, 40, 1, 99);
    MakeAutoLabel(contrast, "KPercentL", 173, 43);

    QGroupBox* density = MakeGroup(page, "DensityGB", 276, 264, 270, 95);
    MakeAutoLabel(density, "ReferenceL", 18, 29);
    v.CBR = MakeList(density, "CBR", 132, 26, 114);
    MakeAutoLabel(density, "FilterL", 18, 60);
    v.CBS = MakeList(density, "CBS", 132, 57, 114);
}

void BuildSpectroSetup(QWidget* page, TMainWindowView& v)
{
    MakePageTitle(page, "SpectroSetupTitleL", 14, 5);
    QGroupBox* group = MakeGroup(page, "SpectroGB", 39, 64, 275, 139);
    MakeAutoLabel(group, "ColorSpaceL", 18, 27);
    v.SpColCB = MakeList(group, "SpColCB", 112, 24, 145);
    v.SpColCB->setMaxVisibleItems(10);
    MakeAutoLabel(group, "IlluminantL", 18, 63);
    v.IllCB = MakeList(group, "IllCB", 112, 60, 145);
    MakeAutoLabel(group, "ObserverL", 18, 99);
    v.ObsCB = MakeList(group, "ObsCB", 112, 96, 145);
}

void BuildAbout(QWidget* sheet, TMainWindowView& v)
{
    QWidget* panel = FillWith(sheet, WhitePanel(sheet, "AboutPanel"));
    v.Image3 = MakePicture(panel, "Image3", AboutPicture(), 14, -4, 596, 440);

    const QFont bold = TahomaFont(8, true);
    v.ProgNameL = MakeLabel(panel, "ProgNameL", 408, 7, 168, 15);
    v.ProgNameL->setFont(bold);
    v.ProgNameL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetRole(v.ProgNameL, "onPicture");
    SetTextColour(v.ProgNameL, Qt::white);
    v.VersL = MakeLabel(panel, "VersL", 408, 23, 168, 15);
    v.VersL->setFont(bold);
    v.VersL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetRole(v.VersL, "onPicture");
    SetTextColour(v.VersL, Qt::white);

    v.AboutNoticeL = MakeLabel(panel, "AboutNoticeL", 443, 55, 133, 15);
    v.AboutNoticeL->setFont(TahomaFont(8));
    v.AboutNoticeL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetRole(v.AboutNoticeL, "notice");
    SetTextColour(v.AboutNoticeL, QColor(0x5C, 0x5C, 0x5C));

    v.ScrollText = new TScrollText(panel);
    v.ScrollText->setObjectName(QStringLiteral("ScrollText"));
    v.ScrollText->setGeometry(287, 157, 285, 162);
}

void BuildInfo(QWidget* page, TMainWindowView& v)
{
    QWidget* panel = FillWith(page, WhitePanel(page, "InfoPanel"));
    v.Image2 = MakePicture(panel, "Image2", InfoPicture(), 6, 0, 596, 440);

    // 168 wide at 86, right-aligned; the box reaches further left (same right
    // end) so that a longer version line in another language is not cut.
    v.VerL = MakeLabel(panel, "VerL", 6, 250, 248, 15);
    v.VerL->setFont(TahomaFont(8, true));
    v.VerL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetRole(v.VerL, "version");
    SetTextColour(v.VerL, QColor(0xE4, 0x14, 0x1A));

    // Right-aligned, its right end at x = 254.
    v.InfoNoticeL = MakeLabel(panel, "InfoNoticeL", 4, 273, 250, 15);
    v.InfoNoticeL->setFont(TahomaFont(8));
    v.InfoNoticeL->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetRole(v.InfoNoticeL, "notice");
    SetTextColour(v.InfoNoticeL, QColor(0x5C, 0x5C, 0x5C));
}

// A label keeps its right end where it is and grows to the left when its text
// is longer than its box.
void FitRightAligned(QLabel* label, int right, int minimumWidth)
{
    const int w = std::max(minimumWidth, label->fontMetrics().horizontalAdvance(label->text()) + 2);
    label->setGeometry(right - w, label->y(), w, label->height());
}

} // namespace

// ---------------------------------------------------------------------------

QString DensitometryTabCaption() { return Tr(DensitometryTabText); }
QString SpectroTabCaption() { return Tr(SpectroTabText); }

QString MakerName()
{
    return QStringLiteral("Kelvora Colour Systems");
}

QString MakerNotice()
{
    return Tr(QT_TRANSLATE_NOOP("TMainForm", "© Kelvora Colour Systems")) ;
}

QString VersionLine(const QString& version)
{
    return Tr(QT_TRANSLATE_NOOP("TMainForm", "Version %1 - %2")).arg(version, MakerName());
}

QString AboutPresentation()
{
    return Tr(QT_TRANSLATE_NOOP(
        "TMainForm",
        "Kelvora\n"
        "colour quality control for the press room\n"
        "\n"
        "Place the instrument on a control patch, press its button, and Kelvora shows at once what the "
        "measurement means for your print.\n"
        "\n"
        "Densitometry: densities of cyan, magenta, yellow and black, their history and differences, dot area, "
        "dot gain, print contrast, print curve, trapping, hue error and grayness.\n"
        "\n"
        "Spectro: reflectance, CIE colour values under the illuminant and observer of your choice, colour "
        "differences, metamerism, a visual match and the conversion of a measured colour through an ICC "
        "output profile.\n"
        "\n"
        "Kelvora Colour Systems\n"
        "makes tools for printers who want their colour to be measured, not guessed.\n"
        "\n"
        "Thank you for working with Kelvora."));
}

void CenterOnScreen(QWidget* window)
{
    if (!window)
        return;
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    window->move(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}

void BuildMainWindowView(QWidget* form, TMainWindowView& v)
{
    v = TMainWindowView{};
    QWidget* client = form;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(form)) {
        client = new QWidget(mainWindow);
        mainWindow->setCentralWidget(client);
    }
    v.Form = form;

    form->setFixedSize(600, 560);
    if (form->isWindow())
        form->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    form->setFont(DefaultFont());
    // The background (#EEEEEE in the plain look) comes from the application
    // palette that ApplySkin sets, so that every skin recolours the frame.
    form->setAutoFillBackground(true);

    auto* formLayout = new QVBoxLayout(client);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->setSpacing(0);

    // The lowered panel that fills the window inside a 2-pixel border.
    auto* mainPanel = new QFrame(client);
    mainPanel->setObjectName(QStringLiteral("MainPanel"));
    mainPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mainPanel->setLineWidth(1);
    v.MainPanel = mainPanel;
    formLayout->addWidget(mainPanel, 1);
    auto* panelLayout = new QVBoxLayout(mainPanel);
    panelLayout->setContentsMargins(1, 1, 1, 1);
    panelLayout->setSpacing(0);

    // Caption panel: banner, title and logo.
    v.CaptionPanel = new QWidget(mainPanel);
    v.CaptionPanel->setObjectName(QStringLiteral("CaptionPanel"));
    v.CaptionPanel->setFixedHeight(46);
    v.CaptionPanel->setAutoFillBackground(true);
    v.CaptionPanel->setAttribute(Qt::WA_StyledBackground, true);
    {
        QPalette palette = v.CaptionPanel->palette();
        palette.setColor(QPalette::Window, Qt::white);
        v.CaptionPanel->setPalette(palette);
    }
    v.Image1 = MakePicture(v.CaptionPanel, "Image1", BannerPixmap(), 3, 1, 590, 45);
    v.TitleL = MakeLabel(v.CaptionPanel, "TitleL", 112, 15);
    v.TitleL->setFont(VerdanaFont(13, true));
    v.TitleL->setAttribute(Qt::WA_TranslucentBackground, true);
    SetRole(v.TitleL, "brandTitle");
    SetTextColour(v.TitleL, QColor(0x00, 0x83, 0xD5));
    v.TitleL->setText(QStringLiteral("Kelvora"));
    v.TitleL->adjustSize();
    v.LogoD = MakePicture(v.CaptionPanel, "LogoD", LogoPixmap(), 460, 4, 130, 40);
    v.LogoD->hide();
    v.CaptionPanel->hide();
    panelLayout->addWidget(v.CaptionPanel);

    // Notebook: the measurement pages and the opening screen.
    v.Notebook = new QStackedWidget(mainPanel);
    v.Notebook->setObjectName(QStringLiteral("Notebook"));
    panelLayout->addWidget(v.Notebook, 1);

    v.ColorMeasurementPage = new QWidget;
    v.ColorMeasurementPage->setObjectName(QStringLiteral("ColorMeasurement"));
    v.ColorMeasurementPage->setProperty("kvCaption", QStringLiteral("Color Measurement"));
    v.Notebook->addWidget(v.ColorMeasurementPage);
    v.InfoPage = new QWidget;
    v.InfoPage->setObjectName(QStringLiteral("Info"));
    v.InfoPage->setProperty("kvCaption", QStringLiteral("Info"));
    v.Notebook->addWidget(v.InfoPage);

    v.PGC1 = new TPageControl(TTabStyle::FlatButtonsTop, v.ColorMeasurementPage);
    v.PGC1->setObjectName(QStringLiteral("PGC1"));
    FillWith(v.ColorMeasurementPage, v.PGC1);

    auto sheet = [](const char* name) {
        auto* w = new QWidget;
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    v.TabSheet1 = sheet("TabSheet1");
    v.TabSheet2 = sheet("TabSheet2");
    v.TabSheet5 = sheet("TabSheet5");
    v.TabSheet3 = sheet("TabSheet3");
    v.PGC1->AddPage(v.TabSheet1, QString(), 0);
    v.PGC1->AddPage(v.TabSheet2, QString(), 1);
    v.PGC1->AddPage(v.TabSheet5, QString(), 2);
    v.PGC1->AddPage(v.TabSheet3, QString(), 0);

    v.PGC0 = new TPageControl(TTabStyle::TabsBottom, v.TabSheet1);
    v.PGC0->setObjectName(QStringLiteral("PGC0"));
    FillWith(v.TabSheet1, v.PGC0);
    for (int i = 0; i < 11; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(DensitometryPageNames[i]));
        v.DensitometryPages[i] = page;
        v.PGC0->AddPage(page, QString());
    }

    v.PGC2 = new TPageControl(TTabStyle::TabsBottom, v.TabSheet2);
    v.PGC2->setObjectName(QStringLiteral("PGC2"));
    FillWith(v.TabSheet2, v.PGC2);
    for (int i = 0; i < 6; ++i) {
        auto* page = new QWidget;
        page->setObjectName(QString::fromLatin1(SpectroPageNames[i]));
        v.SpectroPages[i] = page;
        v.PGC2->AddPage(page, QString());
    }

    v.PGC4 = new TPageControl(TTabStyle::TabsBottom, v.TabSheet5);
    v.PGC4->setObjectName(QStringLiteral("PGC4"));
    FillWith(v.TabSheet5, v.PGC4);
    for (int i = 0; i < 3; ++i) {
        auto* page = new TTiledPage;
        page->setObjectName(QString::fromLatin1(SetupPageNames[i]));
        v.SetupPages[i] = page;
        v.PGC4->AddPage(page, QString());
    }
    BuildMainSetup(v.SetupPages[0], v);
    BuildDensitometrySetup(v.SetupPages[1], v);
    BuildSpectroSetup(v.SetupPages[2], v);
    BuildAbout(v.TabSheet3, v);
    BuildInfo(v.InfoPage, v);
    v.Notebook->setCurrentIndex(NotebookInfo);

    // Button bar.
    auto* bar = new TBevelBar(mainPanel);
    bar->setObjectName(QStringLiteral("ButtonBar"));
    bar->setFixedHeight(51);
    v.ButtonBar = bar;
    panelLayout->addWidget(bar);
    v.CalibBtn = MakeBarButton(bar, "CalibBtn", "calibrate", 5, 6);
    v.PaperMeasBtn = MakeBarButton(bar, "PaperMeasBtn", "paper", 109, 6);
    v.DelBtn = MakeBarButton(bar, "DelBtn", "exit", 489, 7);

    v.StatusBar = new TStatusPanels(client);
    v.StatusBar->setObjectName(QStringLiteral("StatusBar"));
    formLayout->addWidget(v.StatusBar);

    // The focus sink sits left of the visible area.
    v.Dummy = new QPushButton(client);
    v.Dummy->setObjectName(QStringLiteral("Dummy"));
    v.Dummy->setGeometry(-105, 0, 75, 25);
    v.Dummy->setFocusPolicy(Qt::StrongFocus);

    // List items, then every caption.
    for (const TListItems& list : ListTexts) {
        auto* combo = form->findChild<QComboBox*>(QString::fromLatin1(list.Name));
        if (!combo)
            continue;
        const QSignalBlocker block(combo);
        for (std::size_t i = 0; i < list.Items.size(); ++i)
            combo->addItem(QString());
    }
    // Texts the main window replaces at creation; they make the view complete on its own.
    v.ProgNameL->setText(QStringLiteral("Kelvora"));
    v.VersL->setText(QStringLiteral("1.0.0"));
    v.VerL->setText(VersionLine(QStringLiteral("1.0.0")));
    RetranslateMainWindowView(v);
}

void RetranslateMainWindowView(TMainWindowView& v)
{
    if (!v.Form)
        return;
    QWidget* form = v.Form;

    for (const TNamedText& text : CaptionTexts) {
        QWidget* widget = form->findChild<QWidget*>(QString::fromLatin1(text.Name));
        if (!widget)
            continue;
        const QString caption = Tr(text.Source);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(caption);
            if (label->property("kvAutoSize").toBool())
                label->adjustSize();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(caption);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            group->setTitle(caption);
        }
    }
    for (const TNamedText& hint : HintTexts)
        if (QWidget* widget = form->findChild<QWidget*>(QString::fromLatin1(hint.Name)))
            widget->setToolTip(Tr(hint.Source));

    for (const TListItems& list : ListTexts) {
        auto* combo = form->findChild<QComboBox*>(QString::fromLatin1(list.Name));
        if (!combo)
            continue;
        const QSignalBlocker block(combo);
        for (int i = 0; i < static_cast<int>(list.Items.size()) && i < combo->count(); ++i)
            combo->setItemText(i, Tr(list.Items[i]));
    }

    // The skins' names, shown when the pointer rests on "skin 1" .. "skin 5".
    if (v.ComboBox1) {
        const QStringList names = SkinNames();
        for (int i = 1; i < v.ComboBox1->count() && i <= names.size(); ++i)
            v.ComboBox1->setItemData(i, names[i - 1], Qt::ToolTipRole);
    }

    if (v.PGC1) {
        v.PGC1->SetCaption(0, Tr(DensitometryTabText));
        v.PGC1->SetCaption(1, Tr(SpectroTabText));
        v.PGC1->SetCaption(2, Tr(SetupTabText));
        v.PGC1->SetCaption(3, Tr(AboutTabText));
    }
    for (int i = 0; v.PGC0 && i < 11; ++i)
        v.PGC0->SetCaption(i, Tr(DensitometryCaptions[i]));
    for (int i = 0; v.PGC2 && i < 6; ++i)
        v.PGC2->SetCaption(i, Tr(SpectroCaptions[i]));
    for (int i = 0; v.PGC4 && i < 3; ++i)
        v.PGC4->SetCaption(i, Tr(SetupCaptions[i]));

    if (v.AboutNoticeL) {
        v.AboutNoticeL->setText(MakerNotice());
        FitRightAligned(v.AboutNoticeL, 443 + 133, 133);
    }
    if (v.InfoNoticeL) {
        v.InfoNoticeL->setText(MakerNotice());
        FitRightAligned(v.InfoNoticeL, 254, 250);
    }
    if (v.ScrollText)
        v.ScrollText->SetText(AboutPresentation());
}
