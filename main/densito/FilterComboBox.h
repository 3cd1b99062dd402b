// FilterCB: the filter list of the Density page ("Auto", "Cyan", "Magenta",
// "Yellow", "Black"), every item drawn with its ink swatches.
#pragma once

#include <QComboBox>

class QPainter;

// Draws one item: background, swatch area from 5 to 45 pixels right of the
// left edge (four 10-pixel swatches for "Auto", one for an ink) and the
// caption from 50 pixels on, vertically centred.
void DrawFilterItem(QPainter& painter, const QRect& rect, int index, const QString& caption, bool selected,
                    const QPalette& palette);

class TFilterComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int ItemHeight = 24;

    explicit TFilterComboBox(QWidget* parent);
    // Fills the five items in the current language, keeping the choice.
    void Retranslate();

protected:
    void paintEvent(QPaintEvent* event) override;
};
