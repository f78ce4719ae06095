#include "booking_dialog.h"

#include <limits>
#include <map>

#include <QBoxLayout>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "booking_check.h"
#include "booking_ids.h"
#include "check_tree.h"
#include "dialog_layout.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "spctrl/sp_ddx.h"
#include "spctrl/sp_layout.h"
#include "tree_rows.h"
#include "ui/data_exchange.h"
#include "ui/text_limit.h"

namespace {

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

constexpr std::int64_t kNoPart = std::numeric_limits<std::int64_t>::min();

QLabel* Caption(unsigned stringId, QWidget* buddy) {
    auto* label = new QLabel(Text(stringId));
    label->setBuddy(buddy);
    return label;
}

CTimeOfDay TimeFromMinutes(std::int64_t minutes) {
    CTimeOfDay time(0);
    if (minutes < 0) time.SetEmpty(true);
    else time.Set(minutes);
    return time;
}

template <class Record>
Record* ItemRecord(const QTreeWidgetItem* item) {
    return item ? reinterpret_cast<Record*>(item->data(0, Qt::UserRole).value<qintptr>()) : nullptr;
}

// The edit control keeps line breaks as LF.
std::string WithoutCarriageReturns(std::string text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

}  // namespace

BookingDialogMemory& BookingDialogState() {
    static BookingDialogMemory memory;
    return memory;
}

CBookingDlg::CBookingDlg(bool readOnly, CPlanData* data, SettingGetter settings, QWidget* parent)
    : DialogBase(parent),
      readOnly_(readOnly),
      data_(data),
      settings_(settings ? std::move(settings) : SettingGetter([](std::string_view) { return std::string(); })),
      resourceTree_(new QTreeWidget(this)),
      resourceChecks_(new CCheckButtonTreeCtrl(this, IDC_BOOKING_RESOURCE_CHECKS)) {
    for (auto& part : shownParts_) part = kNoPart;
    QWidget* taskCombo = taskCombo_.Create(this, IDC_BOOKING_TASK);
    QWidget* dates = dates_.Create(this, IDC_BOOKING_DATES);
    QWidget* times = times_.Create(this, IDC_BOOKING_TIMES);
    QWidget* color1 = color1Picker_.Create(this, IDC_BOOKING_COLOR1);
    QWidget* color2 = color2Picker_.Create(this, IDC_BOOKING_COLOR2);

    auto* newTask = new QPushButton(Text(booking_ids::BUTTON_NEW_TASK), this);
    ui::SetControlId(newTask, IDC_BOOKING_NEW_TASK);
    newTask->setAutoDefault(false);
    connect(newTask, &QPushButton::clicked, this, [this] { OnNewTask(); });
    resourceTree_->setHeaderHidden(true);
    ui::SetControlId(resourceTree_, IDC_BOOKING_RESOURCE_TREE);
    auto* duration = new QLabel(this);
    ui::SetControlId(duration, IDC_BOOKING_DURATION);
    auto* flagBox = new QCheckBox(Text(booking_ids::LABEL_FLAG), this);
    ui::SetControlId(flagBox, IDC_BOOKING_FLAG);
    auto* noteEdit = new QPlainTextEdit(this);
    ui::SetControlId(noteEdit, IDC_BOOKING_NOTE);
    noteEdit->setTabChangesFocus(true);
    noteEdit->setMinimumHeight(noteEdit->fontMetrics().lineSpacing() * 4);
    ui::SetByteLimit(noteEdit, kBookingNoteMaxBytes);

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid, 1);
    int row = 0;
    grid->addWidget(Caption(booking_ids::LABEL_TASK, taskCombo), row, 0);
    grid->addWidget(taskCombo, row, 1);
    grid->addWidget(newTask, row++, 2);
    auto* resourceLabel = Caption(booking_ids::LABEL_RESOURCES, resourceChecks_);
    resourceLabel->setObjectName("resourceLabel");
    grid->addWidget(resourceLabel, row, 0, Qt::AlignTop);
    grid->addWidget(resourceTree_, row, 1, 1, 2);
    grid->addWidget(resourceChecks_, row, 1, 1, 2);
    grid->setRowStretch(row++, 1);
    auto* period = new QHBoxLayout;
    period->addWidget(dates, 1);
    period->addWidget(times, 1);
    grid->addLayout(period, row++, 0, 1, 3);
    grid->addWidget(new QLabel(Text(booking_ids::LABEL_DURATION)), row, 0);
    grid->addWidget(duration, row++, 1, 1, 2);
    auto* colors = new QHBoxLayout;
    colors->addWidget(Caption(booking_ids::LABEL_COLOR1, color1));
    colors->addWidget(color1);
    colors->addSpacing(12);
    colors->addWidget(Caption(booking_ids::LABEL_COLOR2, color2));
    colors->addWidget(color2);
    colors->addStretch(1);
    colors->addWidget(flagBox);
    grid->addLayout(colors, row++, 0, 1, 3);
    grid->addWidget(Caption(booking_ids::LABEL_NOTE, noteEdit), row, 0, Qt::AlignTop);
    grid->addWidget(noteEdit, row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    dlg::AddOkCancel(this, layout);
}

void CBookingDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_Text(dx, IDC_BOOKING_NOTE, note);
    if (dx.saving()) note = std::string(plat::CutUtf8(note, kBookingNoteMaxBytes));
    ui::DDX_Check(dx, IDC_BOOKING_FLAG, flag);
    DDX_Control(dx, IDC_BOOKING_DATES, dates_);
    DDX_SPDatePeriod(dx, IDC_BOOKING_DATES, fromDate, 0);
    DDX_SPDatePeriod(dx, IDC_BOOKING_DATES, toDate, 1);
    DDX_Control(dx, IDC_BOOKING_TIMES, times_);
    DDX_SPTimePeriod(dx, IDC_BOOKING_TIMES, fromTime, 0);
    DDX_SPTimePeriod(dx, IDC_BOOKING_TIMES, toTime, 1);
    DDX_Control(dx, IDC_BOOKING_COLOR1, color1Picker_);
    DDX_SPColorPicker(dx, IDC_BOOKING_COLOR1, color1);
    DDX_Control(dx, IDC_BOOKING_COLOR2, color2Picker_);
    DDX_SPColorPicker(dx, IDC_BOOKING_COLOR2, color2);
    DDX_Control(dx, IDC_BOOKING_TASK, taskCombo_);
}

void CBookingDlg::OnInitDialog() {
    setWindowTitle(Text(editing() ? booking_ids::CAPTION_EDIT : booking_ids::CAPTION_NEW));
    note = WithoutCarriageReturns(note);
    DialogBase::OnInitDialog();
    GetDlgItem(ui::IDOK)->setEnabled(!readOnly_);
    GetDlgItem(IDC_BOOKING_NEW_TASK)->setEnabled(!readOnly_ && addTask);

    dates_.SetFormat(plat::LoadResString(booking_ids::PART_FROM_DATE), 0);
    dates_.SetFormat(plat::LoadResString(booking_ids::PART_TO_DATE), 1);
    times_.SetFormat(plat::LoadResString(booking_ids::PART_FROM_TIME), 0);
    times_.SetFormat(plat::LoadResString(booking_ids::PART_TO_TIME), 1);
    FitPeriodEdits(GetDlgItem(IDC_BOOKING_DATES));
    FitPeriodEdits(GetDlgItem(IDC_BOOKING_TIMES));
    taskCombo_.SendMessage(WM_SP_TREECOMBO_OPTION, 400, 0);
    FillTaskTree();
    FillResourceTree();
    resourceTree_->setVisible(editing());
    resourceChecks_->setVisible(!editing());
    if (auto* label = findChild<QLabel*>("resourceLabel")) {
        label->setText(Text(editing() ? booking_ids::LABEL_RESOURCE : booking_ids::LABEL_RESOURCES));
        label->setBuddy(editing() ? static_cast<QWidget*>(resourceTree_) : resourceChecks_);
    }

    if (!editing()) {
        const BookingDialogMemory& memory = BookingDialogState();
        if (GetBoolSetting(settings_, "DlgBookingsColorsKeepLast", false) && memory.haveLastColors) {
            color1 = memory.lastColor1;
            color2 = memory.lastColor2;
            ui::DataExchange dx(*this, false);
            DDX_SPColorPicker(dx, IDC_BOOKING_COLOR1, color1);
            DDX_SPColorPicker(dx, IDC_BOOKING_COLOR2, color2);
        } else {
            ApplyTaskColors();
        }
    }
    UpdateDuration();
}

void CBookingDlg::FillTaskTree() {
    taskCombo_.DeleteAllItems();
    std::map<const CTaskGroup*, CSPTreeComboBoxCtrl::Item> groups;
    CSPTreeComboBoxCtrl::Item first = nullptr;
    CSPTreeComboBoxCtrl::Item chosen = nullptr;
    for (const auto& [group, item] : TaskTreeRows(data_)) {
        const auto parent = item != nullptr && groups.contains(group) ? groups[group] : nullptr;
        const char* name = item != nullptr ? item->name : group->name;
        const auto inserted = taskCombo_.InsertItem(parent, name, reinterpret_cast<std::intptr_t>(item));
        if (item == nullptr) groups[group] = inserted;
        if (first == nullptr) first = inserted;
        if (item != nullptr && item == task) chosen = inserted;
    }
    taskCombo_.Update();
    taskCombo_.SelectItem(chosen != nullptr ? chosen : first);
}

void CBookingDlg::FillResourceTree() {
    QTreeWidget* tree = editing() ? resourceTree_ : resourceChecks_->tree();
    tree->clear();
    std::map<const CResourceGroup*, QTreeWidgetItem*> groups;
    QTreeWidgetItem* toSelect = nullptr;
    for (const auto& [group, resource] : ResourceTreeRows(data_)) {
        QTreeWidgetItem* parent = resource != nullptr && groups.contains(group) ? groups[group] : nullptr;
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, QString::fromUtf8(resource != nullptr ? resource->name : group->name));
        item->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<qintptr>(resource)));
        if (resource == nullptr) groups[group] = item;
        if (editing()) {
            if (resource != nullptr && resource == booking->resource) toSelect = item;
            continue;
        }
        const bool checked = resource != nullptr && std::find(resources.begin(), resources.end(), resource) != resources.end();
        CCheckTreeCtrl::SetCheckState(item, resource == nullptr ? CHECK_NONE : (checked ? CHECK_ON : CHECK_OFF));
    }
    if (editing()) {
        tree->expandAll();
    } else {
        resourceChecks_->tree()->ExpandAll(true);
        toSelect = resourceChecks_->tree()->GetFirstChecked();
    }
    if (toSelect == nullptr) toSelect = tree->topLevelItem(0);
    if (toSelect != nullptr) tree->setCurrentItem(toSelect);
    dlg::FitTreeWidth(tree);
}

void CBookingDlg::ApplyTaskColors() {
    UpdateData(true);
    BookingDialogMemory& memory = BookingDialogState();
    const bool skip = memory.skipFirstTaskColors;
    memory.skipFirstTaskColors = false;
    if (skip) return;
    CTask* chosen = reinterpret_cast<CTask*>(CSPTreeComboBoxCtrl::GetItemData(taskCombo_.GetSelectedItem()));
    if (chosen == nullptr || !GetBoolSetting(settings_, "DlgBookingsColorsFollowSelectedTask", true)) return;
    color1 = chosen->color1;
    color2 = chosen->color2;
    ui::DataExchange dx(*this, false);
    DDX_SPColorPicker(dx, IDC_BOOKING_COLOR1, color1);
    DDX_SPColorPicker(dx, IDC_BOOKING_COLOR2, color2);
}

void CBookingDlg::OnNewTask() {
    if (readOnly_ || !addTask) return;
    CTask* added = addTask();
    if (added == nullptr) return;
    task = added;
    FillTaskTree();
    ApplyTaskColors();
}

void CBookingDlg::UpdateDuration() {
    const std::int64_t parts[4] = {
        dates_.SendMessage(WM_SP_DATEPERIOD_GETPART, 0), dates_.SendMessage(WM_SP_DATEPERIOD_GETPART, 1),
        times_.SendMessage(WM_SP_TIMEPERIOD_GETPART, 0), times_.SendMessage(WM_SP_TIMEPERIOD_GETPART, 1)};
    if (std::equal(std::begin(parts), std::end(parts), std::begin(shownParts_))) return;
    std::copy(std::begin(parts), std::end(parts), std::begin(shownParts_));
    const BookingPeriodInput period{CDate::FromJulianDay(std::int32_t(parts[0])),
                                    CDate::FromJulianDay(std::int32_t(parts[1])), TimeFromMinutes(parts[2]),
                                    TimeFromMinutes(parts[3])};
    const WorkingTime wt = data_ != nullptr && data_->properties != nullptr ? WorkingTimeOf(*data_->properties)
                                                                            : WorkingTime{};
    const std::string text = BookingDurationText(wt, period, GetBoolSetting(settings_, "DurationRealTime", false),
                                                 GetIntSetting(settings_, "ViewFormatDuration", kDurationHoursMinutes));
    static_cast<QLabel*>(GetDlgItem(IDC_BOOKING_DURATION))->setText(QString::fromStdString(text));
}

bool CBookingDlg::CollectResources() {
    resources.clear();
    if (editing()) {
        if (auto* resource = ItemRecord<CResource>(resourceTree_->currentItem())) resources.push_back(resource);
    } else {
        CCheckTreeCtrl* tree = resourceChecks_->tree();
        for (auto* item = tree->GetFirstChecked(); item != nullptr; item = tree->GetNextChecked(item)) {
            if (auto* resource = ItemRecord<CResource>(item)) resources.push_back(resource);
        }
    }
    return !resources.empty();
}

void CBookingDlg::RememberColors() const {
    BookingDialogMemory& memory = BookingDialogState();
    memory.haveLastColors = true;
    memory.lastColor1 = color1;
    memory.lastColor2 = color2;
}

void CBookingDlg::OnOK() {
    if (readOnly_ || !UpdateData(true)) return;
    task = reinterpret_cast<CTask*>(CSPTreeComboBoxCtrl::GetItemData(taskCombo_.GetSelectedItem()));
    BookingChoice choice;
    choice.haveTask = task != nullptr;
    choice.taskTreeEmpty = taskCombo_.GetTree() == nullptr || taskCombo_.GetTree()->topLevelItemCount() == 0;
    choice.editing = editing();
    choice.haveResource = choice.haveTask && CollectResources();
    choice.period = {fromDate, toDate, fromTime, toTime};
    if (const BookingRefusal refusal = CheckBookingChoice(choice); !refusal.accepted()) {
        Refuse(refusal.controlId, refusal.stringId);
        return;
    }

    const bool unchanged = editing() && fromDate.GetJulianDay() == booking->startDay &&
                           fromTime.GetMinutes() == booking->startMinutes &&
                           toDate.GetJulianDay() == booking->endDay && toTime.GetMinutes() == booking->endMinutes &&
                           resources.front() == booking->resource;
    if (!unchanged) {
        std::int32_t startDay = fromDate.GetJulianDay();
        std::int32_t startMinutes = fromTime.GetMinutes();
        std::int32_t endDay = toDate.GetJulianDay();
        std::int32_t endMinutes = toTime.GetMinutes();
        CBooking* ignore = booking;
        BookingConflictRequest request{std::int32_t(resources.size()), resources.data(), 1, &startDay,
                                       &startMinutes, &endDay, &endMinutes, editing() ? 1 : 0,
                                       editing() ? &ignore : nullptr, BOOKING_CONFLICTS_NONE};
        if (checkConflicts) checkConflicts(request);
        if (request.result == BOOKING_CONFLICTS_REFUSED) return;
    }
    RememberColors();
    EndDialog(ui::IDOK);
}

bool CBookingDlg::OnCommand(int id, unsigned code, QWidget*) {
    if ((id == IDC_BOOKING_DATES || id == IDC_BOOKING_TIMES) && code == ui::EN_CHANGE) {
        UpdateDuration();
        return true;
    }
    if (id == IDC_BOOKING_TASK && code == ui::CBN_SELCHANGE) {
        ApplyTaskColors();
        return true;
    }
    return false;
}
