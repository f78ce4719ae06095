#include "filter_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "check_tree.h"
#include "dialog_layout.h"
#include "filter_commands.h"
#include "filter_ids.h"
#include "plat/resource_strings.h"
#include "tree_rows.h"
#include "ui/data_exchange.h"
#include "ui/prompts.h"
#include "ui/text_limit.h"

namespace {

using namespace filter_ids;

constexpr int kRecordRole = Qt::UserRole;
constexpr int kGroupRole = Qt::UserRole + 1;

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

QLabel* Caption(unsigned stringId, QWidget* buddy) {
    auto* label = new QLabel(Text(stringId));
    label->setBuddy(buddy);
    return label;
}

QPushButton* Button(unsigned stringId, int id) {
    auto* button = new QPushButton(Text(stringId));
    ui::SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

void Enable(const ui::DialogBase* dialog, int id, bool on) {
    if (QWidget* control = dialog->GetDlgItem(id)) control->setEnabled(on);
}

// Groups at the top with their members below them; every entry checked.
template <class Group, class Item>
void FillTree(CCheckTreeCtrl* tree, const std::vector<std::pair<Group*, Item*>>& rows,
              std::map<const void*, QTreeWidgetItem*>& items) {
    tree->clear();
    items.clear();
    for (const auto& [group, item] : rows) {
        const auto parent = item != nullptr ? items.find(group) : items.end();
        auto* entry = parent != items.end() ? new QTreeWidgetItem(parent->second) : new QTreeWidgetItem(tree);
        const void* record = item != nullptr ? static_cast<const void*>(item) : static_cast<const void*>(group);
        entry->setText(0, QString::fromUtf8(item != nullptr ? item->name : group->name));
        entry->setData(0, kRecordRole, QVariant::fromValue(reinterpret_cast<qintptr>(record)));
        entry->setData(0, kGroupRole, item == nullptr);
        CCheckTreeCtrl::SetCheckState(entry, CHECK_ON);
        items[record] = entry;
    }
    tree->ExpandAll(true);
    if (tree->topLevelItemCount() > 0) tree->setCurrentItem(tree->topLevelItem(0));
    dlg::FitTreeWidth(tree);
}

template <class Record>
void Uncheck(const std::map<const void*, QTreeWidgetItem*>& items, const std::vector<Record*>& records) {
    // A record no longer in the document has no entry and stays out.
    for (const Record* record : records)
        if (const auto it = items.find(record); it != items.end()) CCheckTreeCtrl::SetCheckState(it->second, CHECK_OFF);
}

template <class Group, class Item>
void ReadUnchecked(const CCheckTreeCtrl* tree, std::vector<Group*>& groups, std::vector<Item*>& items) {
    groups.clear();
    items.clear();
    for (QTreeWidgetItemIterator it(const_cast<CCheckTreeCtrl*>(tree)); *it != nullptr; ++it) {
        if (CCheckTreeCtrl::GetCheckState(*it) != CHECK_OFF) continue;
        void* record = reinterpret_cast<void*>((*it)->data(0, kRecordRole).value<qintptr>());
        if ((*it)->data(0, kGroupRole).toBool()) groups.push_back(static_cast<Group*>(record));
        else items.push_back(static_cast<Item*>(record));
    }
}

bool Contains(CPlanData* data, const CFilter* filter) {
    return filter != nullptr && data != nullptr && data->filters != nullptr && data->filters->Contains(filter);
}

}  // namespace

CFilterDlg::CFilterDlg(bool readOnly, CPlanData* data, SettingGetter settings, QWidget* parent)
    : DialogBase(parent),
      readOnly_(readOnly),
      data_(data),
      childrenOption_(GetBoolSetting(settings, "BasicDlgTreectrlTrigger", true)) {
    setWindowTitle(Text(CAPTION_FILTER));
    const unsigned style = childrenOption_ ? CHECKTREE_CHILDREN : 0;
    resources_ = new CCheckButtonTreeCtrl(this, IDC_FILTER_RESOURCES, style);
    tasks_ = new CCheckButtonTreeCtrl(this, IDC_FILTER_TASKS, style);
    // Room for a few groups with their members before the trees scroll,
    // but never more than a third of the screen.
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const int third = screen != nullptr ? screen->availableGeometry().height() / 3 : 300;
    for (CCheckButtonTreeCtrl* trees : {resources_, tasks_})
        trees->tree()->setMinimumHeight(std::min(trees->tree()->fontMetrics().lineSpacing() * 18, third));
    auto* mode = new QComboBox;
    ui::SetControlId(mode, IDC_FILTER_MODE);
    QPushButton* load = Button(BUTTON_LOAD, IDC_FILTER_LOAD);
    QPushButton* saveAs = Button(BUTTON_SAVE_AS, IDC_FILTER_SAVE_AS);
    connect(load, &QPushButton::clicked, this, [this] { OnLoad(); });
    connect(saveAs, &QPushButton::clicked, this, [this] { OnSaveAs(); });

    auto* layout = new QVBoxLayout(this);
    auto* trees = new QGridLayout;
    trees->addWidget(Caption(LABEL_RESOURCES, resources_->tree()), 0, 0);
    trees->addWidget(Caption(LABEL_TASKS, tasks_->tree()), 0, 1);
    trees->addWidget(resources_, 1, 0);
    trees->addWidget(tasks_, 1, 1);
    trees->setRowStretch(1, 1);
    layout->addLayout(trees, 1);
    auto* modeRow = new QHBoxLayout;
    modeRow->addWidget(Caption(LABEL_MODE, mode));
    modeRow->addWidget(mode, 1);
    layout->addLayout(modeRow);
    auto* saved = new QHBoxLayout;
    saved->addWidget(load);
    saved->addWidget(saveAs);
    saved->addStretch(1);
    layout->addLayout(saved);
    dlg::AddOkCancel(this, layout);
}

void CFilterDlg::DoDataExchange(ui::DataExchange& dx) { ui::DDX_CBIndex(dx, IDC_FILTER_MODE, modeIndex_); }

void CFilterDlg::OnInitDialog() {
    FillTrees();
    auto* mode = static_cast<QComboBox*>(GetDlgItem(IDC_FILTER_MODE));
    for (unsigned id : {MODE_ALL, MODE_FLAGGED, MODE_UNFLAGGED}) mode->addItem(Text(id));
    ShowChoice();
    UpdateButtons();
    DialogBase::OnInitDialog();
    if (focusWidget() == nullptr) mode->setFocus();
}

void CFilterDlg::FillTrees() {
    FillTree(resources_->tree(), ResourceTreeRows(data_), resourceItems_);
    FillTree(tasks_->tree(), TaskTreeRows(data_), taskItems_);
}

void CFilterDlg::ShowChoice() {
    resources_->tree()->CheckAll(true);
    tasks_->tree()->CheckAll(true);
    Uncheck(resourceItems_, choice.resourceGroups);
    Uncheck(resourceItems_, choice.resources);
    Uncheck(taskItems_, choice.taskGroups);
    Uncheck(taskItems_, choice.tasks);
    // A mode the program does not know shows every booking.
    modeIndex_ = choice.mode >= kFilterAll && choice.mode <= kFilterUnflagged ? int{choice.mode} : int{kFilterAll};
}

bool CFilterDlg::ReadChoice() {
    if (!UpdateData(true)) return false;
    ReadUnchecked(resources_->tree(), choice.resourceGroups, choice.resources);
    ReadUnchecked(tasks_->tree(), choice.taskGroups, choice.tasks);
    choice.mode = static_cast<std::int16_t>(std::max(modeIndex_, 0));
    return true;
}

void CFilterDlg::UpdateButtons() {
    if (!Contains(data_, current_)) current_ = nullptr;
    Enable(this, IDC_FILTER_SAVE_AS, !readOnly_);
    Enable(this, IDC_FILTER_LOAD, !CollectSavedFilters(data_).empty());
}

void CFilterDlg::OnOK() {
    if (ReadChoice()) EndDialog(ui::IDOK);
}

void CFilterDlg::OnLoad() {
    CFilterListDlg list(readOnly_, data_, this);
    const bool chosen = list.DoModal() == ui::IDOK && Contains(data_, list.chosen);
    if (chosen) {
        choice = ReadFilterChoice(list.chosen);
        ShowChoice();
        UpdateData(false);
        current_ = list.chosen;
    }
    UpdateButtons();
}

void CFilterDlg::OnSaveAs() {
    if (readOnly_) return;
    UpdateButtons();
    CFilterNameDlg names(data_, current_, this);
    if (names.DoModal() != ui::IDOK || !ReadChoice()) return;
    if (names.chosen != nullptr) {
        if (ModifyFilter(data_, names.chosen, choice)) current_ = names.chosen;
    } else if (CFilter* added = NewFilter(data_, names.name, choice)) {
        current_ = added;
    }
    UpdateButtons();
}

CFilterListDlg::CFilterListDlg(bool readOnly, CPlanData* data, QWidget* parent)
    : DialogBase(parent), readOnly_(readOnly), data_(data), list_(new QListWidget) {
    setWindowTitle(Text(CAPTION_LOAD));
    ui::SetControlId(list_, IDC_FILTER_LIST);
    QPushButton* remove = Button(BUTTON_DELETE, IDC_FILTER_LIST_DELETE);
    connect(remove, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(list_, &QListWidget::currentRowChanged, this, [this] { UpdateButtons(); });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Caption(LABEL_SAVED, list_));
    auto* row = new QHBoxLayout;
    row->addWidget(list_, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(remove);
    side->addStretch(1);
    row->addLayout(side);
    layout->addLayout(row, 1);
    dlg::AddOkCancel(this, layout);
}

void CFilterListDlg::OnInitDialog() {
    Fill();
    DialogBase::OnInitDialog();
    if (focusWidget() == nullptr) list_->setFocus();
}

void CFilterListDlg::Fill() {
    filters_ = CollectSavedFilters(data_);
    list_->clear();
    for (const CFilter* filter : filters_) list_->addItem(QString::fromUtf8(filter->name));
    if (!filters_.empty()) list_->setCurrentRow(0);
    UpdateButtons();
}

CFilter* CFilterListDlg::Selected() const {
    const int row = list_->currentRow();
    return row >= 0 && row < static_cast<int>(filters_.size()) ? filters_[static_cast<std::size_t>(row)] : nullptr;
}

void CFilterListDlg::UpdateButtons() {
    Enable(this, ui::IDOK, Selected() != nullptr);
    Enable(this, IDC_FILTER_LIST_DELETE, Selected() != nullptr && !readOnly_);
}

void CFilterListDlg::OnDelete() {
    if (readOnly_ || Selected() == nullptr) return;
    if (DeleteFilter(data_, Selected(), this)) Fill();
}

void CFilterListDlg::OnOK() {
    chosen = Selected();
    if (chosen != nullptr) EndDialog(ui::IDOK);
}

CFilterNameDlg::CFilterNameDlg(CPlanData* data, CFilter* current, QWidget* parent)
    : DialogBase(parent), current_(current), filters_(CollectSavedFilters(data)) {
    setWindowTitle(Text(CAPTION_SAVE_AS));
    auto* names = new QComboBox;
    names->setEditable(true);
    names->setInsertPolicy(QComboBox::NoInsert);
    names->setMinimumContentsLength(30);
    ui::SetControlId(names, IDC_FILTER_NAME);
    ui::SetByteLimit(names->lineEdit(), kFilterNameMaxBytes);
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(Caption(LABEL_NAME, names));
    row->addWidget(names, 1);
    layout->addLayout(row);
    dlg::AddOkCancel(this, layout);
}

void CFilterNameDlg::DoDataExchange(ui::DataExchange& dx) { ui::DDX_Text(dx, IDC_FILTER_NAME, name); }

void CFilterNameDlg::OnInitDialog() {
    auto* names = static_cast<QComboBox*>(GetDlgItem(IDC_FILTER_NAME));
    for (const CFilter* filter : filters_) names->addItem(QString::fromUtf8(filter->name));
    name = current_ != nullptr ? std::string(current_->name) : std::string();
    DialogBase::OnInitDialog();
}

void CFilterNameDlg::OnOK() {
    if (!UpdateData(true)) return;
    CFilter* found = nullptr;
    switch (JudgeFilterName(name, filters_, current_, &found)) {
    case FilterNameVerdict::Empty:
        Refuse(IDC_FILTER_NAME, NAME_EMPTY);
        return;
    case FilterNameVerdict::Other:
        if (ui::MessageBoxById(this, CONFIRM_OVERWRITE, ui::MB_YESNO | ui::MB_ICONEXCLAMATION | ui::MB_DEFBUTTON2,
                               {name}) != ui::IDYES)
            return;
        break;
    case FilterNameVerdict::New:
    case FilterNameVerdict::Same: break;
    }
    chosen = found;
    EndDialog(ui::IDOK);
}
