// Plain text labels of the pages: a label at a place with a font, a text
// colour and an alignment (captions, channel letters, titles, value figures).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// A label at a place with a font and a text colour.
QLabel* MakeCaption(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font,
                    const QColor& color = QColor(0x00, 0x00, 0x00), Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
// Changes the text colour of a label.
void SetTextColor(QLabel* label, const QColor& color);
