#include "spctrl/sp_controls.h"

#include <QTreeWidget>
#include <vector>

#include "ui/message.h"

CSPCtrl::~CSPCtrl() { delete wnd_.data(); }

QWidget* CSPCtrl::Create(QWidget* parent, int id) {
    delete wnd_.data();
    wnd_ = spcc_createcontrol(kind_, parent, id);
    return wnd_;
}

ui::LRESULT CSPCtrl::SendMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam) const {
    return ui::SendMessage(wnd_, message, wParam, lParam);
}

void CSPCheckGroupCtrl::AddItem(const std::string& text) const {
    SendMessage(WM_SP_CHECKGROUP_ADDITEM, 0, reinterpret_cast<ui::LPARAM>(text.c_str()));
}

bool CSPCheckGroupCtrl::GetCheck(int index) const {
    return SendMessage(WM_SP_CHECKGROUP_GETCHECK, ui::WPARAM(index), 0) != 0;
}

void CSPCheckGroupCtrl::SetCheck(int index, bool check) const {
    SendMessage(WM_SP_CHECKGROUP_SETCHECK, ui::WPARAM(index), check ? 1 : 0);
}

namespace {

bool SendFormat(const CSPCtrl& ctrl, unsigned message, const std::string& format, int part,
                int reserved, int length) {
    const SPFormatRecord record{format.c_str(), reserved, length};
    return ctrl.SendMessage(message, ui::WPARAM(part), reinterpret_cast<ui::LPARAM>(&record)) != -1;
}

}  // namespace

bool CSPDatePeriodCtrl::SetFormat(const std::string& format, int part, int reserved, int length) const {
    return SendFormat(*this, WM_SP_DATEPERIOD_SETFORMAT, format, part, reserved, length);
}

bool CSPTimePeriodCtrl::SetFormat(const std::string& format, int part, int reserved, int length) const {
    return SendFormat(*this, WM_SP_TIMEPERIOD_SETFORMAT, format, part, reserved, length);
}

void CSPLongEditCtrl::SetLimits(int lower, int upper) const {
    SendMessage(WM_SP_LONGEDIT_SETLOWER, 0, lower);
    SendMessage(WM_SP_LONGEDIT_SETUPPER, 0, upper);
}

void CSPDoubleEditCtrl::SetLowerAndSteps(double lower, double step, double pageStep) const {
    SendMessage(WM_SP_DOUBLEEDIT_SETLOWER, 0, reinterpret_cast<ui::LPARAM>(&lower));
    SendMessage(WM_SP_DOUBLEEDIT_SETSTEP, 0, reinterpret_cast<ui::LPARAM>(&step));
    SendMessage(WM_SP_DOUBLEEDIT_SETPAGESTEP, 0, reinterpret_cast<ui::LPARAM>(&pageStep));
}

QComboBox* CSPFontComboBoxCtrl::GetCombo() const {
    return reinterpret_cast<QComboBox*>(SendMessage(WM_SP_FONTCOMBO_GETCOMBO));
}

QTreeWidget* CSPTreeComboBoxCtrl::GetTree() const {
    return reinterpret_cast<QTreeWidget*>(SendMessage(WM_SP_TREECOMBO_GETTREE));
}

CSPTreeComboBoxCtrl::Item CSPTreeComboBoxCtrl::InsertItem(Item parent, const std::string& text,
                                                          std::intptr_t data) const {
    const SPTreeInsertRecord record{parent, text.c_str(), data};
    return reinterpret_cast<Item>(
        SendMessage(WM_SP_TREECOMBO_INSERTITEM, 0, reinterpret_cast<ui::LPARAM>(&record)));
}

void CSPTreeComboBoxCtrl::DeleteAllItems() const {
    if (QTreeWidget* tree = GetTree()) tree->clear();
}

void CSPTreeComboBoxCtrl::Update() const { SendMessage(WM_SP_TREECOMBO_UPDATE, 1, 0); }

void CSPTreeComboBoxCtrl::SelectItem(Item item) const {
    if (QTreeWidget* tree = GetTree()) tree->setCurrentItem(static_cast<QTreeWidgetItem*>(item));
}

CSPTreeComboBoxCtrl::Item CSPTreeComboBoxCtrl::GetSelectedItem() const {
    QTreeWidget* tree = GetTree();
    return tree ? tree->currentItem() : nullptr;
}

std::intptr_t CSPTreeComboBoxCtrl::GetItemData(Item item) {
    return item ? static_cast<QTreeWidgetItem*>(item)->data(0, Qt::UserRole).value<qintptr>() : 0;
}

bool CSPAssignGridCtrl::AddItem(const std::string& text, bool required) const {
    const SPAssignItemRecord record{text.c_str(), required ? 1 : 0, -1, 0, 0};
    return SendMessage(WM_SP_ASSIGNGRID_ADDITEM, 0, reinterpret_cast<ui::LPARAM>(&record)) == 1;
}

std::string CSPAssignGridCtrl::GetItemText(int item) const {
    const ui::LRESULT length = SendMessage(WM_SP_ASSIGNGRID_GETITEMTEXTLEN, ui::WPARAM(item), 0);
    if (length < 0) return "";
    std::vector<char> buffer(std::size_t(length) + 1, '\0');
    SendMessage(WM_SP_ASSIGNGRID_GETITEMTEXT, ui::WPARAM(item), reinterpret_cast<ui::LPARAM>(buffer.data()));
    return std::string(buffer.data(), std::size_t(length));
}
