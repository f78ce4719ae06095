#pragma once

// The properties of a resource or task (name, group, notes; a task also its
// two colours) and of a resource group or task group (its name). The caller
// fills the members, runs the dialog and, after IDOK, writes the members
// into the document; the dialogs only check the input.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "spctrl/sp_controls.h"
#include "support/setting_values.h"
#include "ui/dialog_base.h"

// The texts that tell the kinds apart.
struct ItemDialogTexts {
    unsigned captionNew, captionEdit, noGroup, nameEmpty, sameName;
};
extern const ItemDialogTexts kResourceDialogTexts;
extern const ItemDialogTexts kTaskDialogTexts;

struct GroupDialogTexts {
    unsigned captionNew, captionEdit, nameEmpty, sameName;
};
extern const GroupDialogTexts kResourceGroupDialogTexts;
extern const GroupDialogTexts kTaskGroupDialogTexts;

// A group the combo box offers: its name and the caller's record.
struct GroupChoice {
    std::string name;
    void* group = nullptr;
};

class CItemDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // withColors: a task's two colours. readOnly: the document is write-protected; the dialog only shows.
    CItemDlg(const ItemDialogTexts& texts, bool withColors, bool readOnly, SettingGetter settings,
             QWidget* parent = nullptr);

    std::optional<std::string> editedName;   // none for a new record
    std::vector<std::string> names;          // every record of the kind, in collection order
    std::vector<GroupChoice> groups;         // in the user's order
    std::string name;
    std::string notes;
    void* group = nullptr;                   // preselected; after IDOK the chosen one
    ui::COLORREF color1 = 0;
    ui::COLORREF color2 = 0x0080FFFF;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    const ItemDialogTexts& texts_;
    bool withColors_;
    bool readOnly_;
    SettingGetter settings_;
    int groupIndex_ = 0;
    CSPColorPickerCtrl color1Picker_;
    CSPColorPickerCtrl color2Picker_;
};

class CGroupDlg : public ui::DialogBase {
    Q_OBJECT
public:
    CGroupDlg(const GroupDialogTexts& texts, bool readOnly, SettingGetter settings, QWidget* parent = nullptr);

    std::optional<std::string> editedName;
    std::vector<std::string> names;          // every group of the kind
    std::string name;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    const GroupDialogTexts& texts_;
    bool readOnly_;
    SettingGetter settings_;
};
