#include "item_list_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>

#include "item_ids.h"
#include "item_list_delegate.h"
#include "plat/resource_strings.h"
#include "string_ids.h"

const ItemListTexts kResourceListTexts{ids::RESOURCE_LIST_CAPTION, ids::ITEM_LIST_NEW_RESOURCE,
                                       ids::ITEM_LIST_NEW_RESOURCE_GROUP};
const ItemListTexts kTaskListTexts{ids::TASK_LIST_CAPTION, ids::ITEM_LIST_NEW_TASK, ids::ITEM_LIST_NEW_TASK_GROUP};

namespace {

// One line scrolls by at each tick while a drag rests against an edge.
constexpr int kDragScrollMs = 100;

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

// The moving buttons carry arrows: the theme's, else the style's.
QIcon ListButtonIcon(int id) {
    struct Arrow {
        int id;
        const char* themeName;
        QStyle::StandardPixmap standard;
    };
    static constexpr Arrow kArrows[] = {
        {IDC_ITEM_LIST_UP, "go-up", QStyle::SP_ArrowUp},
        {IDC_ITEM_LIST_DOWN, "go-down", QStyle::SP_ArrowDown},
        {IDC_ITEM_LIST_INTO_GROUP, "go-next", QStyle::SP_ArrowRight},
        {IDC_ITEM_LIST_OUT_OF_GROUP, "go-previous", QStyle::SP_ArrowLeft},
    };
    for (const Arrow& arrow : kArrows) {
        if (arrow.id != id) continue;
        const QIcon themed = QIcon::fromTheme(QString::fromLatin1(arrow.themeName));
        return themed.isNull() ? QApplication::style()->standardIcon(arrow.standard) : themed;
    }
    return QIcon::fromTheme(id == IDC_ITEM_LIST_SORT ? QStringLiteral("view-sort-ascending") : QString());
}

}  // namespace

CImageDragListBox::CImageDragListBox(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setItemDelegate(new CItemListDelegate(this));
    scroll_.setInterval(kDragScrollMs);
    connect(&scroll_, &QTimer::timeout, this, [this] {
        const int direction = ScrollDirection();
        if (direction == 0) scroll_.stop();
        else verticalScrollBar()->triggerAction(direction < 0 ? QAbstractSlider::SliderSingleStepSub
                                                              : QAbstractSlider::SliderSingleStepAdd);
    });
    // Lines pass under a resting pointer while the list scrolls.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { Track(); });
}

void CImageDragListBox::keyPressEvent(QKeyEvent* event) {
    if (moves_ && (event->modifiers() & Qt::AltModifier)) {
        switch (event->key()) {
        case Qt::Key_Up:
        case Qt::Key_Left:
            emit moveUp();
            return;
        case Qt::Key_Down:
        case Qt::Key_Right:
            emit moveDown();
            return;
        default:
            break;
        }
    }
    QListWidget::keyPressEvent(event);
}

void CImageDragListBox::mousePressEvent(QMouseEvent* event) {
    QListWidget::mousePressEvent(event);
    dragSource_ = moves_ && event->button() == Qt::LeftButton ? indexAt(event->pos()).row() : -1;
    pressAt_ = event->pos();
}

void CImageDragListBox::mouseMoveEvent(QMouseEvent* event) {
    if (dragSource_ < 0 ||
        (!dragging_ && (event->pos() - pressAt_).manhattanLength() < QApplication::startDragDistance())) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    dragging_ = true;
    pointer_ = event->pos();
    Track();
}

void CImageDragListBox::Track() {
    if (!dragging_) return;
    // Past an edge no line is under the pointer: a release there drops nothing.
    const int row = viewport()->rect().contains(pointer_) ? indexAt(pointer_).row() : -1;
    if (row != marker_) {
        marker_ = row;
        viewport()->update();
    }
    if (ScrollDirection() != 0 && !scroll_.isActive()) scroll_.start();
}

int CImageDragListBox::ScrollDirection() const {
    if (!dragging_) return 0;
    const int margin = std::min(autoScrollMargin(), viewport()->height() / 4);
    if (pointer_.y() < margin) return -1;
    if (pointer_.y() >= viewport()->height() - margin) return 1;
    return 0;
}

void CImageDragListBox::mouseReleaseEvent(QMouseEvent* event) {
    const int source = dragSource_;
    const int target = marker_;
    dragSource_ = -1;
    dragging_ = false;
    marker_ = -1;
    scroll_.stop();
    viewport()->update();
    QListWidget::mouseReleaseEvent(event);
    if (source >= 0 && target >= 0 && source != target) emit dropped(source, target);
}

// The place of a drop: a bar above the line under the cursor.
void CImageDragListBox::paintEvent(QPaintEvent* event) {
    QListWidget::paintEvent(event);
    if (marker_ < 0) return;
    const QRect line = visualRect(model()->index(marker_, 0));
    QPainter painter(viewport());
    painter.fillRect(QRect(5, line.top() - 2, viewport()->width() - 10, 4), palette().text());
    painter.fillRect(QRect(5, line.top() - 6, 3, 12), palette().text());
    painter.fillRect(QRect(viewport()->width() - 8, line.top() - 6, 3, 12), palette().text());
}

CItemListDlg::CItemListDlg(const ItemListTexts& texts, IItemListCommands& commands, SettingGetter settings,
                           QWidget* parent)
    : DialogBase(parent),
      texts_(texts),
      commands_(commands),
      leftRight_(settings && GetBoolSetting(settings, "DlgButtonsLeftRight", false)),
      list_(new CImageDragListBox(this)) {
    ui::SetControlId(list_, IDC_ITEM_LIST);
    list_->setMinimumSize(list_->fontMetrics().averageCharWidth() * 36, list_->fontMetrics().lineSpacing() * 16);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    auto* buttons = new QVBoxLayout;
    layout->addLayout(buttons);
    const auto button = [&](int id, unsigned text, auto action) {
        auto* b = new QPushButton(ListButtonIcon(id), Text(text), this);
        ui::SetControlId(b, id);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    button(IDC_ITEM_LIST_ADD, ids::ITEM_LIST_ADD, [this] { ShowAddMenu(); });
    button(IDC_ITEM_LIST_EDIT, ids::ITEM_LIST_EDIT, [this] { EditSelected(); });
    button(IDC_ITEM_LIST_DELETE, ids::ITEM_LIST_DELETE, [this] { DeleteSelected(); });
    buttons->addSpacing(12);
    button(IDC_ITEM_LIST_UP, ids::ITEM_LIST_UP, [this] { Apply([this](const auto& e) { return MoveUp(e, Selected()); }); });
    button(IDC_ITEM_LIST_DOWN, ids::ITEM_LIST_DOWN, [this] { Apply([this](const auto& e) { return MoveDown(e, Selected()); }); });
    button(IDC_ITEM_LIST_INTO_GROUP, ids::ITEM_LIST_INTO_GROUP,
           [this] { Apply([this](const auto& e) { return MoveIntoGroupAbove(e, Selected()); }); })->setVisible(leftRight_);
    button(IDC_ITEM_LIST_OUT_OF_GROUP, ids::ITEM_LIST_OUT_OF_GROUP,
           [this] { Apply([this](const auto& e) { return MoveOutOfGroup(e, Selected()); }); })->setVisible(leftRight_);
    button(IDC_ITEM_LIST_SORT, ids::ITEM_LIST_SORT, [this] { SortAll(); });
    buttons->addStretch(1);
    button(ui::IDCANCEL, ids::ITEM_LIST_CLOSE, [this] { reject(); });

    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { EditSelected(); });
    connect(list_, &CImageDragListBox::moveUp, this, [this] { Apply([this](const auto& e) { return MoveUp(e, Selected()); }); });
    connect(list_, &CImageDragListBox::moveDown, this, [this] { Apply([this](const auto& e) { return MoveDown(e, Selected()); }); });
    connect(list_, &CImageDragListBox::dropped, this,
            [this](int source, int target) { Apply([=](const auto& e) { return Drop(e, source, target); }); });
}

void CItemListDlg::OnInitDialog() {
    setWindowTitle(Text(texts_.caption));
    if (commands_.ReadOnly()) {
        GetDlgItem(IDC_ITEM_LIST_EDIT)->setProperty("text", Text(ids::ITEM_VIEW));
        list_->SetMovesEnabled(false);
    }
    Fill();
    list_->setFocus();
}

int CItemListDlg::Selected() const { return list_->currentRow(); }

void CItemListDlg::Fill(std::optional<ListEntry> select) {
    if (!select && Selected() >= 0 && Selected() < int(entries_.size())) select = entries_[std::size_t(Selected())];
    entries_ = commands_.Entries();
    const QSignalBlocker block(list_);
    list_->setUpdatesEnabled(false);
    int chosen = entries_.empty() ? -1 : 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const ListEntry& entry = entries_[i];
        const QString text = QString::fromUtf8(entry.IsGroup() ? entry.group->name : entry.item->name);
        QListWidgetItem* line = int(i) < list_->count() ? list_->item(int(i)) : new QListWidgetItem(list_);
        if (line->text() != text) line->setText(text);
        line->setData(CItemListDelegate::kLevelRole, entry.IsTopLevel() ? 0 : 1);
        line->setData(CItemListDelegate::kGroupRole, entry.IsGroup());
        QFont font = list_->font();
        font.setBold(entry.IsGroup());
        line->setFont(font);
        if (select && entry == *select) chosen = int(i);
    }
    while (list_->count() > int(entries_.size())) delete list_->takeItem(list_->count() - 1);
    list_->setCurrentRow(chosen);
    list_->setUpdatesEnabled(true);
    UpdateButtons();
}

void CItemListDlg::UpdateButtons() {
    const ListButtons b = ListButtonStates(entries_, Selected(), commands_.ReadOnly());
    GetDlgItem(IDC_ITEM_LIST_ADD)->setEnabled(b.add);
    GetDlgItem(IDC_ITEM_LIST_DELETE)->setEnabled(b.remove);
    GetDlgItem(IDC_ITEM_LIST_EDIT)->setEnabled(b.edit);
    GetDlgItem(IDC_ITEM_LIST_UP)->setEnabled(b.up);
    GetDlgItem(IDC_ITEM_LIST_DOWN)->setEnabled(b.down);
    GetDlgItem(IDC_ITEM_LIST_INTO_GROUP)->setEnabled(b.intoGroup);
    GetDlgItem(IDC_ITEM_LIST_OUT_OF_GROUP)->setEnabled(b.outOfGroup);
    GetDlgItem(IDC_ITEM_LIST_SORT)->setEnabled(b.sort);
}

bool CItemListDlg::Current() {
    if (commands_.Entries() == entries_) return true;
    Fill();
    return false;
}

void CItemListDlg::ShowAddMenu() {
    QMenu menu(this);
    QAction* item = menu.addAction(Text(texts_.newItem));
    QAction* group = menu.addAction(Text(texts_.newGroup));
    QWidget* button = GetDlgItem(IDC_ITEM_LIST_ADD);
    QAction* chosen = menu.exec(button->mapToGlobal(QPoint(0, button->height())));
    if (chosen == item) Add(false);
    else if (chosen == group) Add(true);
}

void CItemListDlg::Add(bool group) {
    if (!Current()) return;
    const AddPlace place = AddPlaceOf(entries_, Selected());
    if (group) {
        if (CNamedRecord* added = commands_.AddGroup(place.groupPosition)) Fill(ListEntry{added, nullptr});
    } else if (CNamedRecord* added = commands_.AddItem(place)) {
        // The entry's group is found again by the item.
        Fill();
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (entries_[i].item == added) list_->setCurrentRow(int(i));
    }
}

void CItemListDlg::EditSelected() {
    if (!Current()) return;
    if (Selected() < 0 || Selected() >= int(entries_.size())) return;
    const ListEntry entry = entries_[std::size_t(Selected())];
    if (!commands_.Edit(entry)) return;
    Fill();
    for (std::size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].item == entry.item && (entry.item != nullptr || entries_[i].group == entry.group))
            list_->setCurrentRow(int(i));
}

void CItemListDlg::DeleteSelected() {
    if (!Current()) return;
    const int selected = Selected();
    if (selected < 0 || selected >= int(entries_.size())) return;
    if (!commands_.Delete(entries_[std::size_t(selected)])) return;
    const std::optional<ListEntry> above =
        selected > 0 ? std::optional(entries_[std::size_t(selected - 1)]) : std::nullopt;
    Fill(above);
}

void CItemListDlg::SortAll() {
    if (Current() && commands_.Sort()) Fill();
}

void CItemListDlg::Apply(const std::function<ListMove(const std::vector<ListEntry>&)>& rule) {
    if (!Current()) return;
    const ListMove move = rule(entries_);
    if (move.kind == ListMove::Kind::None || !commands_.Move(move)) return;
    if (move.kind == ListMove::Kind::Group) Fill(ListEntry{move.record, nullptr});
    else Fill(ListEntry{move.group, move.record});
}
