// TStatusPanels: the main window's status bar, four fixed panels and no size
// grip. From left to right: running messages (210, left-aligned, no bevel),
// instrument (125, centred), viewing conditions (110, centred), title and
// version (115, right-aligned, no bevel).
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>

class TStatusPanels : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor bevelDark READ BevelDark WRITE SetBevelDark)
    Q_PROPERTY(QColor bevelLight READ BevelLight WRITE SetBevelLight)

public:
    static constexpr int PanelCount = 4;
    static constexpr int BarHeight = 19;

    explicit TStatusPanels(QWidget* parent = nullptr);

    // Panel texts; an index outside 0..3 is ignored (Text answers "").
    void SetText(int panel, const QString& text);
    QString Text(int panel) const;

    int PanelWidth(int panel) const;
    Qt::Alignment PanelAlignment(int panel) const;
    bool PanelHasBevel(int panel) const;
    QRect PanelRect(int panel) const;

    QColor BevelDark() const { return BevelDark_; }
    void SetBevelDark(const QColor& colour) { BevelDark_ = colour; update(); }
    QColor BevelLight() const { return BevelLight_; }
    void SetBevelLight(const QColor& colour) { BevelLight_ = colour; update(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<QString, PanelCount> Texts;
    QColor BevelDark_{0xA0, 0xA0, 0xA0};
    QColor BevelLight_{0xFF, 0xFF, 0xFF};
};
