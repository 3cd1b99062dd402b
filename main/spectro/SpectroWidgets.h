// The small widgets the spectro pages are made of: colour swatches with an
// outline, light titled panels holding captions and values, the white bars
// with arrows from the swatches to the differences, colour bands, and the
// pictures of the two measurement toggle buttons, drawn in code.
#pragma once

#include "Captions.h"

#include <QColor>
#include <QIcon>
#include <QLabel>
#include <QWidget>

// A filled rectangle with a one-pixel outline.
class TColorSwatch : public QWidget {
    Q_OBJECT
public:
    TColorSwatch(QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill,
                 const QColor& outline);
    void SetColors(const QColor& fill, const QColor& outline);
    QColor Fill() const { return FillColor; }
    QColor Outline() const { return OutlineColor; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor FillColor;
    QColor OutlineColor;
};

// A white bar ending in an arrow head, from a swatch towards the differences.
// Filled while its record holds a measurement, an outline until then.
class TSwatchArrow : public QWidget {
    Q_OBJECT
public:
    enum class TDirection { Right, Left };
    TSwatchArrow(QWidget* parent, const QString& name, const QRect& geometry, TDirection direction);
    void SetFilled(bool filled);
    bool Filled() const { return IsFilled; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TDirection Direction;
    bool IsFilled = false;
};

// A solid rectangle in one colour with an outline (the bands of the Visual
// match page, the legend lines of the reflectance chart).
QWidget* MakeBand(QWidget* parent, const QString& name, const QRect& geometry, const QColor& fill,
                  const QColor& outline);

// The pictures of the toggle buttons: the instrument over a blue reference
// patch (Sample measurement) or over a red compared patch (Color measurement).
QIcon MeasureButtonIcon(bool reference);
