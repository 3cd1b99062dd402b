// The program's pictures, drawn in code. Shared motifs: the segmented colour
// wheel, the visible spectrum as a gradient, a control strip of process-ink
// patches, and the "Kelvora" wordmark.
#include "Artwork.h"

#include "Fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <iterator>

namespace {

constexpr double Pi = 3.14159265358979323846;

// A colour along the visible spectrum: t = 0 violet (380 nm) .. 1 red (730 nm).
QColor SpectrumColour(double t, double value = 0.95)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromHsvF(static_cast<float>(0.76 * (1.0 - t)), 0.85f, static_cast<float>(value));
}

QLinearGradient SpectrumGradient(QPointF from, QPointF to, double value = 0.95)
{
    QLinearGradient gradient(from, to);
    for (int i = 0; i <= 10; ++i)
        gradient.setColorAt(i / 10.0, SpectrumColour(i / 10.0, value));
    return gradient;
}

QPixmap Transparent(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void Smooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// Twelve ring segments around `centre`, the hue circle of a colour wheel.
void DrawColourWheel(QPainter& p, QPointF centre, double outer, double inner, const QColor& gap = Qt::white)
{
    p.save();
    const int segments = 12;
    for (int i = 0; i < segments; ++i) {
        const double a0 = 90.0 - i * 30.0;
        QPainterPath path;
        const QRectF outerBox(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer);
        const QRectF innerBox(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner);
        path.arcMoveTo(outerBox, a0);
        path.arcTo(outerBox, a0, -30.0);
        path.arcTo(innerBox, a0 - 30.0, 30.0);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromHsvF(static_cast<float>(i / 12.0), 0.78f, 0.93f));
        p.drawPath(path);
    }
    // Thin gaps between the segments.
    if (gap.alpha() > 0) {
        p.setPen(QPen(gap, std::max(1.0, outer / 18.0)));
        for (int i = 0; i < segments; ++i) {
            const double a = (90.0 - i * 30.0) * Pi / 180.0;
            p.drawLine(QPointF(centre.x() + inner * std::cos(a) * 0.95, centre.y() - inner * std::sin(a) * 0.95),
                       QPointF(centre.x() + (outer + 1) * std::cos(a), centre.y() - (outer + 1) * std::sin(a)));
        }
    }
    p.restore();
}

// A row of process-ink patches, the kind printed along the edge of a sheet.
void DrawControlStrip(QPainter& p, const QRectF& strip, int patches)
{
    const QColor inks[] = {Palette::Cyan, Palette::Magenta, Palette::Yellow, Palette::Black,
                           QColor(0x2E, 0x3A, 0x93), QColor(0xD7, 0x1F, 0x2A), QColor(0x1F, 0x9A, 0x4B),
                           QColor(0x9A, 0x9A, 0x9A)};
    const double w = strip.width() / patches;
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < patches; ++i) {
        QColor c = inks[i % 8];
        const int tint = (i / 8) % 3;       // solid, 50 %, 25 %
        if (tint > 0) {
            const double f = tint == 1 ? 0.5 : 0.25;
            c = QColor::fromRgbF(static_cast<float>(1 - (1 - c.redF()) * f), static_cast<float>(1 - (1 - c.greenF()) * f),
                                 static_cast<float>(1 - (1 - c.blueF()) * f));
        }
        p.setBrush(c);
        p.drawRect(QRectF(strip.left() + i * w, strip.top(), w - std::max(1.0, w / 10.0), strip.height()));
    }
    p.restore();
}

// The wordmark; `height` is the pixel size of the letters.
void DrawWordmark(QPainter& p, const QPointF& baselineLeft, int height, const QColor& colour)
{
    QFont font = VerdanaFont(height, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 96);
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(baselineLeft, QStringLiteral("Kelvora"));
    p.restore();
}

int WordmarkWidth(int height)
{
    QFont font = VerdanaFont(height, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 96);
    return QFontMetrics(font).horizontalAdvance(QStringLiteral("Kelvora"));
}

// A reflectance curve through the given control values (0..1, evenly spread).
QPainterPath SpectralCurve(const QRectF& box, const std::vector<double>& values)
{
    QPainterPath path;
    const int n = static_cast<int>(values.size());
    auto point = [&](int i) {
        return QPointF(box.left() + box.width() * i / (n - 1), box.bottom() - box.height() * values[i]);
    };
    path.moveTo(point(0));
    for (int i = 1; i < n; ++i) {
        const QPointF a = point(i - 1), b = point(i);
        const double dx = (b.x() - a.x()) / 2;
        path.cubicTo(QPointF(a.x() + dx, a.y()), QPointF(b.x() - dx, b.y()), b);
    }
    return path;
}

// A hand-held spectrophotometer seen from above: a slim body with its
// measuring button, the aperture ring at the nose and the cable at the back.
void DrawInstrument(QPainter& p, const QRectF& box)
{
    p.save();
    const double w = box.width(), h = box.height();
    const double left = box.left(), top = box.top();
    // Cable leaving the back of the body.
    QPainterPath cable;
    cable.moveTo(left + w * 0.5, top + h * 0.08);
    cable.cubicTo(QPointF(left + w * 0.5, top - h * 0.05), QPointF(left + w * 0.9, top + h * 0.02),
                  QPointF(left + w * 1.0, top - h * 0.06));
    p.setPen(QPen(QColor(0x3A, 0x44, 0x50), std::max(1.2, w / 16.0), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cable);
    // Body: wide at the back, narrowing towards the nose.
    QPainterPath body;
    body.moveTo(left + w * 0.5, top + h * 0.06);
    body.cubicTo(QPointF(left + w * 0.98, top + h * 0.06), QPointF(left + w * 0.95, top + h * 0.55),
                 QPointF(left + w * 0.78, top + h * 0.86));
    body.cubicTo(QPointF(left + w * 0.7, top + h * 0.99), QPointF(left + w * 0.3, top + h * 0.99),
                 QPointF(left + w * 0.22, top + h * 0.86));
    body.cubicTo(QPointF(left + w * 0.05, top + h * 0.55), QPointF(left + w * 0.02, top + h * 0.06),
                 QPointF(left + w * 0.5, top + h * 0.06));
    QLinearGradient shade(QPointF(left, top), QPointF(left + w, top + h));
    shade.setColorAt(0.0, QColor(0x66, 0x74, 0x84));
    shade.setColorAt(1.0, Palette::Graphite);
    p.setPen(QPen(QColor(0x1A, 0x20, 0x28), std::max(1.0, w / 40.0)));
    p.setBrush(shade);
    p.drawPath(body);
    // A highlight along the left flank.
    p.setPen(QPen(QColor(255, 255, 255, 60), std::max(1.0, w / 25.0), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(left + w * 0.2, top + h * 0.25), QPointF(left + w * 0.24, top + h * 0.6));
    // Measuring button.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xDE, 0xE5));
    p.drawRoundedRect(QRectF(left + w * 0.34, top + h * 0.2, w * 0.32, h * 0.16), w * 0.07, w * 0.07);
    // Aperture at the nose.
    p.setBrush(Palette::Blue);
    p.drawEllipse(QPointF(left + w * 0.5, top + h * 0.8), w * 0.12, w * 0.12);
    p.setBrush(QColor(0xE8, 0xF6, 0xFF));
    p.drawEllipse(QPointF(left + w * 0.5, top + h * 0.8), w * 0.055, w * 0.055);
    p.restore();
}

} // namespace

QPixmap BannerPixmap()
{
    QPixmap pixmap(590, 45);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    Smooth(p);
    QLinearGradient fade(0, 0, 0, 45);
    fade.setColorAt(0.0, Qt::white);
    fade.setColorAt(1.0, QColor(0xF1, 0xF5, 0xF9));
    p.fillRect(pixmap.rect(), fade);
    // Left of the title: a small reflectance spectrum, one bar per 25 nm,
    // coloured by wavelength.
    const double curve[] = {0.30, 0.38, 0.52, 0.70, 0.82, 0.86, 0.78, 0.60, 0.46, 0.40, 0.48, 0.66, 0.84, 0.92, 0.95};
    const int bars = static_cast<int>(std::size(curve));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < bars; ++i) {
        const double h = 28.0 * curve[i];
        p.setBrush(SpectrumColour(i / double(bars - 1)));
        p.drawRoundedRect(QRectF(10 + i * 6.0, 36 - h, 4.2, h), 1.2, 1.2);
    }
    p.setPen(QPen(QColor(0xC9, 0xD1, 0xDA), 1));
    p.drawLine(QPointF(8, 37.5), QPointF(100, 37.5));
    p.drawLine(QPointF(104.5, 8), QPointF(104.5, 37));
    // A hair line of the spectrum along the bottom edge.
    p.fillRect(QRectF(0, 42, 590, 3), SpectrumGradient(QPointF(0, 0), QPointF(590, 0)));
    return pixmap;
}

QPixmap LogoPixmap()
{
    QPixmap pixmap = Transparent(130, 40);
    QPainter p(&pixmap);
    Smooth(p);
    DrawColourWheel(p, QPointF(18, 20), 15, 6, QColor(255, 255, 255, 220));
    DrawWordmark(p, QPointF(38, 27), 19, Palette::Graphite);
    return pixmap;
}

QPixmap ButtonPicture(const QString& name)
{
    const int s = ButtonPictureSize;
    QPixmap pixmap = Transparent(s, s);
    QPainter p(&pixmap);
    Smooth(p);
    if (name == QLatin1String("calibrate")) {
        // The white calibration tile with the instrument's aperture ring on it.
        p.setPen(QPen(QColor(0x8A, 0x96, 0xA3), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2.5, 6.5, 23, 19), 3, 3);
        p.setPen(QPen(Palette::Blue, 2.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(14, 16), 6, 6);
        p.setPen(QPen(Palette::Graphite, 1.4));
        p.drawLine(QPointF(14, 2), QPointF(14, 10));
        p.drawLine(QPointF(14, 22), QPointF(14, 27));
        p.drawLine(QPointF(3, 16), QPointF(8, 16));
        p.drawLine(QPointF(20, 16), QPointF(25, 16));
    } else if (name == QLatin1String("paper")) {
        // A sheet with a folded corner and a strip of ink patches.
        QPainterPath sheet;
        sheet.moveTo(5.5, 2.5);
        sheet.lineTo(18.5, 2.5);
        sheet.lineTo(23.5, 7.5);
        sheet.lineTo(23.5, 25.5);
        sheet.lineTo(5.5, 25.5);
        sheet.closeSubpath();
        p.setPen(QPen(QColor(0x8A, 0x96, 0xA3), 1));
        p.setBrush(Palette::Paper);
        p.drawPath(sheet);
        p.setBrush(QColor(0xDD, 0xE3, 0xEA));
        QPainterPath fold;
        fold.moveTo(18.5, 2.5);
        fold.lineTo(18.5, 7.5);
        fold.lineTo(23.5, 7.5);
        fold.closeSubpath();
        p.drawPath(fold);
        DrawControlStrip(p, QRectF(8, 19, 14, 4), 4);
        p.setPen(QPen(QColor(0xB5, 0xBE, 0xC8), 1));
        for (int y = 10; y <= 15; y += 3)
            p.drawLine(QPointF(8, y + 0.5), QPointF(20, y + 0.5));
    } else if (name == QLatin1String("exit")) {
        // An open door with an arrow leaving it.
        p.setPen(QPen(Palette::Graphite, 1.6));
        p.setBrush(QColor(0xF2, 0xF4, 0xF7));
        p.drawRect(QRectF(4.5, 3.5, 13, 21));
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::GraphiteLight);
        QPainterPath door;
        door.moveTo(4.5, 3.5);
        door.lineTo(12.5, 6.5);
        door.lineTo(12.5, 26.5);
        door.lineTo(4.5, 24.5);
        door.closeSubpath();
        p.drawPath(door);
        p.setPen(QPen(Palette::Red, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(15, 14), QPointF(25, 14));
        p.drawLine(QPointF(21, 10), QPointF(25, 14));
        p.drawLine(QPointF(21, 18), QPointF(25, 14));
    }
    return pixmap;
}

QColor TileGroundDefault() { return {0xF3, 0xF4, 0xF6}; }
QColor TileDotDefault() { return {0xE3, 0xE6, 0xEA}; }

QPixmap TileBackground()
{
    return TileBackground(TileGroundDefault(), TileDotDefault());
}

QPixmap TileBackground(const QColor& ground, const QColor& dot)
{
    // A faint halftone screen: rows of small dots at 45 degrees on a pale ground.
    QPixmap pixmap(64, 64);
    pixmap.fill(ground);
    QPainter p(&pixmap);
    Smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    for (int y = 0; y < 64; y += 8)
        for (int x = 0; x < 64; x += 8) {
            const double ox = (y / 8) % 2 ? 4.0 : 0.0;
            p.drawEllipse(QPointF(x + ox + 2, y + 2), 1.1, 1.1);
        }
    return pixmap;
}

QPixmap AboutPicture()
{
    QPixmap pixmap(596, 440);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    Smooth(p);

    // Dark header at the top: the program's name and version stand on it in
    // white. The picture sits 14 pixels right of the page's edge and 4 above
    // it; the header keeps the same margin on the right.
    const QRectF header(0, 0, 568, 52);
    QLinearGradient band(header.topLeft(), header.topRight());
    band.setColorAt(0.0, Palette::GraphiteLight);
    band.setColorAt(1.0, Palette::Graphite);
    QPainterPath headerPath;
    headerPath.addRoundedRect(header.adjusted(0, -10, 0, 0), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawPath(headerPath);
    p.fillRect(QRectF(8, 50, 552, 2), SpectrumGradient(QPointF(8, 0), QPointF(560, 0)));
    DrawColourWheel(p, QPointF(30, 28), 14, 5.5, Palette::GraphiteLight);
    DrawWordmark(p, QPointF(52, 36), 20, Qt::white);
    // Left: a press sheet with four pages and the control strip along its edge.
    p.save();
    p.translate(40, 100);
    p.rotate(-4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 30));
    p.drawRoundedRect(QRectF(5, 6, 200, 250), 3, 3);
    p.setBrush(Palette::Paper);
    p.setPen(QPen(QColor(0xC9, 0xCF, 0xD6), 1));
    p.drawRect(QRectF(0, 0, 200, 250));
    const QColor pageInks[] = {QColor(0xCC, 0xEC, 0xF9), QColor(0xF9, 0xCF, 0xE5), QColor(0xFF, 0xF4, 0xB3),
                               QColor(0xD9, 0xDC, 0xE0)};
    for (int i = 0; i < 4; ++i) {
        const QRectF page(12 + (i % 2) * 92, 12 + (i / 2) * 104, 84, 96);
        p.setPen(Qt::NoPen);
        p.setBrush(pageInks[i]);
        p.drawRect(page);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawRect(QRectF(page.left() + 8, page.top() + 10, page.width() - 16, 28));
        p.setPen(QPen(QColor(0, 0, 0, 60), 2));
        for (int l = 0; l < 4; ++l)
            p.drawLine(QPointF(page.left() + 8, page.top() + 50 + l * 10),
                       QPointF(page.right() - 8 - (l == 3 ? 26 : 0), page.top() + 50 + l * 10));
    }
    DrawControlStrip(p, QRectF(10, 226, 180, 12), 24);
    // Register marks at the corners.
    p.setPen(QPen(Palette::Black, 1));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& c : {QPointF(100, 6), QPointF(100, 244)}) {
        p.drawEllipse(c, 3, 3);
        p.drawLine(c - QPointF(6, 0), c + QPointF(6, 0));
        p.drawLine(c - QPointF(0, 6), c + QPointF(0, 6));
    }
    p.restore();
    // The instrument resting on the control strip.
    DrawInstrument(p, QRectF(150, 270, 70, 110));

    // Right: a light card behind the scrolling text, with a reflectance curve.
    const QRectF card(262, 148, 306, 188);
    p.setPen(QPen(QColor(0xDD, 0xE2, 0xE8), 1));
    p.setBrush(QColor(0xFA, 0xFB, 0xFC));
    p.drawRoundedRect(card, 8, 8);
    const QRectF chart(card.left() + 12, card.top() + 16, card.width() - 24, card.height() - 30);
    p.setPen(QPen(QColor(0xEE, 0xF0, 0xF3), 1));
    for (int i = 1; i < 5; ++i)
        p.drawLine(QPointF(chart.left(), chart.top() + chart.height() * i / 5),
                   QPointF(chart.right(), chart.top() + chart.height() * i / 5));
    const std::vector<double> magenta{0.62, 0.58, 0.45, 0.22, 0.08, 0.05, 0.06, 0.1, 0.45, 0.78, 0.85, 0.86};
    p.setPen(QPen(QColor(0xE5, 0x00, 0x7D, 60), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(SpectralCurve(chart, magenta));
    const std::vector<double> cyan{0.55, 0.68, 0.80, 0.78, 0.62, 0.40, 0.18, 0.07, 0.05, 0.05, 0.06, 0.08};
    p.setPen(QPen(QColor(0x00, 0x9F, 0xE3, 60), 2.5));
    p.drawPath(SpectralCurve(chart, cyan));
    p.fillRect(QRectF(chart.left(), chart.bottom() + 4, chart.width(), 4),
               SpectrumGradient(chart.bottomLeft(), chart.bottomRight(), 0.98));

    // Along the bottom: the control strip the instrument reads.
    DrawControlStrip(p, QRectF(262, 352, 306, 12), 24);
    return pixmap;
}

QPixmap InfoPicture()
{
    QPixmap pixmap(596, 440);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    Smooth(p);
    // A soft light from the upper left.
    QRadialGradient glow(QPointF(150, 120), 420);
    glow.setColorAt(0.0, Qt::white);
    glow.setColorAt(1.0, QColor(0xEE, 0xF2, 0xF6));
    p.fillRect(pixmap.rect(), glow);

    // Faint reflectance curves of the four process inks across the lower part.
    const QRectF curves(20, 300, 556, 100);
    const std::vector<double> inkCurves[4] = {
        {0.55, 0.68, 0.80, 0.78, 0.62, 0.40, 0.18, 0.07, 0.05, 0.05, 0.06, 0.08},
        {0.62, 0.58, 0.45, 0.22, 0.08, 0.05, 0.06, 0.10, 0.45, 0.78, 0.85, 0.86},
        {0.08, 0.07, 0.08, 0.15, 0.55, 0.80, 0.86, 0.88, 0.89, 0.89, 0.90, 0.90},
        {0.04, 0.04, 0.04, 0.04, 0.04, 0.04, 0.04, 0.04, 0.04, 0.04, 0.04, 0.05},
    };
    const QColor inkColours[4] = {Palette::Cyan, Palette::Magenta, Palette::Yellow, Palette::Black};
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        QColor c = inkColours[i];
        c.setAlpha(i == 2 ? 90 : 45);
        p.setPen(QPen(c, 2.0));
        p.drawPath(SpectralCurve(curves, inkCurves[i]));
    }

    // The big colour wheel on the right, with rings of tints inside.
    const QPointF centre(430, 200);
    DrawColourWheel(p, centre, 128, 86);
    p.setOpacity(0.55);
    DrawColourWheel(p, centre, 82, 52);
    p.setOpacity(0.25);
    DrawColourWheel(p, centre, 48, 26);
    p.setOpacity(1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 20, 20);
    p.setBrush(Palette::Graphite);
    p.drawEllipse(centre, 5, 5);

    // Wordmark, right-aligned on the line where the version and notice end.
    const int size = 46;
    const double right = 248;
    DrawWordmark(p, QPointF(right - WordmarkWidth(size), 232), size, Palette::Graphite);
    p.fillRect(QRectF(right - WordmarkWidth(size), 240, WordmarkWidth(size), 3),
               SpectrumGradient(QPointF(right - WordmarkWidth(size), 0), QPointF(right, 0)));
    DrawControlStrip(p, QRectF(right - WordmarkWidth(size), 150, WordmarkWidth(size), 12), 8);

    // The spectrum along the bottom.
    p.fillRect(QRectF(0, 420, 596, 6), SpectrumGradient(QPointF(0, 0), QPointF(596, 0)));
    return pixmap;
}

QPixmap DialogBanner()
{
    QPixmap pixmap(413, 32);
    QPainter p(&pixmap);
    Smooth(p);
    QLinearGradient fade(0, 0, 0, 32);
    fade.setColorAt(0.0, Qt::white);
    fade.setColorAt(1.0, QColor(0xF1, 0xF5, 0xF9));
    p.fillRect(pixmap.rect(), fade);
    DrawColourWheel(p, QPointF(395, 15), 11, 4);
    DrawControlStrip(p, QRectF(318, 10, 60, 10), 6);
    p.fillRect(QRectF(0, 30, 413, 2), SpectrumGradient(QPointF(0, 0), QPointF(413, 0)));
    return pixmap;
}

QPixmap CalibrationIcon()
{
    QPixmap pixmap = Transparent(53, 50);
    QPainter p(&pixmap);
    Smooth(p);
    // The calibration plate, and the instrument resting on it.
    p.setPen(QPen(QColor(0x8A, 0x96, 0xA3), 1));
    p.setBrush(QColor(0xE4, 0xE8, 0xEC));
    p.drawRoundedRect(QRectF(3.5, 30.5, 46, 16), 4, 4);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(26.5, 38.5), 9, 5);
    DrawInstrument(p, QRectF(13, 2, 27, 42));
    return pixmap;
}

QPixmap PaperIcon()
{
    QPixmap pixmap = Transparent(53, 50);
    QPainter p(&pixmap);
    Smooth(p);
    // A sheet of paper, and the instrument resting on its white margin.
    p.save();
    p.translate(6, 8);
    p.rotate(-6);
    p.setPen(QPen(QColor(0x8A, 0x96, 0xA3), 1));
    p.setBrush(Palette::Paper);
    p.drawRect(QRectF(0, 0, 40, 38));
    DrawControlStrip(p, QRectF(4, 30, 32, 5), 8);
    p.restore();
    DrawInstrument(p, QRectF(22, 0, 25, 39));
    return pixmap;
}
