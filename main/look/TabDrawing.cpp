// The drawing rules of the page controls' tabs (see TabDrawing.h).
#include "TabDrawing.h"

#include <QFontMetrics>
#include <QPainter>

QPoint TabCaptionOrigin(const QRect& rect, int textWidth, int mHeight)
{
    // C++ integer division truncates towards zero, which is what the layout needs
    // for captions wider than their tab too.
    const int x = rect.left() + (rect.width() - textWidth) / 2;
    const int y = rect.top() + (rect.height() - mHeight) / 2;
    return {x, y};
}

void DrawPageTab(QPainter& painter, const QRect& rect, const QString& caption, bool active,
                 bool whiteActiveFill, bool restoreFillBeforeText, const QColor& background)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip); // a long caption stays on its own tab
    const QColor remembered = background;
    QColor fill = remembered;
    QColor text;
    if (active) {
        text = QColor::fromRgb(ActiveTabTextRgb);
        if (whiteActiveFill)
            fill = QColor::fromRgb(ActiveTabWhiteRgb);
    } else {
        painter.fillRect(rect, fill);
        text = QColor::fromRgb(InactiveTabTextRgb);
    }
    if (restoreFillBeforeText)
        fill = remembered;

    const QFontMetrics metrics(painter.font());
    const int textWidth = metrics.horizontalAdvance(caption);
    const QPoint origin = TabCaptionOrigin(rect, textWidth, metrics.height());
    // The text cell is painted like a text-out with an opaque background.
    painter.fillRect(QRect(origin.x(), origin.y(), textWidth, metrics.height()), fill);
    painter.setPen(text);
    painter.drawText(QPoint(origin.x(), origin.y() + metrics.ascent()), caption);
    // Restoring after the text (spectro and Setup tabs) is the painter.restore below.
    painter.restore();
}
