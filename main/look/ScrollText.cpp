// TScrollText: stepping and painting of the rising text.
#include "ScrollText.h"

#include "Fonts.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

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
    update();
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
    Step_ = (Step_ + steps) % StepsPerPass;
    update();
    emit Stepped(Step_);
}

void TScrollText::SetStep(int step)
{
    Step_ = ((step % StepsPerPass) + StepsPerPass) % StepsPerPass;
    update();
}

int TScrollText::TextHeight() const
{
    const QFontMetrics metrics(font());
    const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(1, width() - ShadowOffset), 100000),
                                              TextFlags, Text_);
    return bounds.height();
}

double TScrollText::TextTop() const
{
    // Step 0: the text's top at the bottom edge; the last step: its bottom
    // just above the top edge.
    const double travel = height() + TextHeight();
    return height() - travel * Step_ / StepsPerPass;
}

void TScrollText::paintEvent(QPaintEvent*)
{
    if (Text_.isEmpty() || width() <= 0 || height() <= 0)
        return;
    // The text is drawn into a picture of its own whose top and bottom edges
    // fade out, so lines glide in and out instead of being cut.
    const qreal ratio = devicePixelRatioF();
    QImage layer(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(font());
        const double top = TextTop();
        const int w = std::max(1, width() - ShadowOffset);
        const QRectF box(0, top, w, TextHeight() + 1);
        painter.setPen(ShadowColor_);
        painter.drawText(box.translated(ShadowOffset, ShadowOffset), TextFlags, Text_);
        painter.setPen(TextColor_);
        painter.drawText(box, TextFlags, Text_);

        const double fade = std::min(FadeHeight, height() / 4.0);
        QLinearGradient mask(0, 0, 0, height());
        mask.setColorAt(0.0, QColor(0, 0, 0, 0));
        mask.setColorAt(fade / height(), QColor(0, 0, 0, 255));
        mask.setColorAt(1.0 - fade / height(), QColor(0, 0, 0, 255));
        mask.setColorAt(1.0, QColor(0, 0, 0, 0));
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.fillRect(rect(), mask);
    }
    QPainter painter(this);
    painter.drawImage(0, 0, layer);
}
