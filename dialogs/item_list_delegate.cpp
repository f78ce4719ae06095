#include "item_list_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace {

constexpr int kTextLeft = 2;
constexpr int kImageGap = 5;
const QColor kTreeLine(128, 128, 128);

QIcon GroupImage() {
    const QIcon themed = QIcon::fromTheme(QStringLiteral("folder"));
    return themed.isNull() ? QApplication::style()->standardIcon(QStyle::SP_DirIcon) : themed;
}

}  // namespace

int CItemListDelegate::IndentUnit(const QStyleOptionViewItem& option) {
    return 4 * option.fontMetrics.averageCharWidth();
}

void CItemListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionViewItem line(option);
    initStyleOption(&line, index);
    const int level = index.data(kLevelRole).toInt();
    const bool group = index.data(kGroupRole).toBool();
    const int unit = IndentUnit(line);
    const QRect rect = line.rect;

    if (level > 0) {
        // From half an indent unit: down through the line, on to the next
        // line only when it is at the same level.
        const QModelIndex next = index.sibling(index.row() + 1, 0);
        const bool joined = next.isValid() && next.data(kLevelRole).toInt() == level;
        const int x = rect.left() + kTextLeft + unit / 2;
        const int middle = rect.center().y();
        painter->save();
        painter->setPen(kTreeLine);
        painter->drawLine(x, rect.top(), x, joined ? rect.bottom() : middle);
        painter->drawLine(x, middle, rect.left() + kTextLeft + level * unit - 2, middle);
        painter->restore();
    }

    int left = rect.left() + kTextLeft + level * unit;
    if (group) {
        const int size = line.fontMetrics.height();
        GroupImage().paint(painter, QRect(left, rect.top() + (rect.height() - size) / 2, size, size));
        left += size + kImageGap;
    }
    line.rect.setLeft(left);
    line.icon = QIcon();
    line.features &= ~QStyleOptionViewItem::HasDecoration;
    QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &line, painter, line.widget);
}

QSize CItemListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int level = index.data(kLevelRole).toInt();
    const int image = index.data(kGroupRole).toBool() ? option.fontMetrics.height() + kImageGap : 0;
    size.rwidth() += kTextLeft + level * IndentUnit(option) + image;
    return size;
}
