// Painting of a control strip patch.
#include "PatchButton.h"

#include <QPainter>

namespace SimWindow {
namespace {
constexpr int Swatch = 40;
constexpr int Margin = 4;
}

TPatchButton::TPatchButton(const TStripPatch& patch, QWidget* parent) : QAbstractButton(parent), Data(patch)
{
    setObjectName(QStringLiteral("patch:") + patch.Key);
    setText(patch.Label);
    setToolTip(patch.FullName);
    setAccessibleName(patch.FullName);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);   // Enter belongs to the instrument's button
    setFixedSize(sizeHint());
}

void TPatchButton::SetUnderInstrument(bool under)
{
    if (under == Under)
        return;
    Under = under;
    update();
}

QSize TPatchButton::sizeHint() const
{
    const int lines = Data.Label.count(QLatin1Char('\n')) + 1;
    return {Swatch + 2 * Margin + 6, Swatch + Margin + 4 + lines * fontMetrics().height()};
}

void TPatchButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect swatch((width() - Swatch) / 2, Margin, Swatch, Swatch);
    p.fillRect(swatch, Data.Screen);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
    if (Under) {
        // A heavy frame in black and white shows on light and dark patches alike.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 3));
        p.drawRect(swatch.adjusted(-3, -3, 2, 2));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(swatch.adjusted(-1, -1, 0, 0));
        // The instrument's aperture.
        p.setPen(QPen(Qt::white, 3));
        p.drawEllipse(QRectF(swatch).center(), 8, 8);
        p.setPen(QPen(Qt::black, 1.5));
        p.drawEllipse(QRectF(swatch).center(), 8, 8);
    } else if (underMouse()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.drawRect(swatch.adjusted(-2, -2, 1, 1));
    }
    QFont font = this->font();
    if (Under)
        font.setBold(true);
    p.setFont(font);
    p.setPen(palette().color(QPalette::WindowText));
    const QRect label(0, swatch.bottom() + 3, width(), height() - swatch.bottom() - 3);
    // Sample names from files can be long; the full name is in the tool tip.
    const QString text = Data.Label.contains(QLatin1Char('\n'))
                             ? Data.Label
                             : fontMetrics().elidedText(Data.Label, Qt::ElideMiddle, width() - 4);
    p.drawText(label, Qt::AlignHCenter | Qt::AlignTop, text);
}

}
