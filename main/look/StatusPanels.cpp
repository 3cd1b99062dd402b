// TStatusPanels: fixed panel geometry and painting.
#include "StatusPanels.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace {

struct TPanelSpec {
    int Width;
    Qt::Alignment Alignment;
    bool Bevel;
};

constexpr std::array<TPanelSpec, TStatusPanels::PanelCount> Panels{{
    {210, Qt::AlignLeft | Qt::AlignVCenter, false},
    {125, Qt::AlignHCenter | Qt::AlignVCenter, true},
    {110, Qt::AlignHCenter | Qt::AlignVCenter, true},
    {115, Qt::AlignRight | Qt::AlignVCenter, false},
}};

constexpr int PanelGap = 2;     // between two panels
constexpr int TextPadding = 3;  // inside a panel

bool Valid(int panel)
{
    return panel >= 0 && panel < TStatusPanels::PanelCount;
}

} // namespace

TStatusPanels::TStatusPanels(QWidget* parent) : QWidget(parent)
{
    setFixedHeight(BarHeight);
    setAttribute(Qt::WA_StyledBackground, true);
}

void TStatusPanels::SetText(int panel, const QString& text)
{
    if (!Valid(panel) || Texts[panel] == text)
        return;
    Texts[panel] = text;
    update(PanelRect(panel));
}

QString TStatusPanels::Text(int panel) const
{
    return Valid(panel) ? Texts[panel] : QString();
}

int TStatusPanels::PanelWidth(int panel) const
{
    return Valid(panel) ? Panels[panel].Width : 0;
}

Qt::Alignment TStatusPanels::PanelAlignment(int panel) const
{
    return Valid(panel) ? Panels[panel].Alignment : Qt::Alignment();
}

bool TStatusPanels::PanelHasBevel(int panel) const
{
    return Valid(panel) && Panels[panel].Bevel;
}

QRect TStatusPanels::PanelRect(int panel) const
{
    if (!Valid(panel))
        return {};
    int x = 0;
    for (int i = 0; i < panel; ++i)
        x += Panels[i].Width;
    // Each panel keeps its full width; the gap is taken from its right end.
    return QRect(x, 2, Panels[panel].Width - PanelGap, height() - 2);
}

QSize TStatusPanels::sizeHint() const
{
    int w = 0;
    for (const TPanelSpec& p : Panels)
        w += p.Width;
    return {w, BarHeight};
}

void TStatusPanels::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);

    painter.setFont(font());
    for (int i = 0; i < PanelCount; ++i) {
        const QRect rect = PanelRect(i);
        if (Panels[i].Bevel) {
            // Lowered: dark top and left, light bottom and right.
            painter.setPen(BevelDark_);
            painter.drawLine(rect.topLeft(), rect.topRight());
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
            painter.setPen(BevelLight_);
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
            painter.drawLine(rect.topRight(), rect.bottomRight());
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect.adjusted(TextPadding, 0, -TextPadding, 0), Panels[i].Alignment | Qt::TextSingleLine,
                         Texts[i]);
    }
}
