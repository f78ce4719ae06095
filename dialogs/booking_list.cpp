#include "booking_list.h"

#include <algorithm>

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTreeWidget>

#include "booking_ids.h"
#include "dialog_layout.h"
#include "plat/datetime_format.h"
#include "plat/resource_strings.h"
#include "selection.h"
#include "support/calendar_values.h"
#include "ui/data_exchange.h"
#include "ui/prompts.h"

namespace {

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

// Parts of the list's width per column, in percent.
constexpr int kColumnPercent[4] = {20, 20, 30, 30};

CBooking* BookingOf(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<CBooking*>(item->data(0, Qt::UserRole).value<qintptr>()) : nullptr;
}

QString NameOf(const CNamedRecord* record) { return QString::fromUtf8(record != nullptr ? record->name : ""); }

// The widest text of a column, with the room a cell keeps around its text.
int ContentWidth(const QTreeWidget* list, int column) {
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list->topLevelItem(i)->text(column)));
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    return std::max(widest + 2 * margin + 4, list->header()->sectionSizeHint(column));
}

QTreeWidget* NewList(QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    ui::SetControlId(list, IDC_BOOKING_LIST);
    return list;
}

QPushButton* NewButton(QWidget* parent, int id, unsigned stringId) {
    auto* button = new QPushButton(Text(stringId), parent);
    ui::SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

std::string BookingDateTimeText(std::int32_t day, std::int32_t minutes) {
    return CDate::FromJulianDay(day).Format(plat::DATE_SHORTDATE, nullptr) + " " +
           CTimeOfDay(minutes).Format(plat::TIME_NOSECONDS, nullptr);
}

std::uint8_t SortKeyOfColumn(int column, bool taskFirst) {
    switch (column) {
    case 0: return taskFirst ? kSortByTask : kSortByResource;
    case 1: return taskFirst ? kSortByResource : kSortByTask;
    case 2: return kSortByStart;
    default: return kSortByEnd;
    }
}

CBookingListCtrl::CBookingListCtrl(bool taskFirst)
    : taskFirst_(taskFirst), sortKey_(taskFirst ? kSortByTask : kSortByResource) {}

void CBookingListCtrl::InitColumns(QTreeWidget* list) {
    list_ = list;
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setColumnCount(4);
    const QString resource = Text(booking_ids::HEADER_RESOURCE);
    const QString task = Text(booking_ids::HEADER_TASK);
    list_->setHeaderLabels({taskFirst_ ? task : resource, taskFirst_ ? resource : task,
                            Text(booking_ids::HEADER_START), Text(booking_ids::HEADER_END)});
    QHeaderView* header = list_->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    header->setSortIndicatorShown(true);
    Fill(nullptr);
}

void CBookingListCtrl::Fill(CBooking* select) {
    if (list_ == nullptr) return;
    bookings.erase(std::remove(bookings.begin(), bookings.end(), nullptr), bookings.end());
    std::stable_sort(bookings.begin(), bookings.end(), CompareBookings(ascending_, sortKey_));
    {
        const QSignalBlocker block(list_);
        list_->clear();
        QTreeWidgetItem* toSelect = nullptr;
        for (CBooking* booking : bookings) {
            auto* item = new QTreeWidgetItem(list_);
            const QString resource = NameOf(booking->resource);
            const QString task = NameOf(booking->task);
            item->setText(0, taskFirst_ ? task : resource);
            item->setText(1, taskFirst_ ? resource : task);
            item->setText(2, QString::fromStdString(BookingDateTimeText(booking->startDay, booking->startMinutes)));
            item->setText(3, QString::fromStdString(BookingDateTimeText(booking->endDay, booking->endMinutes)));
            item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<qintptr>(booking)));
            if (booking == select) toSelect = item;
        }
        if (toSelect == nullptr) toSelect = list_->topLevelItem(0);
        if (toSelect != nullptr) {
            list_->setCurrentItem(toSelect);
            toSelect->setSelected(true);
        }
        int column = 0;
        while (column < 3 && SortKeyOfColumn(column, taskFirst_) != sortKey_) ++column;
        list_->header()->setSortIndicator(column, ascending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    }
    // Wide enough for every column's widest text; very long names scroll
    // rather than make the window wider than the screen.
    int needed = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < 4; ++c) needed += ContentWidth(list_, c);
    if (const QScreen* screen = list_->screen()) needed = std::min(needed, screen->availableGeometry().width());
    list_->setMinimumWidth(needed);
    FitColumns();
    OnSelectionChanged();
}

void CBookingListCtrl::FitColumns() {
    if (list_ == nullptr) return;
    // Each column its widest text, and its part of the room left over.
    int contents[4];
    int spare = list_->viewport()->width();
    for (int c = 0; c < 4; ++c) {
        contents[c] = ContentWidth(list_, c);
        spare -= contents[c];
    }
    for (int c = 0; c < 4; ++c) list_->setColumnWidth(c, contents[c] + std::max(spare, 0) * kColumnPercent[c] / 100);
}

void CBookingListCtrl::SortByColumn(int column) {
    const std::uint8_t key = SortKeyOfColumn(column, taskFirst_);
    ascending_ = key == sortKey_ ? !ascending_ : true;
    sortKey_ = key;
    Fill(Selected());
}

CBooking* CBookingListCtrl::Selected() const {
    if (list_ == nullptr) return nullptr;
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? nullptr : BookingOf(selected.front());
}

CBookingListDlg::CBookingListDlg(bool readOnly, bool taskFirst, IBookingListCommands* commands, QWidget* parent)
    : DialogBase(parent), CBookingListCtrl(taskFirst), readOnly_(readOnly), commands_(commands) {
    setWindowTitle(Text(booking_ids::CAPTION_LIST));
    QTreeWidget* list = NewList(this);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list, 1);
    auto* buttons = new QVBoxLayout;
    layout->addLayout(buttons);
    const struct {
        int id;
        unsigned text;
        void (CBookingListDlg::*action)();
    } actions[] = {
        {IDC_BOOKING_LIST_EDIT, booking_ids::BUTTON_EDIT, &CBookingListDlg::OnEdit},
        {IDC_BOOKING_LIST_DELETE, booking_ids::BUTTON_DELETE, &CBookingListDlg::OnDelete},
        {IDC_BOOKING_LIST_DELETE_ALL, booking_ids::BUTTON_DELETE_ALL, &CBookingListDlg::OnDeleteAll},
        {IDC_BOOKING_LIST_COPY, booking_ids::BUTTON_COPY, &CBookingListDlg::OnCopy},
        {IDC_BOOKING_LIST_CUT, booking_ids::BUTTON_CUT, &CBookingListDlg::OnCut},
    };
    for (const auto& a : actions) {
        QPushButton* button = NewButton(this, a.id, a.text);
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this, a.action);
    }
    buttons->addStretch(1);
    QPushButton* close = NewButton(this, ui::IDCANCEL, booking_ids::BUTTON_CLOSE);
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    connect(list, &QTreeWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
    connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { OnEdit(); });
    connect(list->header(), &QHeaderView::sectionClicked, this, [this](int column) { SortByColumn(column); });
}

void CBookingListDlg::OnInitDialog() {
    DialogBase::OnInitDialog();
    if (readOnly_) static_cast<QPushButton*>(GetDlgItem(IDC_BOOKING_LIST_EDIT))->setText(Text(booking_ids::VIEW_BUTTON));
    InitColumns(static_cast<QTreeWidget*>(GetDlgItem(IDC_BOOKING_LIST)));
}

void CBookingListDlg::resizeEvent(QResizeEvent* e) {
    DialogBase::resizeEvent(e);
    FitColumns();
}

void CBookingListDlg::OnSelectionChanged() {
    const bool selected = Selected() != nullptr;
    GetDlgItem(IDC_BOOKING_LIST_EDIT)->setEnabled(selected);
    for (int id : {IDC_BOOKING_LIST_DELETE, IDC_BOOKING_LIST_COPY, IDC_BOOKING_LIST_CUT})
        GetDlgItem(id)->setEnabled(selected && !readOnly_);
    GetDlgItem(IDC_BOOKING_LIST_DELETE_ALL)->setEnabled(!readOnly_ && !bookings.empty());
}

void CBookingListDlg::OnEdit() {
    CBooking* booking = Selected();
    if (booking != nullptr && commands_ != nullptr && commands_->EditBooking(booking)) Fill(booking);
}

void CBookingListDlg::OnDelete() {
    CBooking* booking = Selected();
    if (readOnly_ || booking == nullptr || commands_ == nullptr || !commands_->DeleteBookings({booking})) return;
    bookings.erase(std::remove(bookings.begin(), bookings.end(), booking), bookings.end());
    if (bookings.empty()) EndDialog(ui::IDOK);
    else Fill(nullptr);
}

void CBookingListDlg::OnDeleteAll() {
    if (readOnly_ || bookings.empty() || commands_ == nullptr) return;
    if (bookings.size() > 1 &&
        ui::MessageBoxById(this, booking_ids::CONFIRM_DELETE_ALL,
                           ui::MB_YESNO | ui::MB_ICONEXCLAMATION | ui::MB_DEFBUTTON2) != ui::IDYES) {
        return;
    }
    if (commands_->DeleteBookings(bookings)) EndDialog(ui::IDOK);
}

void CBookingListDlg::OnCopy() {
    CBooking* booking = Selected();
    if (readOnly_ || booking == nullptr || commands_ == nullptr) return;
    if (commands_->CopyBookingToClipboard(booking)) EndDialog(ui::IDOK);
}

void CBookingListDlg::OnCut() {
    CBooking* booking = Selected();
    if (readOnly_ || booking == nullptr || commands_ == nullptr) return;
    if (commands_->CutBooking(booking)) EndDialog(ui::IDOK);
}

CBookingConflictsDlg::CBookingConflictsDlg(QWidget* parent) : DialogBase(parent), CBookingListCtrl(false) {
    setWindowTitle(Text(booking_ids::CAPTION_CONFLICTS));
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(Text(booking_ids::CONFLICTS_PROMPT), this);
    prompt->setWordWrap(true);
    ui::SetControlId(prompt, IDC_BOOKING_CONFLICTS_PROMPT);
    layout->addWidget(prompt);
    QTreeWidget* list = NewList(this);
    layout->addWidget(list, 1);
    dlg::AddOkCancel(this, layout);
    connect(list->header(), &QHeaderView::sectionClicked, this, [this](int column) { SortByColumn(column); });
}

void CBookingConflictsDlg::OnInitDialog() {
    DialogBase::OnInitDialog();
    InitColumns(static_cast<QTreeWidget*>(GetDlgItem(IDC_BOOKING_LIST)));
}

void CBookingConflictsDlg::resizeEvent(QResizeEvent* e) {
    DialogBase::resizeEvent(e);
    FitColumns();
}

CBookingDeleteDlg::CBookingDeleteDlg(QWidget* parent) : DialogBase(parent) {
    setWindowTitle(Text(booking_ids::CAPTION_DELETE));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(Text(booking_ids::DELETE_PROMPT), this));
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const struct {
        unsigned label;
        int id;
    } rows[] = {{booking_ids::LABEL_DELETE_RESOURCE, IDC_BOOKING_DELETE_RESOURCE},
                {booking_ids::LABEL_DELETE_TASK, IDC_BOOKING_DELETE_TASK},
                {booking_ids::LABEL_DELETE_START, IDC_BOOKING_DELETE_START},
                {booking_ids::LABEL_DELETE_END, IDC_BOOKING_DELETE_END}};
    int row = 0;
    for (const auto& r : rows) {
        grid->addWidget(new QLabel(Text(r.label), this), row, 0);
        auto* value = new QLabel(this);
        value->setTextFormat(Qt::PlainText);
        ui::SetControlId(value, r.id);
        grid->addWidget(value, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    dlg::AddOkCancel(this, layout);
}

void CBookingDeleteDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_Text(dx, IDC_BOOKING_DELETE_RESOURCE, resourceName);
    ui::DDX_Text(dx, IDC_BOOKING_DELETE_TASK, taskName);
    ui::DDX_Text(dx, IDC_BOOKING_DELETE_START, startText);
    ui::DDX_Text(dx, IDC_BOOKING_DELETE_END, endText);
}
