#pragma once

// How a line of the item lists is drawn: indented by its level, a group
// with its image, an item of a group joined to the next item of the same
// group by grey tree lines.

#include <QStyledItemDelegate>

class CItemListDelegate : public QStyledItemDelegate {
public:
    // Per line: its level (0 or 1) and whether it is a group.
    static constexpr int kLevelRole = Qt::UserRole + 1;
    static constexpr int kGroupRole = Qt::UserRole + 2;

    explicit CItemListDelegate(QObject* parent) : QStyledItemDelegate(parent) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    static int IndentUnit(const QStyleOptionViewItem& option);
};
