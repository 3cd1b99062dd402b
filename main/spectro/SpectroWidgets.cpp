// Swatches, arrows, bands, labels and button pictures of the spectro pages.
#include "SpectroWidgets.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int PictureSize = 24;
}

TColorSwatch::TColorSwatch(QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill,
                           const QColor& outline)
    : QWidget(parent), FillColor(fill), OutlineColor(outline)
{
    setObjectName(name);
    setGeometry(geometry);
    setProperty("kvRole", QStringLiteral("swatch"));
}

void TColorSwatch::SetColors(const QColor& fill, const QColor& outline)
{
    if (fill == FillColor && outline == OutlineColor)
        return;
    FillColor = fill;
    OutlineColor = outline;
    update();
}

void TColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), FillColor);
    painter.setPen(OutlineColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TSwatchArrow::TSwatchArrow(QWidget* parent, const QString& name, const QRect& geometry, TDirection direction)
    : QWidget(parent), Direction(direction)
{
    setObjectName(name);
    setGeometry(geometry);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void TSwatchArrow::SetFilled(bool filled)
{
    if (filled == IsFilled)
        return;
    IsFilled = filled;
    update();
}

void TSwatchArrow::paintEvent(QPaintEvent*)
{
    // A bar a third of the height thick, then a head over the last third of
    // the length, pointing at the difference panel.
    const double w = width() - 1, h = height() - 1;
    const double bar = h / 3.0, head = w / 3.0;
    QPainterPath path;
    path.moveTo(0, h / 2 - bar / 2);
    path.lineTo(w - head, h / 2 - bar / 2);
    path.lineTo(w - head, 0);
    path.lineTo(w, h / 2);
    path.lineTo(w - head, h);
    path.lineTo(w - head, h / 2 + bar / 2);
    path.lineTo(0, h / 2 + bar / 2);
    path.closeSubpath();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (Direction == TDirection::Left) {
        painter.translate(width(), 0);
        painter.scale(-1, 1);
    }
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(IsFilled ? QBrush(Qt::white) : QBrush(Qt::NoBrush));
    painter.drawPath(path);
}

QWidget* MakeBand(QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill,
                  const QColor& outline)
{
    return new TColorSwatch(parent, name, geometry, fill, outline);
}

QIcon MeasureButtonIcon(bool reference)
{
    QPixmap picture(PictureSize, PictureSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The patch under the instrument.
    const QColor patch = reference ? QColor(0x00, 0x00, 0xFF) : QColor(0xFF, 0x00, 0x00);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(patch);
    p.drawRect(QRectF(2.5, 15.5, 19, 7));
    // The instrument: a rounded body with its measuring head over the patch.
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawRoundedRect(QRectF(5.5, 1.5, 13, 11), 3, 3);
    p.setBrush(QColor(0x60, 0x60, 0x60));
    p.drawRect(QRectF(9.5, 12.5, 5, 3));
    // Its button: lit in the patch's colour.
    p.setBrush(patch);
    p.drawEllipse(QRectF(9.5, 4.5, 5, 5));
    p.end();
    return QIcon(picture);
}
