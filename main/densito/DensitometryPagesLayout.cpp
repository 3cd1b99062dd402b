// Building the densitometry pages: every widget at its place with its name.
// Sizes in pixels; the window gives each page about 588 x 356.
#include "DensitometryPages.h"

#include "Captions.h"
#include "DensitometryPagesViews.h"
#include "FilterComboBox.h"
#include "Fonts.h"
#include "PageWidgets.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

namespace {

const QColor StepRed(0xFF, 0x00, 0x00);
const QColor RowGrey(0xA0, 0xA0, 0xA0);
const QColor CaptionBlack(0x20, 0x20, 0x20);
const QColor PromptRed(0xB0, 0x10, 0x10);

// The fixed colours of the All densities and Densities diff pages.
const std::array<QColor, DensityChannelCount> FixedInkColors = {
    QColor(0x00, 0x9E, 0xDC), QColor(0xDB, 0x32, 0x81), QColor(0xFF, 0xFF, 0x00), QColor(0x40, 0x40, 0x40)};

QString Tr(const char* text)
{
    return QCoreApplication::translate("TDensitometryPages", text);
}

QString Name(const char* prefix, int number)
{
    return QString::fromLatin1(prefix) + QString::number(number);
}

// Stepwise pages: rows of a 50 x 50 swatch, a caption and a value panel.
constexpr int StepLeft = 105;             // swatch column
constexpr int StepCaptionLeft = StepLeft + 64;
constexpr int StepPanelLeft = StepLeft + 160;
constexpr int StepPanelWidth = 220;
constexpr int StepTop = 44;
constexpr int StepPitch = 70;
constexpr int Swatch = 50;
constexpr int FrameMargin = 4;            // the step frame lies 4 pixels outside the swatch
constexpr int FrameSize = Swatch + 2 * FrameMargin;  // 58
constexpr int ValuePixels = 28;

int StepRowTop(int row)
{
    return StepTop + StepPitch * row;
}

TStepFrame* MakeStepFrame(QWidget* page, const char* name, TSwatch* first)
{
    auto* frame = new TStepFrame(page, QString::fromLatin1(name), QSize(FrameSize, FrameSize), 5, StepRed);
    frame->Surround(first, FrameMargin);
    return frame;
}

QLabel* StepCaption(QWidget* page, const QString& name, int row, int width = 90, int left = StepCaptionLeft)
{
    return MakeCaption(page, name, QRect(left, StepRowTop(row), width, Swatch), VerdanaFont(20, true), CaptionBlack);
}

QLabel* StepValue(QWidget* page, const QString& panelName, const QString& labelName, int row,
                  int width = StepPanelWidth, TValuePanel** panel = nullptr)
{
    auto* p = new TValuePanel(page, panelName, labelName, QRect(StepPanelLeft, StepRowTop(row), width, Swatch),
                              ValuePixels);
    if (panel)
        *panel = p;
    return p->Label();
}

TSwatch* StepSwatch(QWidget* page, const QString& name, int row, int step, bool pressable = true,
                    int left = StepLeft)
{
    auto* swatch = new TSwatch(page, name, QRect(left, StepRowTop(row), Swatch, Swatch), step);
    swatch->SetPressable(pressable);
    return swatch;
}

}  // namespace

void TDensitometryPages::BuildDensityPage(QWidget* page)
{
    V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("DensityTitleL")), [] { return tr("Density"); }});

    QLabel* filterCaption = MakeCaption(page, QStringLiteral("FilterL"), QRect(16, 46, 130, 16), SansSerifFont(12, true),
                                        CaptionBlack);
    V->FixedLabels.push_back({filterCaption, [] { return tr("Filter"); }});
    V->FilterCB = new TFilterComboBox(page);
    V->FilterCB->setGeometry(16, 64, 130, TFilterComboBox::ItemHeight + 4);
    connect(V->FilterCB, &QComboBox::activated, this, &TDensitometryPages::FilterCBChange);

    // Five rows, the newest on top, marked by two static frames.
    constexpr int left = 200, nameLeft = left + 58, panelLeft = left + 112, panelWidth = 220;
    constexpr int top = 36, pitch = 63;
    const char* swatchNames[] = {"SH01", "SH02", "SH03", "SH04", "sh05"};
    for (int i = 0; i < 5; ++i) {
        const int y = top + pitch * i;
        V->DensitySwatch[i] = new TSwatch(page, QString::fromLatin1(swatchNames[i]), QRect(left, y, Swatch, Swatch));
        V->DensityName[i] = MakeCaption(page, Name("DL", i + 1), QRect(nameLeft, y, 48, Swatch), VerdanaFont(26, true),
                                        CaptionBlack, Qt::AlignCenter);
        auto* panel = new TValuePanel(page, Name("PDL0", i + 1), Name("DL0", i + 1),
                                      QRect(panelLeft, y, panelWidth, Swatch), ValuePixels);
        V->DensityValue[i] = panel->Label();
    }
    auto* swatchFrame = new TStepFrame(page, QStringLiteral("DensityNewestSh"), QSize(FrameSize, FrameSize), 5, StepRed);
    swatchFrame->Surround(V->DensitySwatch[0], FrameMargin);
    auto* valueFrame = new TStepFrame(page, QStringLiteral("DensityNewestValueSh"),
                                      QSize(panelWidth + 2 * FrameMargin, FrameSize), 5, StepRed);
    valueFrame->move(panelLeft - FrameMargin, top - FrameMargin);
    valueFrame->raise();
}

void TDensitometryPages::BuildAllDensitiesPage(QWidget* page)
{
    V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("AllDensitiesTitleL")), [] { return tr("All densities"); }});

    constexpr int top = 50, pitch = 62, rowHeight = 33, groupLeft = 44, groupPitch = 134, small = 25;
    const char* letterPrefix[] = {"CAL", "MAL", "YAL", "BAL"};
    for (int r = 0; r < 5; ++r) {
        const int y = top + pitch * r;
        MakeCaption(page, Name("AllRowL", r + 1), QRect(10, y, 24, rowHeight), VerdanaFont(16, true),
                    QColor(0x70, 0x70, 0x70), Qt::AlignCenter)
            ->setText(QString::number(r + 1));
        for (int c = 0; c < DensityChannelCount; ++c) {
            const int x = groupLeft + groupPitch * c;
            auto* swatch = new TSwatch(page, QStringLiteral("SH0%1%2").arg(r + 1).arg(c + 1),
                                       QRect(x, y + (rowHeight - small) / 2, small, small));
            swatch->SetColor(FixedInkColors[c]);
            V->AllSwatch[r][c] = swatch;
            QLabel* letter = MakeCaption(page, Name(letterPrefix[c], r + 1), QRect(x + 29, y, 20, rowHeight),
                                         VerdanaFont(15, true), CaptionBlack, Qt::AlignCenter);
            const auto channel = static_cast<TDensityChannel>(c);
            V->FixedLabels.push_back({letter, [channel] { return ChannelShortName(channel); }});
            auto* panel = new TValuePanel(page, QString(), QStringLiteral("DL%1%2").arg(r + 1).arg(c + 1),
                                          QRect(x + 52, y, 76, rowHeight), 17);
            V->AllValue[r][c] = panel->Label();
        }
    }
    // Row 1 holds the newest patch.
    auto* rowFrame = new TStepFrame(page, QStringLiteral("AllNewestSh"),
                                    QSize(groupPitch * 3 + 128 + 14, rowHeight + 14), 3, RowGrey);
    rowFrame->move(groupLeft - 7, top - 7);
    V->Marker = new TStepFrame(page, QStringLiteral("mDensSh"), QSize(32, 32), 5, StepRed);
    V->Marker->move(-100, V->AllSwatch[0][0]->y() - 3);
    V->Marker->raise();
}

void TDensitometryPages::BuildDensityDiffPage(QWidget* page)
{
    V->FixedLabels.push_back(
        {MakeTitle(page, QStringLiteral("DensityDiffTitleL")), [] { return tr("Densities differences"); }});

    constexpr int areaTop = 34, areaHeight = 262, areaLeft = 10, half = 284;
    V->SampleArea = new TSwatch(page, QStringLiteral("ShdfS"), QRect(areaLeft, areaTop, half, areaHeight));
    V->MeasureArea = new TSwatch(page, QStringLiteral("ShdfM"), QRect(areaLeft + half, areaTop, half, areaHeight));

    // Three panels on the colour areas: reference, compared patch, differences.
    auto makePanel = [&](const char* name, const QRect& geometry, const char* caption, const char* valueSuffix, std::array<QLabel*, DensityChannelCount>& values, bool difference) {
        auto* panel = new QFrame(page);
        panel->setObjectName(QString::fromLatin1(name));
        panel->setGeometry(geometry);
        panel->setFrameStyle(QFrame::Box | QFrame::Plain);
        panel->setAutoFillBackground(true);
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, QColor(0xFA, 0xFA, 0xFA));
        palette.setColor(QPalette::WindowText, QColor(0x90, 0x90, 0x90));
        panel->setPalette(palette);
        SetLookRole(panel, "diffPanel");
        QLabel* title = MakeCaption(panel, QString::fromLatin1(name) + QStringLiteral("L"),
                                    QRect(10, 4, geometry.width() - 20, 22), VerdanaFont(13, true), CaptionBlack);
        V->FixedLabels.push_back({title, [caption] { return Tr(caption); }});
        const char* letters[] = {"C", "M", "Y", "B"};
        for (int c = 0; c < DensityChannelCount; ++c) {
            const int y = 29 + 27 * c;
            auto* swatch = new TSwatch(panel, QString(), QRect(10, y + 6, 14, 14));
            swatch->SetColor(FixedInkColors[c]);
            QLabel* label = MakeCaption(panel, QString(), QRect(30, y, 44, 26), VerdanaFont(13, true), CaptionBlack);
            const auto channel = static_cast<TDensityChannel>(c);
            V->FixedLabels.push_back({label, [channel, difference] {
                                          return (difference ? tr("d") : QString()) + ChannelShortName(channel)
                                                 + QStringLiteral(" :");
                                      }});
            values[c] = MakeCaption(panel, QStringLiteral("D%1%2").arg(QLatin1String(letters[c]), QLatin1String(valueSuffix)),
                                    QRect(74, y, geometry.width() - 86, 26), VerdanaFont(18, true),
                                    QColor(0x00, 0x00, 0x80), Qt::AlignRight | Qt::AlignVCenter);
            SetLookRole(values[c], "navy");
        }
    };
    makePanel("SamplePanel", QRect(26, 46, 180, 140), QT_TRANSLATE_NOOP("TDensitometryPages", "Sample"), "Sl",
              V->SampleValue, false);
    makePanel("MeasurePanel", QRect(382, 46, 180, 140), QT_TRANSLATE_NOOP("TDensitometryPages", "Measure"), "Ml",
              V->MeasureValue, false);
    makePanel("DifferencesPanel", QRect(204, 146, 180, 140), QT_TRANSLATE_NOOP("TDensitometryPages", "Differences"),
              "Dl", V->DiffValue, true);

    V->RefButton = new QPushButton(page);
    V->RefButton->setObjectName(QStringLiteral("MeasDRefBtn"));
    V->RefButton->setGeometry(areaLeft, areaTop + areaHeight + 9, 190, 30);
    V->ColorButton = new QPushButton(page);
    V->ColorButton->setObjectName(QStringLiteral("MeasDColorBtn"));
    V->ColorButton->setGeometry(areaLeft + 2 * half - 190, areaTop + areaHeight + 9, 190, 30);
    V->DiffButtons = new QButtonGroup(page);
    V->DiffButtons->setExclusive(true);
    for (QPushButton* button : {V->RefButton, V->ColorButton}) {
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        V->DiffButtons->addButton(button);
    }
    V->FixedButtons.push_back({V->RefButton, [] { return tr("Sample measurement"); }});
    V->FixedButtons.push_back({V->ColorButton, [] { return tr("Color measurement"); }});
}

void TDensitometryPages::BuildDotGainPage(QWidget* page)
{
    V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("DotGainTitleL")), [] { return tr("Dot gain"); }});
    for (int row = 0; row < 4; ++row) {
        V->DotGainSwatch[row] = StepSwatch(page, Name("ShD", row + 1), row, row);
        connect(V->DotGainSwatch[row], &TSwatch::Pressed, this, &TDensitometryPages::ShD1MouseDown);
        if (row == 0) {
            StepCaption(page, QStringLiteral("DGCap1"), row)->setText(QStringLiteral("100%"));
            V->DotGainValue[row] = StepValue(page, QString(), QStringLiteral("DGl1"), row);
        } else {
            V->DotGainCaption[row - 1] = StepCaption(page, Name("DDL", row), row);
            V->DotGainValue[row] =
                StepValue(page, Name("PDG", row), Name("DGl", row + 1), row, StepPanelWidth, &V->DotGainPanel[row - 1]);
        }
    }
    V->DotGainFrame = MakeStepFrame(page, "DGBordSh", V->DotGainSwatch[0]);
}

void TDensitometryPages::BuildDotAreaPage(QWidget* page)
{
    V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("DotAreaTitleL")), [] { return tr("Dot area"); }});
    for (int row = 0; row < 4; ++row) {
        V->DotAreaSwatch[row] = StepSwatch(page, Name("ShDA", row + 1), row, row);
        connect(V->DotAreaSwatch[row], &TSwatch::Pressed, this, &TDensitometryPages::ShDA1MouseDown);
        StepCaption(page, Name("DACap", row + 1), row)->setText(row == 0 ? QStringLiteral("100%") : QStringLiteral("% ="));
        V->DotAreaValue[row] = StepValue(page, QString(), Name("DDAl", row + 1), row);
    }
    V->DotAreaFrame = MakeStepFrame(page, "DABordSh", V->DotAreaSwatch[0]);
}

void TDensitometryPages::BuildPrintContrastPage(QWidget* page)
{
    V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("ContrastTitleL")), [] { return tr("Contrast"); }});
    for (int row = 0; row < 2; ++row) {
        V->ContrastSwatch[row] = StepSwatch(page, Name("ShK", row + 1), row, row);
        connect(V->ContrastSwatch[row], &TSwatch::Pressed, this, &TDensitometryPages::ShK1MouseDown);
        V->ContrastValue[row] = StepValue(page, QString(), Name("KL", row + 1), row);
    }
    StepCaption(page, QStringLiteral("KCap1"), 0)->setText(QStringLiteral("100%"));
    V->ContrastCaption = StepCaption(page, QStringLiteral("DKL2"), 1);
    V->ContrastFrame = MakeStepFrame(page, "KBordSh", V->ContrastSwatch[0]);
}

void TDensitometryPages::BuildTrappingPage(QWidget* page)
{
    V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("TrappingTitleL")), [] { return tr("Trapping"); }});
    constexpr int panelWidth = 180;
    // The row captions are words ("Substrate", "Trapping", longer in German:
    // "Bedruckstoff", "Farbannahme"), not the short "100%" of the other
    // pages: the swatches stand further left so the captions have room
    // before the value panels, which keep their column.
    constexpr int swatchLeft = StepLeft - 60;
    constexpr int captionLeft = swatchLeft + (StepCaptionLeft - StepLeft);
    constexpr int captionWidth = StepPanelLeft - captionLeft - 8;
    const char* swatchNames[] = {"ShTr0", "ShTR1", "ShTR2", "ShTR3"};
    for (int row = 0; row < 4; ++row) {
        // Only the first down colour's swatch takes a press: it starts the sequence again.
        V->TrapSwatch[row] = StepSwatch(page, QString::fromLatin1(swatchNames[row]), row, row, row == 1, swatchLeft);
    }
    connect(V->TrapSwatch[1], &TSwatch::Pressed, this, [this] { ShTR1MouseDown(); });

    QLabel* substrate = StepCaption(page, QStringLiteral("TrSubstrateL"), 0, captionWidth, captionLeft);
    substrate->setFont(VerdanaFont(15, true));
    V->FixedLabels.push_back({substrate, [] { return tr("Substrate"); }});
    V->SubstrateValue = StepValue(page, QString(), QStringLiteral("Trl0"), 0, panelWidth);
    for (int k = 0; k < 2; ++k) {
        V->DownLetter[k] = StepCaption(page, Name("TRLl", k + 1), k + 1, 60, captionLeft);
        V->DownLetter[k]->setFont(VerdanaFont(26, true));
        V->DownValue[k] = StepValue(page, QString(), Name("TrL", k + 1), k + 1, panelWidth);
    }
    QLabel* trapping = StepCaption(page, QStringLiteral("TrTrappingL"), 3, captionWidth, captionLeft);
    trapping->setFont(VerdanaFont(15, true));
    V->FixedLabels.push_back({trapping, [] { return tr("Trapping"); }});
    V->TrapValue = StepValue(page, QString(), QStringLiteral("TrL3"), 3, 300);

    V->Prompt = MakeCaption(page, QStringLiteral("Msg"), QRect(swatchLeft, StepRowTop(4) - 6, 480, 28),
                            VerdanaFont(15, true), PromptRed);
    V->TrapFrame = MakeStepFrame(page, "TrBordSh", V->TrapSwatch[0]);
}

void TDensitometryPages::BuildInkPurityPage(QWidget* page, TInkPurityFigure figure, TInkPurityViews& views)
{
    const bool hue = figure == TInkPurityFigure::HueError;
    if (hue)
        V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("HueErrorTitleL")), [] { return tr("Hue error"); }});
    else
        V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("GraynessTitleL")), [] { return tr("Grayness"); }});
    const char* swatchPrefix = hue ? "ShH" : "ShGR";
    const char* letterPrefix = hue ? "hElL" : "GRLl";
    const char* valueNames[] = {"HEl1", "HEl2", "HEl3"};
    const char* grayNames[] = {"GRl1", "GRl2", "GRL3"};
    for (int row = 0; row < 3; ++row) {
        views.Swatch[row] = StepSwatch(page, Name(swatchPrefix, row + 1), row, row);
        connect(views.Swatch[row], &TSwatch::Pressed, this,
                hue ? &TDensitometryPages::ShH1MouseDown : &TDensitometryPages::ShGR1MouseDown);
        views.Letter[row] = StepCaption(page, Name(letterPrefix, row + 1), row, 60);
        views.Letter[row]->setFont(VerdanaFont(26, true));
        views.Value[row] = StepValue(page, QString(), QString::fromLatin1(hue ? valueNames[row] : grayNames[row]), row);
    }
    views.Frame = MakeStepFrame(page, hue ? "HEBordSh" : "GRBordSh", views.Swatch[0]);
}
