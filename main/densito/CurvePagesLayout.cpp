// Building the Print curve and Dot Gain curve pages: the scale or sequence
// of swatches at the left, the chart on a white panel at the right.
#include "Captions.h"
#include "ColorListPopup.h"
#include "DensitometryPages.h"
#include "DensitometryPagesViews.h"
#include "Fonts.h"
#include "PageWidgets.h"
#include "PaintBox.h"

#include <QFrame>
#include <QLabel>

namespace {

const QColor StepRed(0xFF, 0x00, 0x00);
const QColor CaptionBlack(0x20, 0x20, 0x20);

QString Name(const char* prefix, int number)
{
    return QString::fromLatin1(prefix) + QString::number(number);
}

constexpr int SmallSwatch = 25;
// The step frame of both pages: 32 x 31 around a 25 x 25 swatch.
constexpr QSize CurveFrameSize(32, 31);

// A white panel with a chart area inset by 2 pixels.
TPaintBox* ChartPanel(QWidget* page, const char* panelName, const char* boxName, const QRect& panelGeometry)
{
    auto* panel = new QFrame(page);
    panel->setObjectName(QString::fromLatin1(panelName));
    panel->setGeometry(panelGeometry);
    panel->setFrameStyle(QFrame::NoFrame);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xFF));
    panel->setPalette(palette);
    auto* box = new TPaintBox(panel);
    box->setObjectName(QString::fromLatin1(boxName));
    box->setGeometry(2, 2, panelGeometry.width() - 4, panelGeometry.height() - 4);
    return box;
}

}  // namespace

void TDensitometryPages::BuildPrintCurvePage(QWidget* page)
{
    V->FixedLabels.push_back({MakeTitle(page, QStringLiteral("PrintCurveTitleL")), [] { return tr("Print curve"); }});

    // Ten rows: the solid, then the tints 10 % .. 90 %.
    constexpr int swatchLeft = 24, captionLeft = 58, panelLeft = 112, panelWidth = 120, top = 38, pitch = 31;
    for (int row = 0; row < TPrintCurveModel::Swatches; ++row) {
        const int y = top + pitch * row;
        auto* swatch = new TSwatch(page, Name("ShPC", row + 1), QRect(swatchLeft, y, SmallSwatch, SmallSwatch), row);
        swatch->SetPressable(true);
        connect(swatch, &TSwatch::Pressed, this, &TDensitometryPages::ShPC1MouseDown);
        V->PrintCurveSwatch[row] = swatch;
        MakeCaption(page, Name("PCCap", row + 1), QRect(captionLeft, y, 50, SmallSwatch), VerdanaFont(13, true),
                    CaptionBlack, Qt::AlignRight | Qt::AlignVCenter)
            ->setText(QString::number(row == 0 ? 100 : row * 10) + QLatin1Char('%'));
        auto* panel = new TValuePanel(page, QString(), Name("PCL", row + 1),
                                      QRect(panelLeft, y, panelWidth, SmallSwatch), 16);
        V->PrintCurveValue[row] = panel->Label();
    }
    V->PrintCurveFrame = new TStepFrame(page, QStringLiteral("PCBordSh"), CurveFrameSize, 5, StepRed);
    V->PrintCurveFrame->Surround(V->PrintCurveSwatch[0], PrintCurveFrameMargin);

    constexpr QRect chartPanel(268, 38, 310, 310);
    V->PBxPC = ChartPanel(page, "PCPanel", "PBxPC", chartPanel);
    V->PBxPC->SetPaintHandler([this](TCanvas& canvas) { PBxPCPaint(canvas); });

    // The colour selector above the chart opens the colour list.
    V->ShCol = new TSwatch(page, QStringLiteral("ShCol"),
                           QRect(chartPanel.right() + 1 - 68, chartPanel.top() - 26, 68, 20));
    V->ShCol->SetPressable(true);
    connect(V->ShCol, &TSwatch::Pressed, this, [this] { ShColMouseDown(); });
    V->ColorList = new TColorListPopup(page);
    V->ColorList->MeasureItem = [this](int item) { return Ciano1MeasureItem(item); };
    V->ColorList->DrawItem = [this](QPainter& painter, int item, const QRect& rect, bool highlighted) {
        Ciano1AdvancedDrawItem(painter, item, rect, highlighted);
    };
    connect(V->ColorList, &TColorListPopup::Chosen, this, &TDensitometryPages::Ciano1Click);
}

void TDensitometryPages::BuildDotGainCurvePage(QWidget* page)
{
    V->FixedLabels.push_back(
        {MakeTitle(page, QStringLiteral("DotGainCurveTitleL")), [] { return tr("Dot Gain curve"); }});

    constexpr int swatchLeft = 14, captionLeft = 44, panelLeft = 104, panelWidth = 112, top = 60, pitch = 56;
    for (int row = 0; row < TDotGainCurveModel::Swatches; ++row) {
        const int y = top + pitch * row;
        auto* swatch = new TSwatch(page, Name("ShDGC", row + 1), QRect(swatchLeft, y, SmallSwatch, SmallSwatch), row);
        swatch->SetPressable(true);
        connect(swatch, &TSwatch::Pressed, this, &TDensitometryPages::ShDGC1MouseDown);
        V->DotGainCurveSwatch[row] = swatch;
        const QRect captionRect(captionLeft, y, 54, SmallSwatch);
        if (row == 0) {
            MakeCaption(page, QStringLiteral("DGCCap1"), captionRect, VerdanaFont(13, true), CaptionBlack,
                        Qt::AlignRight | Qt::AlignVCenter)
                ->setText(QStringLiteral("100%"));
        } else {
            V->DotGainCurveCaption[row - 1] = MakeCaption(page, Name("DGCurveL", row), captionRect,
                                                          VerdanaFont(13, true), CaptionBlack,
                                                          Qt::AlignRight | Qt::AlignVCenter);
        }
        auto* panel = new TValuePanel(page, QString(), Name("DGCL", row + 1),
                                      QRect(panelLeft, y - 4, panelWidth, SmallSwatch + 8), 18);
        V->DotGainCurveValue[row] = panel->Label();
    }
    V->DotGainCurveFrame = new TStepFrame(page, QStringLiteral("DGCBordSh"), CurveFrameSize, 5, StepRed);
    V->DotGainCurveFrame->Surround(V->DotGainCurveSwatch[0], DotGainCurveFrameMargin);

    V->PBxDG = ChartPanel(page, "DGPanel", "PBxDG", QRect(228, 38, 353, 305));
    V->PBxDG->SetPaintHandler([this](TCanvas& canvas) { PBxDGPaint(canvas); });
}
