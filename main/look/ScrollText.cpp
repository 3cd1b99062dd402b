// TScrollText: stepping and painting of the rising text.
#include "ScrollText.h"

#include "Fonts.h"

#include <QImage>
#include <QLinearGradient>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

constexpr int TextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
constexpr double FadeHeight = 18.0; // pixels over which the text fades at the top and bottom

} // namespace

TScrollText::TScrollText(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAutoFillBackground(false);
    setFont(SansSerifFont(13, true));
    Timer.setInterval(DefaultIntervalMs);
    connect(&Timer, &QTimer::timeout, this, [this] { Advance(1); });
}

void TScrollText::SetText(const QString& text)
{
    Text_ = text;
    Changed();
}

void TScrollText::Changed()
{
    Layer_ = QImage();
    TextHeight_ = -1;
    update();
}

void TScrollText::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Changed();
}

void TScrollText::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        Changed();
    QWidget::changeEvent(event);
}

void TScrollText::Start()
{
    if (!Timer.isActive())
        Timer.start();
}

void TScrollText::Stop()
{
    Timer.stop();
}

void TScrollText::Restart()
{
    Step_ = 0;
    update();
}

void TScrollText::Advance(int steps)
{
    if (steps <= 0)
        return;
    const int before = PixelTop();
    Step_ = (Step_ + steps) % StepsPerPass;
    const int after = PixelTop();
    // Most steps move the text by less than a pixel: nothing to paint then.
    // Otherwise only the rows it covered and covers now.
    if (after != before && !Text_.isEmpty())
        update(QRegion(TextRect(before)).united(TextRect(after)).intersected(rect()));
    emit Stepped(Step_);
}

void TScrollText::SetStep(int step)
{
    Step_ = ((step % StepsPerPass) + StepsPerPass) % StepsPerPass;
    update();
}

int TScrollText::TextHeight() const
{
    if (TextHeight_ < 0) {
        const QFontMetrics metrics(font());
        const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(1, width() - ShadowOffset), 100000),
                                                  TextFlags, Text_);
        TextHeight_ = bounds.height();
    }
    return TextHeight_;
}

double TScrollText::TextTop() const
{
    // Step 0: the text's top at the bottom edge; the last step: its bottom
    // just above the top edge.
    const double travel = height() + TextHeight();
    return height() - travel * Step_ / StepsPerPass;
}

int TScrollText::PixelTop() const
{
    return int(std::lround(TextTop()));
}

QRect TScrollText::TextRect(int top) const
{
    return QRect(0, top, width(), TextHeight() + 1 + ShadowOffset);
}

const QImage& TScrollText::Layer() const
{
    const qreal ratio = devicePixelRatioF();
    if (Layer_.isNull() || Layer_.devicePixelRatio() != ratio) {
        const QSize size(width(), TextHeight() + 1 + ShadowOffset);
        Layer_ = QImage(size * ratio, QImage::Format_ARGB32_Premultiplied);
        Layer_.setDevicePixelRatio(ratio);
        Layer_.fill(Qt::transparent);
        QPainter painter(&Layer_);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font());
        const QRectF box(0, 0, std::max(1, width() - ShadowOffset), TextHeight() + 1);
        painter.setPen(ShadowColor_);
        painter.drawText(box.translated(ShadowOffset, ShadowOffset), TextFlags, Text_);
        painter.setPen(TextColor_);
        painter.drawText(box, TextFlags, Text_);
    }
    return Layer_;
}

void TScrollText::paintEvent(QPaintEvent* event)
{
    if (Text_.isEmpty() || width() <= 0 || height() <= 0)
        return;
    const QRect area = event->rect().intersected(TextRect(PixelTop()));
    if (area.isEmpty())
        return;
    // The laid-out text goes into a picture of the painted rows whose top
    // and bottom fade out (at the widget's edges), so lines glide in and out
    // instead of being cut.
    const qreal ratio = devicePixelRatioF();
    QImage part(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    part.setDevicePixelRatio(ratio);
    part.fill(Qt::transparent);
    {
        QPainter painter(&part);
        painter.translate(-area.topLeft());
        painter.drawImage(QPoint(0, PixelTop()), Layer());

        const double fade = std::min(FadeHeight, height() / 4.0);
        QLinearGradient mask(0, 0, 0, height());
        mask.setColorAt(0.0, QColor(0, 0, 0, 0));
        mask.setColorAt(fade / height(), QColor(0, 0, 0, 255));
        mask.setColorAt(1.0 - fade / height(), QColor(0, 0, 0, 255));
        mask.setColorAt(1.0, QColor(0, 0, 0, 0));
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.fillRect(area, mask);
    }
    QPainter painter(this);
    painter.drawImage(area.topLeft(), part);
}
