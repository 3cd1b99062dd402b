// TScrollText: stepping and painting of the rising text.
#include "ScrollText.h"

#include "Fonts.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int TextFlags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;

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
    if (Text_.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(font());
    const double top = TextTop();
    const int w = std::max(1, width() - ShadowOffset);
    const QRectF box(0, top, w, TextHeight() + 1);
    painter.setPen(ShadowColor_);
    painter.drawText(box.translated(ShadowOffset, ShadowOffset), TextFlags, Text_);
    painter.setPen(TextColor_);
    painter.drawText(box, TextFlags, Text_);
}
