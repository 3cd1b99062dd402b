// Plain text labels of the pages (see Captions.h).
#include "Captions.h"

#include <QLabel>

void SetTextColor(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

QLabel* MakeCaption(QWidget* parent, const QString& name, const QRect& geometry, const QFont& font, const QColor& color,
                    Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setAlignment(alignment);
    SetTextColor(label, color);
    return label;
}
