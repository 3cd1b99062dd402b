// Building the spectro pages: every widget at its place with its name.
// Sizes in pixels; the window gives each page about 590 x 378.
#include "SpectroPages.h"

#include "Fonts.h"
#include "PaintBox.h"
#include "SpectroWidgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor AreaGrey(0x80, 0x80, 0x80);
const QColor LightGrey(0xEE, 0xEE, 0xEE);
const QColor VisualPanelGrey(0xE0, 0xE0, 0xE0);  // R = G = B = 224
const QColor Navy(0x00, 0x00, 0x80);
const QColor Black(0x00, 0x00, 0x00);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor TitleGrey(0x80, 0x80, 0x80);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Red(0xFF, 0x00, 0x00);

const char* const IlluminantItems[] = {"A", "C", "D50", "D65", "F11"};

QString Name(const char* prefix, int number)
{
    return QString::fromLatin1(prefix) + QString::number(number);
}

QWidget* FilledWidget(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour)
{
    auto* w = new QWidget(parent);
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(geometry);
    w->setAutoFillBackground(true);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    w->setPalette(palette);
    return w;
}

// A panel with a lowered bevel holding a chart area.
QFrame* ChartPanel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, White);
    panel->setPalette(palette);
    return panel;
}

TPaintBox* ChartArea(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new TPaintBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

QComboBox* IlluminantList(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    for (const char* item : IlluminantItems)
        box->addItem(QString::fromLatin1(item));
    return box;
}

// Colorimetry page geometry.
constexpr int AreaLeft = 14, AreaTop = 28, AreaWidth = 560, AreaHeight = 252;
constexpr int SwatchWidth = 280, SwatchHeight = 256;
constexpr int PanelWidth = 150, PanelHeight = 180;
constexpr int RowTop = 30, RowPitch = 29, RowHeight = 22;

}  // namespace

TSpectroPages::TSpectroPages(TPageHost& host, const std::array<QWidget*, 6>& pages, const TSpectroChoosers& choosers,
                             QObject* parent)
    : QObject(parent), Host(host), Choosers(choosers)
{
    BuildColorimetryPage(pages[ColorimetryPage]);
    BuildReflectancePage(pages[ReflectancePage]);
    BuildDeltaLabPage(pages[DeltaLabPage]);
    BuildCieLabPage(pages[CieLabPage]);
    BuildVisualMatchPage(pages[VisualMatchPage]);
    ColorimetryPageWidget = pages[ColorimetryPage];
    ColorimetryPageWidget->installEventFilter(this);
    ConnectControls();
    Retranslate();
}

void TSpectroPages::BuildColorimetryPage(QWidget* page)
{
    QWidget* area = FilledWidget(page, "ColorArea", QRect(AreaLeft, AreaTop, AreaWidth, AreaHeight), AreaGrey);
    SHref = new TColorSwatch(area, QStringLiteral("SHref"), QRect(0, 0, SwatchWidth, SwatchHeight), AreaGrey, LightGrey);
    ShMeas = new TColorSwatch(area, QStringLiteral("ShMeas"), QRect(SwatchWidth, 0, SwatchWidth, SwatchHeight),
                              AreaGrey, LightGrey);

    const QFont title = SansSerifFont(12, true);
    const QFont caption = SansSerifFont(12, true);
    const QFont value = SansSerifFont(12, true);
    struct TPanelPlan {
        QWidget** Panel;
        const char* Name;
        QRect Geometry;
        const char* Title;
        std::array<QLabel*, 5>* Captions;
        const char* CaptionPrefix;
        int CaptionFirst;
        std::array<QLabel*, 5>* Values;
        const char* ValuePrefix;
    };
    const TPanelPlan plans[] = {
        {&PanelC, "PanelC", QRect(22, 12, PanelWidth, PanelHeight), QT_TRANSLATE_NOOP("TSpectroPages", "Sample"),
         &CoordCaptionRef, "L0", 1, &RefValue, "LC0"},
        {&PanelM, "PanelM", QRect(388, 12, PanelWidth, PanelHeight), QT_TRANSLATE_NOOP("TSpectroPages", "Measure"),
         &CoordCaptionMeas, "L1", 1, &MeasValue, "LM0"},
        {&PanelD, "PanelD", QRect(205, 62, PanelWidth, PanelHeight), QT_TRANSLATE_NOOP("TSpectroPages", "Differences"),
         &DeltaCaption, "L2", 1, &DeltaValue, "LD0"},
    };
    for (const TPanelPlan& plan : plans) {
        QWidget* panel = FilledWidget(area, plan.Name, plan.Geometry, LightGrey);
        *plan.Panel = panel;
        QLabel* heading = MakeCaption(panel, QString::fromLatin1(plan.Name) + QStringLiteral("TitleL"),
                                      QRect(0, 4, PanelWidth, 20), title, Black, Qt::AlignCenter);
        const char* text = plan.Title;
        FixedLabels.push_back({heading, [text] { return QCoreApplication::translate("TSpectroPages", text); }});
        for (int i = 0; i < 5; ++i) {
            const int y = RowTop + RowPitch * i;
            (*plan.Captions)[std::size_t(i)] = MakeCaption(panel, Name(plan.CaptionPrefix, plan.CaptionFirst + i),
                                                           QRect(8, y, 62, RowHeight), caption, Black);
            QLabel* v = MakeCaption(panel, Name(plan.ValuePrefix, i + 1), QRect(66, y, 76, RowHeight), value, Navy,
                                    Qt::AlignRight | Qt::AlignVCenter);
            v->setText(QStringLiteral("0.00"));
            (*plan.Values)[std::size_t(i)] = v;
        }
    }
    // Bars with arrows from the two swatches' panels to the differences.
    RefArrow = new TSwatchArrow(area, QStringLiteral("RefArrow"), QRect(172, 140, 33, 28),
                                TSwatchArrow::TDirection::Right);
    MeasArrow = new TSwatchArrow(area, QStringLiteral("MeasArrow"), QRect(355, 140, 33, 28),
                                 TSwatchArrow::TDirection::Left);

    // The two toggle buttons: exactly one is down.
    const auto toggle = [area](const char* name, const QRect& geometry, bool reference) {
        auto* button = new QPushButton(area);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(geometry);
        button->setCheckable(true);
        button->setIcon(MeasureButtonIcon(reference));
        button->setIconSize(QSize(24, 24));
        button->setFocusPolicy(Qt::NoFocus);
        // The button that is down must read as down in every skin.
        button->setStyleSheet(QStringLiteral(
            "QPushButton { background: #F4F4F4; border: 1px solid #A0A0A0; border-radius: 3px; padding: 2px 8px; }"
            "QPushButton:checked { background: #C9D7EE; border: 2px solid #000080; font-weight: bold; }"));
        return button;
    };
    MeasRefBtn = toggle("MeasRefBtn", QRect(10, 206, 184, 38), true);
    MeasSamBtn = toggle("MeasSamBtn", QRect(366, 206, 184, 38), false);
    MeasureButtons = new QButtonGroup(this);
    MeasureButtons->setExclusive(true);
    MeasureButtons->addButton(MeasRefBtn);
    MeasureButtons->addButton(MeasSamBtn);
    MeasRefBtn->setChecked(true);
    FixedButtons.push_back({MeasRefBtn, [] { return tr("Sample measurement"); }});
    FixedButtons.push_back({MeasSamBtn, [] { return tr("Color measurement"); }});

    // Total difference and metamerism index below the area.
    QWidget* bottom = FilledWidget(page, "ColorimetryBottomPanel",
                                   QRect(AreaLeft, AreaTop + AreaHeight + 6, AreaWidth, 44), LightGrey);
    LdE = MakeCaption(bottom, QStringLiteral("LdE"), QRect(4, 11, 78, 22), caption, Black,
                      Qt::AlignRight | Qt::AlignVCenter);
    LdE->setText(QStringLiteral("dE :"));
    const QFont large = SansSerifFont(19, true);
    deL = MakeCaption(bottom, QStringLiteral("deL"), QRect(88, 8, 104, 28), large, Navy);
    deL->setText(QStringLiteral("0.00"));
    Label11 = MakeCaption(bottom, QStringLiteral("Label11"), QRect(196, 11, 40, 22), caption, Black,
                          Qt::AlignRight | Qt::AlignVCenter);
    FixedLabels.push_back({Label11, [] { return tr("I.M.:"); }});
    IML11 = MakeCaption(bottom, QStringLiteral("IML11"), QRect(242, 8, 84, 28), large, Navy);
    IML11->setText(QStringLiteral("0.00"));
    QLabel* note = MakeCaption(bottom, QStringLiteral("MetNoteL"), QRect(326, 11, 64, 22), DefaultFont(), Black);
    FixedLabels.push_back({note, [] { return tr("(d50-2°)"); }});
    QLabel* illuminant = MakeCaption(bottom, QStringLiteral("MetIllL"), QRect(386, 11, 90, 22), DefaultFont(),
                                     Black, Qt::AlignRight | Qt::AlignVCenter);
    FixedLabels.push_back({illuminant, [] { return tr("Illuminant"); }});
    MetIllCb = IlluminantList(bottom, QStringLiteral("MetIllCb"), QRect(482, 10, 70, 24));
}

void TSpectroPages::BuildReflectancePage(QWidget* page)
{
    QFrame* panel = ChartPanel(page, "ReflectancePanel", QRect(5, 16, 579, 337));
    PBX1 = ChartArea(panel, "PBX1", QRect(3, 3, 573, 331));
    PBX1->setCursor(Qt::CrossCursor);

    // Read-out, legend and the pair's figures in the free strip at the
    // bottom of the chart (below the wavelength labels).
    const QFont font = DefaultFont();
    QFont bold = SansSerifFont(11, true);
    constexpr int row1 = 302, row2 = 318, rowHeight = 15;
    LL = MakeCaption(panel, QStringLiteral("LL"), QRect(46, row1, 190, rowHeight), bold, Blue);
    LdE1 = MakeCaption(panel, QStringLiteral("LdE1"), QRect(46, row2, 70, rowHeight), bold, Black);
    LdE1->setText(QStringLiteral("dE :"));
    DeL1 = MakeCaption(panel, QStringLiteral("DeL1"), QRect(118, row2, 70, rowHeight), bold, Navy);
    DeL1->setText(QStringLiteral("0.00"));
    QLabel* im = MakeCaption(panel, QStringLiteral("IMCaption1"), QRect(190, row2, 40, rowHeight), bold, Black);
    FixedLabels.push_back({im, [] { return tr("I.M.:"); }});
    IML1 = MakeCaption(panel, QStringLiteral("IML1"), QRect(232, row2, 70, rowHeight), bold, Navy);
    IML1->setText(QStringLiteral("0.00"));

    constexpr int legend = 330;
    MakeBand(panel, QStringLiteral("SampleLegendLine"), QRect(legend, row1 + 7, 24, 2), Blue, Blue);
    QLabel* sample = MakeCaption(panel, QStringLiteral("SampleLegendL"), QRect(legend + 30, row1, 90, rowHeight),
                                 font, Black);
    FixedLabels.push_back({sample, [] { return tr("Sample"); }});
    MakeBand(panel, QStringLiteral("MeasureLegendLine"), QRect(legend + 122, row1 + 7, 24, 2), Red, Red);
    QLabel* measure = MakeCaption(panel, QStringLiteral("MeasureLegendL"),
                                  QRect(legend + 152, row1, 90, rowHeight), font, Black);
    FixedLabels.push_back({measure, [] { return tr("Measure"); }});
    QLabel* hint = MakeCaption(panel, QStringLiteral("CtrlHintL"), QRect(legend, row2, 240, rowHeight), font,
                               Black);
    FixedLabels.push_back({hint, [] { return tr("(press ctrl for Measure)"); }});
}

void TSpectroPages::BuildDeltaLabPage(QWidget* page)
{
    PBXdl = ChartArea(page, "PBXdl", QRect(66, 11, 103, 340));
    PBXab = ChartArea(page, "PBXab", QRect(182, 11, 340, 340));
}

void TSpectroPages::BuildCieLabPage(QWidget* page)
{
    QFrame* panel = ChartPanel(page, "CieLabPanel", QRect(119, 14, 350, 350));
    PBCircle = ChartArea(panel, "PBCircle", QRect(1, 1, 348, 348));
}

void TSpectroPages::BuildVisualMatchPage(QWidget* page)
{
    QWidget* panel = FilledWidget(page, "VisualMatchPanel", QRect(31, 14, 526, 348), VisualPanelGrey);
    QLabel* heading = MakeCaption(panel, QStringLiteral("IlluminantsTitleL"), QRect(0, 4, 526, 18),
                                  SansSerifFont(12, true), TitleGrey, Qt::AlignCenter);
    FixedLabels.push_back({heading, [] { return tr("Illuminants"); }});

    constexpr int left = 8, top = 54, width = 170, height = 264;
    const char* swatchNames[] = {"SHM1", "ShM2", "ShM3"};
    for (int k = 0; k < 3; ++k) {
        const int x = left + width * k;
        VisIllCB[std::size_t(k)] = IlluminantList(panel, Name("VisIllCB", k + 1), QRect(x + 45, 26, 80, 22));
        VisSwatch[std::size_t(k)] = new TColorSwatch(panel, QString::fromLatin1(swatchNames[k]),
                                                     QRect(x, top, width, height), AreaGrey, AreaGrey);
    }
    // Each colour against a black and a white surround, over all three.
    MakeBand(panel, QStringLiteral("VisBlackBand"), QRect(3, top + height / 4 - 25, 520, 50), Black, Black);
    MakeBand(panel, QStringLiteral("VisWhiteBand"), QRect(3, top + 3 * height / 4 - 25, 520, 50), White, White);
}
