// The small widgets the densitometry pages are made of: colour swatches that
// the operator can press, step frames that the blink timer shows and hides,
// and sunken value panels with large bold navy figures.
#pragma once

#include <QColor>
#include <QFrame>
#include <QWidget>

class QLabel;

// A filled rectangle in one colour. It reports a press of a mouse button
// with its step number (the patch it stands for on its page).
class TSwatch : public QWidget {
    Q_OBJECT
public:
    TSwatch(QWidget* parent, const QString& name, const QRect& geometry, int step = 0);

    void SetColor(const QColor& color);
    QColor Color() const { return Fill; }
    int Step() const { return StepNumber; }
    // Whether the swatch takes presses (a pointing hand shows that it does).
    void SetPressable(bool pressable);

signals:
    void Pressed(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor Fill;
    int StepNumber = 0;
    bool Pressable = false;
};

// A rectangle outline of a given pen width, transparent inside and to the
// mouse, drawn within the widget's bounds.
class TStepFrame : public QWidget {
    Q_OBJECT
public:
    TStepFrame(QWidget* parent, const QString& name, const QSize& size, int penWidth, const QColor& color);

    // Places the frame around `target` (a sibling), `margin` pixels outside
    // its top and left edges.
    void Surround(const QWidget* target, int margin);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int PenWidth;
    QColor PenColor;
};

// A sunken panel holding one value label. The label gets `labelName`, the
// panel `panelName` (may be empty).
class TValuePanel : public QFrame {
    Q_OBJECT
public:
    TValuePanel(QWidget* parent, const QString& panelName, const QString& labelName, const QRect& geometry,
                int pixelSize, Qt::Alignment alignment = Qt::AlignCenter);
    QLabel* Label() const { return Value; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* Value;
};

// The grey page title at the top left.
QLabel* MakeTitle(QWidget* parent, const QString& name);
// The look property skins use to recolour widgets of one kind.
void SetLookRole(QWidget* widget, const char* role);
