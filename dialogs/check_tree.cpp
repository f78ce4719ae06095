#include "check_tree.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

#include "plat/resource_strings.h"
#include "string_ids.h"
#include "ui/message.h"

namespace {

// The first item after this one in depth-first pre-order.
QTreeWidgetItem* NextPreOrder(const QTreeWidget* tree, QTreeWidgetItem* item) {
    if (item->childCount() > 0) return item->child(0);
    for (QTreeWidgetItem* at = item; at != nullptr; at = at->parent()) {
        QTreeWidgetItem* parent = at->parent();
        const int index = parent ? parent->indexOfChild(at) : tree->indexOfTopLevelItem(at);
        const int siblings = parent ? parent->childCount() : tree->topLevelItemCount();
        if (index + 1 < siblings) return parent ? parent->child(index + 1) : tree->topLevelItem(index + 1);
    }
    return nullptr;
}

void ExpandBelow(QTreeWidgetItem* item, bool expand) {
    if (item->childCount() == 0) return;
    item->setExpanded(expand);
    for (int i = 0; i < item->childCount(); ++i) ExpandBelow(item->child(i), expand);
}

}  // namespace

CCheckTreeCtrl::CCheckTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemsExpandable(true);
}

int CCheckTreeCtrl::GetCheckState(const QTreeWidgetItem* item) {
    if (item == nullptr) return CHECK_NONE;
    const QVariant state = item->data(0, Qt::CheckStateRole);
    if (!state.isValid()) return CHECK_NONE;
    return state.value<Qt::CheckState>() == Qt::Checked ? CHECK_ON : CHECK_OFF;
}

void CCheckTreeCtrl::SetCheckState(QTreeWidgetItem* item, int state) {
    // The box is drawn from the state alone; the item is not user-checkable,
    // so only this control's own handlers toggle it.
    item->setFlags(item->flags() & ~(Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate));
    item->setData(0, Qt::CheckStateRole,
                  state == CHECK_NONE ? QVariant() : QVariant(state == CHECK_ON ? Qt::Checked : Qt::Unchecked));
}

bool CCheckTreeCtrl::SetCheck(Item item, bool check, bool withChildren) {
    const int state = GetCheckState(item);
    if (state == CHECK_NONE) return false;
    const int wanted = check ? CHECK_ON : CHECK_OFF;
    if (state == wanted) return true;
    SetCheckState(item, wanted);
    if (childrenOption && withChildren) {
        for (int i = 0; i < item->childCount(); ++i) SetCheck(item->child(i), check, false);
    }
    return true;
}

bool CCheckTreeCtrl::GetCheck(const QTreeWidgetItem* item) const { return GetCheckState(item) == CHECK_ON; }

void CCheckTreeCtrl::CheckAll(bool check) {
    if (topLevelItemCount() == 0) return;
    for (Item item = topLevelItem(0); item != nullptr; item = NextPreOrder(this, item)) SetCheck(item, check, false);
}

CCheckTreeCtrl::Item CCheckTreeCtrl::GetFirstChecked() const {
    if (topLevelItemCount() == 0) return nullptr;
    Item first = topLevelItem(0);
    return GetCheck(first) ? first : GetNextChecked(first);
}

CCheckTreeCtrl::Item CCheckTreeCtrl::GetNextChecked(Item item) const {
    if (item == nullptr) return nullptr;
    for (Item next = NextPreOrder(this, item); next != nullptr; next = NextPreOrder(this, next)) {
        if (GetCheck(next)) return next;
    }
    return nullptr;
}

void CCheckTreeCtrl::ExpandAll(bool expand) {
    for (int i = 0; i < topLevelItemCount(); ++i) ExpandBelow(topLevelItem(i), expand);
}

QRect CCheckTreeCtrl::CheckBoxRect(const QTreeWidgetItem* item) const {
    if (GetCheckState(item) == CHECK_NONE) return {};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(item);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

QRect CCheckTreeCtrl::LabelRect(const QTreeWidgetItem* item) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(item);
    option.text = item->text(0);
    if (const QVariant font = item->data(0, Qt::FontRole); font.isValid())
        option.font = font.value<QFont>().resolve(option.font);
    option.features |= QStyleOptionViewItem::HasDisplay;
    if (GetCheckState(item) != CHECK_NONE) option.features |= QStyleOptionViewItem::HasCheckIndicator;
    // The style gives the text the rest of the row; the label is only as
    // wide as its text with the margins the style draws it in.
    const QRect room = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this);
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, this) + 1;
    const QSize text(QFontMetrics(option.font).horizontalAdvance(option.text) + 2 * margin, room.height());
    return QStyle::alignedRect(option.direction, option.displayAlignment, text, room) & room;
}

void CCheckTreeCtrl::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        const QPoint at = e->position().toPoint();
        Item item = itemAt(at);
        if (item != nullptr && CheckBoxRect(item).contains(at)) {
            // The box toggles and keeps the selection where it was.
            SetCheck(item, !GetCheck(item), true);
            e->accept();
            return;
        }
        if (item != nullptr && LabelRect(item).contains(at)) SetCheck(item, !GetCheck(item), true);
    }
    QTreeWidget::mousePressEvent(e);
}

void CCheckTreeCtrl::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && e->modifiers() == Qt::NoModifier) {
        if (Item item = currentItem()) SetCheck(item, !GetCheck(item), true);
        e->accept();
        return;
    }
    QTreeWidget::keyPressEvent(e);
}

CCheckButtonTreeCtrl::CCheckButtonTreeCtrl(QWidget* parent, int id, unsigned style)
    : QWidget(parent),
      tree_(new CCheckTreeCtrl(this)),
      checkAll_(new QPushButton(QString::fromStdString(plat::LoadResString(ids::CHECK_ALL)), this)),
      uncheckAll_(new QPushButton(QString::fromStdString(plat::LoadResString(ids::UNCHECK_ALL)), this)) {
    ui::SetControlId(this, id);
    ui::SetControlId(tree_, IDC_CHECKTREE_TREE);
    ui::SetControlId(checkAll_, IDC_CHECKTREE_CHECK_ALL);
    ui::SetControlId(uncheckAll_, IDC_CHECKTREE_UNCHECK_ALL);
    tree_->setRootIsDecorated((style & CHECKTREE_NO_ROOT_LINES) == 0);
    tree_->childrenOption = (style & CHECKTREE_CHILDREN) != 0;
    for (QPushButton* button : {checkAll_, uncheckAll_}) button->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tree_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addWidget(checkAll_, 1);
    buttons->addWidget(uncheckAll_, 1);
    layout->addLayout(buttons);
    setFocusProxy(tree_);

    connect(checkAll_, &QPushButton::clicked, this, [this] { tree_->CheckAll(true); });
    connect(uncheckAll_, &QPushButton::clicked, this, [this] { tree_->CheckAll(false); });
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this] { ui::NotifyParent(this, CHECKTREE_SELCHANGE); });
}
