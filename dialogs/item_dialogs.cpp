#include "item_dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "dialog_layout.h"
#include "item_ids.h"
#include "item_name_check.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "spctrl/sp_ddx.h"
#include "string_ids.h"
#include "ui/data_exchange.h"
#include "ui/prompts.h"
#include "ui/text_limit.h"

const ItemDialogTexts kResourceDialogTexts{ids::RESOURCE_CAPTION_NEW, ids::RESOURCE_CAPTION_EDIT,
                                           ids::RESOURCE_NO_GROUP, ids::RESOURCE_NAME_EMPTY,
                                           ids::RESOURCE_SAME_NAME};
const ItemDialogTexts kTaskDialogTexts{ids::TASK_CAPTION_NEW, ids::TASK_CAPTION_EDIT, ids::TASK_NO_GROUP,
                                       ids::TASK_NAME_EMPTY, ids::TASK_SAME_NAME};
const GroupDialogTexts kResourceGroupDialogTexts{ids::RESOURCE_GROUP_CAPTION_NEW, ids::RESOURCE_GROUP_CAPTION_EDIT,
                                                 ids::RESOURCE_GROUP_NAME_EMPTY, ids::RESOURCE_GROUP_SAME_NAME};
const GroupDialogTexts kTaskGroupDialogTexts{ids::TASK_GROUP_CAPTION_NEW, ids::TASK_GROUP_CAPTION_EDIT,
                                             ids::TASK_GROUP_NAME_EMPTY, ids::TASK_GROUP_SAME_NAME};

namespace {

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

SettingGetter OrEmpty(SettingGetter settings) {
    return settings ? std::move(settings) : SettingGetter([](std::string_view) { return std::string(); });
}

QLineEdit* NameEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    ui::SetControlId(edit, IDC_ITEM_NAME);
    ui::SetByteLimit(edit, kItemNameMaxBytes);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
    return edit;
}

void AddRow(QGridLayout* grid, int row, unsigned label, QWidget* field) {
    auto* caption = new QLabel(Text(label));
    caption->setBuddy(field);
    grid->addWidget(caption, row, 0, Qt::AlignTop);
    grid->addWidget(field, row, 1);
}

// The name in its edit and back; a name past the limit is refused, never cut.
void ExchangeName(ui::DataExchange& dx, std::string& name) {
    ui::DDX_Text(dx, IDC_ITEM_NAME, name);
    if (dx.saving() && !dx.failed() && name.size() > kItemNameMaxBytes) dx.Fail(IDC_ITEM_NAME, ids::ITEM_NAME_TOO_LONG);
}

}  // namespace

CItemDlg::CItemDlg(const ItemDialogTexts& texts, bool withColors, bool readOnly, SettingGetter settings,
                   QWidget* parent)
    : DialogBase(parent), texts_(texts), withColors_(withColors), readOnly_(readOnly), settings_(OrEmpty(settings)) {
    auto* layout = dlg::AddDialogLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    // Created in the order they are shown, which is the order Tab follows.
    QLineEdit* nameEdit = NameEdit(this);
    auto* combo = new QComboBox(this);
    ui::SetControlId(combo, IDC_ITEM_GROUP);
    auto* notesEdit = new QPlainTextEdit(this);
    ui::SetControlId(notesEdit, IDC_ITEM_NOTES);
    notesEdit->setTabChangesFocus(true);
    notesEdit->setFixedHeight(notesEdit->fontMetrics().lineSpacing() * 4 + 2 * notesEdit->frameWidth() + 8);
    ui::SetByteLimit(notesEdit, kItemNotesMaxBytes);
    int row = 0;
    AddRow(grid, row++, ids::ITEM_LABEL_NAME, nameEdit);
    AddRow(grid, row++, ids::ITEM_LABEL_GROUP, combo);
    AddRow(grid, row++, ids::ITEM_LABEL_NOTES, notesEdit);
    if (withColors_) {
        auto* colors = new QHBoxLayout;
        QWidget* picker1 = color1Picker_.Create(this, IDC_ITEM_COLOR1);
        QWidget* picker2 = color2Picker_.Create(this, IDC_ITEM_COLOR2);
        for (auto [label, picker] : {std::pair{ids::ITEM_LABEL_COLOR1, picker1}, {ids::ITEM_LABEL_COLOR2, picker2}}) {
            auto* caption = new QLabel(Text(label));
            caption->setBuddy(picker);
            colors->addWidget(caption);
            colors->addWidget(picker);
            colors->addSpacing(12);
        }
        colors->addStretch(1);
        grid->addLayout(colors, row++, 0, 1, 2);
    }
    grid->setColumnStretch(1, 1);
    dlg::AddOkCancel(this, layout);
}

void CItemDlg::DoDataExchange(ui::DataExchange& dx) {
    ExchangeName(dx, name);
    ui::DDX_CBIndex(dx, IDC_ITEM_GROUP, groupIndex_);
    ui::DDX_Text(dx, IDC_ITEM_NOTES, notes);
    if (dx.saving()) notes = std::string(plat::CutUtf8(notes, kItemNotesMaxBytes));
    if (withColors_) {
        DDX_Control(dx, IDC_ITEM_COLOR1, color1Picker_);
        DDX_SPColorPicker(dx, IDC_ITEM_COLOR1, color1);
        DDX_Control(dx, IDC_ITEM_COLOR2, color2Picker_);
        DDX_SPColorPicker(dx, IDC_ITEM_COLOR2, color2);
    }
}

void CItemDlg::OnInitDialog() {
    setWindowTitle(Text(editedName ? texts_.captionEdit : texts_.captionNew));
    auto* combo = static_cast<QComboBox*>(GetDlgItem(IDC_ITEM_GROUP));
    combo->addItem(Text(texts_.noGroup));
    groupIndex_ = 0;
    for (const GroupChoice& choice : groups) {
        combo->addItem(QString::fromStdString(choice.name));
        if (choice.group == group && group != nullptr) groupIndex_ = combo->count() - 1;
    }
    DialogBase::OnInitDialog();
    GetDlgItem(ui::IDOK)->setEnabled(!readOnly_);
}

void CItemDlg::OnOK() {
    if (readOnly_ || !UpdateData(true)) return;
    switch (CheckItemName(name, editedName, names, GetBoolSetting(settings_, "DlgDataConfirmSameName", true))) {
    case NameVerdict::Empty:
        Refuse(IDC_ITEM_NAME, texts_.nameEmpty);
        return;
    case NameVerdict::AskSameName:
        if (ui::MessageBoxById(this, texts_.sameName, ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2,
                               {name.c_str()}) != ui::IDYES) {
            GotoDlgCtrl(GetDlgItem(IDC_ITEM_NAME));
            return;
        }
        break;
    default:
        break;
    }
    group = groupIndex_ > 0 && groupIndex_ <= int(groups.size()) ? groups[std::size_t(groupIndex_ - 1)].group
                                                                  : nullptr;
    EndDialog(ui::IDOK);
}

CGroupDlg::CGroupDlg(const GroupDialogTexts& texts, bool readOnly, SettingGetter settings, QWidget* parent)
    : DialogBase(parent), texts_(texts), readOnly_(readOnly), settings_(OrEmpty(settings)) {
    auto* layout = dlg::AddDialogLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    AddRow(grid, 0, ids::ITEM_LABEL_NAME, NameEdit(this));
    grid->setColumnStretch(1, 1);
    dlg::AddOkCancel(this, layout);
}

void CGroupDlg::DoDataExchange(ui::DataExchange& dx) { ExchangeName(dx, name); }

void CGroupDlg::OnInitDialog() {
    setWindowTitle(Text(editedName ? texts_.captionEdit : texts_.captionNew));
    DialogBase::OnInitDialog();
    GetDlgItem(ui::IDOK)->setEnabled(!readOnly_);
}

void CGroupDlg::OnOK() {
    if (readOnly_ || !UpdateData(true)) return;
    switch (CheckGroupName(name, editedName, names, GetBoolSetting(settings_, "DlgDataAllowSameGroupName", false))) {
    case NameVerdict::Empty:
        Refuse(IDC_ITEM_NAME, texts_.nameEmpty);
        return;
    case NameVerdict::SameName:
        Refuse(IDC_ITEM_NAME, texts_.sameName);
        return;
    default:
        break;
    }
    EndDialog(ui::IDOK);
}
