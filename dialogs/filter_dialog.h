#pragma once

// The filter of the views: which resource groups, resources, task groups
// and tasks are shown (two check trees; every unchecked entry is hidden) and
// which bookings by their mark. From it a saved filter of the document is
// loaded, or the choice is saved under a name.

#include <map>
#include <string>

#include "filter_choice.h"
#include "support/setting_values.h"
#include "ui/dialog_base.h"

class CCheckButtonTreeCtrl;
class CCheckTreeCtrl;
class QListWidget;
class QTreeWidgetItem;

class CFilterDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // readOnly: the document is write-protected, nothing is saved to it.
    CFilterDlg(bool readOnly, CPlanData* data, SettingGetter settings, QWidget* parent = nullptr);

    // In: the filter in force; after IDOK: what the trees and the mode show.
    FilterChoice choice;

    void OnLoad();
    void OnSaveAs();
    // The saved filter last loaded or saved here; null when none (or deleted since).
    CFilter* Current() const { return current_; }

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    using TreeItems = std::map<const void*, QTreeWidgetItem*>;

    void FillTrees();
    // Every entry checked, then those of the choice unchecked.
    void ShowChoice();
    // The choice from the trees and the mode combo.
    bool ReadChoice();
    void UpdateButtons();

    bool readOnly_;
    CPlanData* data_;
    bool childrenOption_;
    CCheckButtonTreeCtrl* resources_;
    CCheckButtonTreeCtrl* tasks_;
    TreeItems resourceItems_, taskItems_;
    int modeIndex_ = 0;
    CFilter* current_ = nullptr;
};

// The document's saved filters by name, to pick one or delete them.
class CFilterListDlg : public ui::DialogBase {
    Q_OBJECT
public:
    CFilterListDlg(bool readOnly, CPlanData* data, QWidget* parent = nullptr);

    // After IDOK: the chosen saved filter.
    CFilter* chosen = nullptr;

    void OnDelete();

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    void Fill();
    void UpdateButtons();
    CFilter* Selected() const;

    bool readOnly_;
    CPlanData* data_;
    QListWidget* list_;
    std::vector<CFilter*> filters_;
};

// The name to save a filter under: a new one, or one of the saved filters'.
class CFilterNameDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // current: the saved filter the name starts from; may be null.
    CFilterNameDlg(CPlanData* data, CFilter* current, QWidget* parent = nullptr);

    std::string name;
    // After IDOK: the saved filter of that name, null for a new name.
    CFilter* chosen = nullptr;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    CFilter* current_;
    std::vector<CFilter*> filters_;
};
