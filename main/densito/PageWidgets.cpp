// Swatches, step frames and value panels of the densitometry pages.
#include "PageWidgets.h"

#include "Captions.h"
#include "Fonts.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace {
const QColor NavyText(0x00, 0x00, 0x80);
const QColor TitleGrey(0x80, 0x80, 0x80);
const QColor SwatchOutline(0x60, 0x60, 0x60);
}  // namespace

void SetLookRole(QWidget* widget, const char* role)
{
    widget->setProperty("kvRole", QString::fromLatin1(role));
}

TSwatch::TSwatch(QWidget* parent, const QString& name, const QRect& geometry, int step)
    : QWidget(parent), Fill(0x9A, 0x9A, 0x9A), StepNumber(step)
{
    setObjectName(name);
    setGeometry(geometry);
    SetLookRole(this, "swatch");
}

void TSwatch::SetColor(const QColor& color)
{
    if (color == Fill)
        return;
    Fill = color;
    update();
}

void TSwatch::SetPressable(bool pressable)
{
    Pressable = pressable;
    setCursor(pressable ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Fill);
    painter.setPen(SwatchOutline);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TSwatch::mousePressEvent(QMouseEvent* event)
{
    if (Pressable) {
        emit Pressed(StepNumber);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

TStepFrame::TStepFrame(QWidget* parent, const QString& name, const QSize& size, int penWidth, const QColor& color)
    : QWidget(parent), PenWidth(penWidth), PenColor(color)
{
    setObjectName(name);
    resize(size);
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setAttribute(Qt::WA_NoSystemBackground, true);
    setAttribute(Qt::WA_TranslucentBackground, true);
    SetLookRole(this, "stepFrame");
}

void TStepFrame::Surround(const QWidget* target, int margin)
{
    if (!target)
        return;
    move(target->x() - margin, target->y() - margin);
    raise();
}

void TStepFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QPen pen(PenColor, PenWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // The pen is centred on the path: keep the whole stroke inside the widget.
    const double inset = PenWidth / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

TValuePanel::TValuePanel(QWidget* parent, const QString& panelName, const QString& labelName, const QRect& geometry,
                         int pixelSize, Qt::Alignment alignment)
    : QFrame(parent)
{
    if (!panelName.isEmpty())
        setObjectName(panelName);
    setGeometry(geometry);
    // Drawn by paintEvent: a light field in a thin border with a shadow along
    // its top and left edges, so it reads as sunken in every style.
    setFrameStyle(QFrame::NoFrame);
    SetLookRole(this, "valuePanel");

    Value = new QLabel(this);
    Value->setObjectName(labelName);
    Value->setFont(VerdanaFont(pixelSize, true));
    Value->setAlignment(alignment);
    QPalette text = Value->palette();
    text.setColor(QPalette::WindowText, NavyText);
    Value->setPalette(text);
    SetLookRole(Value, "navy");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 0, 6, 0);
    layout->addWidget(Value);
}

void TValuePanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(rect(), QColor(0xFC, 0xFC, 0xFC));
    painter.setPen(QColor(0x9C, 0x9C, 0x9C));
    painter.drawRect(r);
    painter.setPen(QColor(0xD4, 0xD4, 0xD4));
    painter.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    painter.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
}

QLabel* MakeTitle(QWidget* parent, const QString& name)
{
    QLabel* title = MakeCaption(parent, name, QRect(6, 5, 400, 22), VerdanaFont(16, true), TitleGrey);
    SetLookRole(title, "pageTitle");
    return title;
}
