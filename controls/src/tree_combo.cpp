#include <functional>
#include <QKeyEvent>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "controls.h"
#include "controls_api.h"
#include "ui/message.h"
#include "ui/win_types.h"

namespace spcc {
namespace {

// The drop-down part: tells the combo when it closes.
class TreePopup : public QWidget {
public:
    TreePopup(QWidget* owner, std::function<void()> onHide)
        : QWidget(owner, Qt::Popup), onHide_(std::move(onHide)) {}

protected:
    void hideEvent(QHideEvent* e) override {
        QWidget::hideEvent(e);
        onHide_();
    }

private:
    std::function<void()> onHide_;
};

// A button that shows the chosen item of a tree and drops the tree down.
// The caller fills and selects through the inner tree; only the user's
// picks notify CBN_SELCHANGE, and only when the pick is another item.
class TreeComboCtrl : public ui::MessageWidget<QPushButton> {
public:
    explicit TreeComboCtrl(QWidget* parent)
        : MessageWidget(parent), popup_(new TreePopup(this, [this] { OnPopupHidden(); })),
          tree_(new QTreeWidget(popup_)) {
        tree_->setHeaderHidden(true);
        tree_->setColumnCount(1);
        auto* layout = new QVBoxLayout(popup_);
        layout->setContentsMargins(1, 1, 1, 1);
        layout->addWidget(tree_);
        connect(this, &QPushButton::clicked, this, [this] { Drop(); });
        connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
            setText(item ? item->text(0) : QString());
            if (!popup_->isVisible() && !choosing_) chosen_ = tree_->currentIndex();
        });
        // Clearing the tree changes the current item without a signal.
        connect(tree_->model(), &QAbstractItemModel::modelReset, this, [this] { setText(QString()); });
        const auto pick = [this] {
            picked_ = true;
            popup_->hide();
        };
        connect(tree_, &QTreeWidget::itemClicked, this, pick);
        connect(tree_, &QTreeWidget::itemActivated, this, pick);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override {
        result = 0;
        switch (message) {
        case WM_SP_TREECOMBO_GETTREE:
            result = reinterpret_cast<ui::LRESULT>(tree_);
            return true;
        case WM_SP_TREECOMBO_OPTION:
            // The height of the drop-down tree in pixels.
            popupHeight_ = std::max(int(wParam), 60);
            return true;
        case WM_SP_TREECOMBO_INSERTITEM: {
            const auto* record = reinterpret_cast<const SPTreeInsertRecord*>(lParam);
            if (!record) return true;
            auto* parentItem = static_cast<QTreeWidgetItem*>(record->parent);
            auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(tree_);
            item->setText(0, QString::fromUtf8(record->text ? record->text : ""));
            item->setData(0, Qt::UserRole, QVariant::fromValue<qintptr>(record->data));
            result = reinterpret_cast<ui::LRESULT>(item);
            return true;
        }
        case WM_SP_TREECOMBO_UPDATE:
            tree_->expandAll();
            setText(tree_->currentItem() ? tree_->currentItem()->text(0) : QString());
            return true;
        default:
            return false;
        }
    }

    // Drawn as a drop-down list showing the chosen item.
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        option.initFrom(this);
        option.currentText = text();
        option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        painter.drawControl(QStyle::CE_ComboBoxLabel, option);
    }

    QSize sizeHint() const override {
        QStyleOptionComboBox option;
        option.initFrom(this);
        const QSize text(fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMM")), fontMetrics().height());
        return style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, this);
    }

    // Up and Down choose the neighbouring item without dropping the tree;
    // F4 and Alt+Down drop it.
    void keyPressEvent(QKeyEvent* e) override {
        const bool drop = e->key() == Qt::Key_F4 ||
                          (e->key() == Qt::Key_Down && (e->modifiers() & Qt::AltModifier));
        if (drop) {
            Drop();
        } else if (e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) {
            // The neighbour in the tree's order, as the drop-down lists it.
            QTreeWidgetItem* to = tree_->topLevelItem(0);
            if (QTreeWidgetItem* from = tree_->currentItem()) {
                QTreeWidgetItemIterator it(from);
                if (e->key() == Qt::Key_Up) --it;
                else ++it;
                to = *it;
            }
            if (to) {
                choosing_ = true;
                tree_->setCurrentItem(to);
                choosing_ = false;
                Commit();
            }
        } else {
            MessageWidget::keyPressEvent(e);
            return;
        }
        e->accept();
    }

private:
    void Drop() {
        picked_ = false;
        popup_->setGeometry(QRect(mapToGlobal(QPoint(0, height())), QSize(std::max(width(), 150), popupHeight_)));
        popup_->show();
        tree_->setFocus();
        if (tree_->currentItem()) tree_->scrollToItem(tree_->currentItem());
    }

    void OnPopupHidden() {
        if (picked_) {
            Commit();
        } else if (tree_->currentIndex() != chosen_) {
            tree_->setCurrentIndex(chosen_);   // closed without a pick
        }
        picked_ = false;
        setFocus();
    }

    void Commit() {
        if (tree_->currentIndex() == chosen_) return;
        chosen_ = tree_->currentIndex();
        ui::NotifyParent(this, ui::CBN_SELCHANGE);
    }

    TreePopup* popup_;
    QTreeWidget* tree_;
    QPersistentModelIndex chosen_;   // the item the caller or the user settled on
    bool picked_ = false;     // the drop-down closed on a pick
    bool choosing_ = false;   // the user moves the current item with the keys
    int popupHeight_ = 200;
};

}  // namespace

QWidget* CreateTreeCombo(QWidget* parent) { return new TreeComboCtrl(parent); }

}  // namespace spcc
