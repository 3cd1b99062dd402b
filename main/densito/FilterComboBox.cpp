// Owner drawing of the filter list.
#include "FilterComboBox.h"

#include "DensityChannel.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

#include <array>

namespace {

// Pure yellow stands for the yellow ink here: the ramp's yellow is too pale
// to tell on a white list.
QColor FilterSwatchColor(TDensityChannel channel)
{
    if (channel == TDensityChannel::Yellow)
        return QColor(0xFF, 0xFF, 0x00);
    return InkRampColor(channel, 0);
}

class TFilterItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(TFilterComboBox::ItemHeight);
        return size;
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        DrawFilterItem(*painter, option.rect, index.row(), index.data(Qt::DisplayRole).toString(),
                       option.state & QStyle::State_Selected, option.palette);
        painter->restore();
    }
};

}  // namespace

void DrawFilterItem(QPainter& painter, const QRect& rect, int index, const QString& caption, bool selected,
                    const QPalette& palette)
{
    const QColor window = palette.color(QPalette::Base);
    const QColor background = selected ? palette.color(QPalette::Highlight) : window;
    painter.setPen(window);
    painter.setBrush(background);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));

    const int top = rect.top() + 2;
    const int height = rect.height() - 4;
    auto swatch = [&](int left, int width, const QColor& color) {
        painter.setPen(window);
        painter.setBrush(color);
        painter.drawRect(QRect(left, top, width, height).adjusted(0, 0, -1, -1));
    };
    const int area = rect.left() + 5;
    if (index == 0) {
        for (int c = 0; c < DensityChannelCount; ++c)
            swatch(area + 10 * c, 10, FilterSwatchColor(static_cast<TDensityChannel>(c)));
    } else if (const auto channel = ChannelFromIndex(index - 1)) {
        swatch(area, 40, FilterSwatchColor(*channel));
    }

    const QFontMetrics metrics(painter.font());
    const int textTop = rect.top() + (rect.height() - metrics.height()) / 2;
    const QRect textRect(rect.left() + 50, textTop, rect.width() - 52, metrics.height());
    painter.setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, caption);
}

TFilterComboBox::TFilterComboBox(QWidget* parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("FilterCB"));
    setEditable(false);
    setMaxVisibleItems(12);
    setItemDelegate(new TFilterItemDelegate(this));
    Retranslate();
    setCurrentIndex(0);
}

void TFilterComboBox::Retranslate()
{
    const int current = currentIndex();
    const std::array<QString, 5> captions = {
        QCoreApplication::translate("TDensitometryPages", "Auto"),
        ChannelLongName(TDensityChannel::Cyan),
        ChannelLongName(TDensityChannel::Magenta),
        ChannelLongName(TDensityChannel::Yellow),
        ChannelLongName(TDensityChannel::Black),
    };
    const bool blocked = blockSignals(true);
    if (count() != int(captions.size())) {
        clear();
        for (const QString& caption : captions)
            addItem(caption);
    } else {
        for (int i = 0; i < count(); ++i)
            setItemText(i, captions[i]);
    }
    setCurrentIndex(current < 0 ? 0 : current);
    blockSignals(blocked);
}

void TFilterComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawFilterItem(painter, field, currentIndex(), currentText(), false, palette());
}
