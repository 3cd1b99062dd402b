// TScrollText: the About page's transparent, slowly rising text with a soft
// shadow. One pass takes Steps() timer steps: the text enters at the bottom
// and has left at the top when the pass ends; then the next pass begins.
// It moves only between Start() and Stop(). The text and its shadow are laid
// out once into a picture; a step repaints only the rows the text covers, and
// only when it has moved by a whole pixel.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

class TScrollText : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor textColor READ TextColor WRITE SetTextColor)
    Q_PROPERTY(QColor shadowColor READ ShadowColor WRITE SetShadowColor)

public:
    static constexpr int StepsPerPass = 1500;
    static constexpr int ShadowOffset = 2;
    static constexpr int DefaultIntervalMs = 25;

    explicit TScrollText(QWidget* parent = nullptr);

    void SetText(const QString& text);  // paragraphs separated by '\n'
    QString Text() const { return Text_; }

    void Start();             // moves on from where it is
    void Stop();              // stays where it is
    void Restart();           // back to the beginning of a pass; running or not as before
    bool IsRunning() const { return Timer.isActive(); }
    int Steps() const { return StepsPerPass; }
    int Step() const { return Step_; }   // 0 .. Steps()-1
    void Advance(int steps = 1);         // what the timer does, for callers that drive it
    void SetStep(int step);              // taken modulo Steps()

    void SetInterval(int milliseconds) { Timer.setInterval(milliseconds); }
    int Interval() const { return Timer.interval(); }

    QColor TextColor() const { return TextColor_; }
    void SetTextColor(const QColor& colour) { TextColor_ = colour; Changed(); }
    QColor ShadowColor() const { return ShadowColor_; }
    void SetShadowColor(const QColor& colour) { ShadowColor_ = colour; Changed(); }

    // Vertical position of the text's top at the current step.
    double TextTop() const;
    // Height of the laid-out text at the current width.
    int TextHeight() const;

signals:
    void Stepped(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The text's top as painted: TextTop() rounded to a whole pixel.
    int PixelTop() const;
    // The rows the text covers with its top at `top`.
    QRect TextRect(int top) const;
    // The laid-out text with its shadow, made when first needed.
    const QImage& Layer() const;
    // Text, font, colours or size changed: lay out again, repaint all.
    void Changed();

    QString Text_;
    mutable QImage Layer_;
    mutable int TextHeight_ = -1;
    QTimer Timer;
    int Step_ = 0;
    QColor TextColor_{0x37, 0x37, 0x37};
    QColor ShadowColor_{0xCF, 0xCF, 0xCF};
};
