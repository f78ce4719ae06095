#pragma once

// Creates a booking or edits one: the task, the resource (several checked
// resources for a new booking, one booking each), the period, two colours,
// the flag and a note. The caller fills the members, runs the dialog and,
// after IDOK, writes the members into the document; the dialog itself
// changes nothing in the document.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plan_data.h"
#include "plugin_records.h"
#include "spctrl/sp_controls.h"
#include "support/calendar_values.h"
#include "support/setting_values.h"
#include "ui/dialog_base.h"

class CCheckButtonTreeCtrl;
class QTreeWidget;

// The note's limit in bytes; the booking keeps it in 200 bytes.
inline constexpr std::size_t kBookingNoteMaxBytes = 199;

// Process-wide memory of the booking dialog, shared with the task dialog.
struct BookingDialogMemory {
    bool haveLastColors = false;
    ui::COLORREF lastColor1 = 0;
    ui::COLORREF lastColor2 = 0;
    // The first run of the task-colour step after program start applies
    // nothing; every run clears it.
    bool skipFirstTaskColors = true;
};
BookingDialogMemory& BookingDialogState();

class CBookingDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // readOnly: the document is write-protected; the dialog only shows.
    CBookingDlg(bool readOnly, CPlanData* data, SettingGetter settings, QWidget* parent = nullptr);

    CBooking* booking = nullptr;            // the edited booking; null for a new one
    CTask* task = nullptr;
    // New: the resources to check at first. After IDOK the chosen ones:
    // the checked resources in tree order, or the one selected when editing.
    std::vector<CResource*> resources;
    CDate fromDate;
    CDate toDate;
    CTimeOfDay fromTime;
    CTimeOfDay toTime;
    ui::COLORREF color1 = 0;
    ui::COLORREF color2 = 0x00FFFFFF;
    int flag = 0;
    std::string note;                       // line breaks as LF, at most 199 bytes

    // Runs the booking conflict check on the chosen resources and period and
    // sets the request's result; a result of 2 (refused) keeps the dialog
    // open. Unset, nothing is checked, as with the check switched off.
    std::function<void(BookingConflictRequest&)> checkConflicts;
    // Runs the add-task command; the new task, or null. Unset, the new-task button stays disabled.
    std::function<CTask*()> addTask;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code, QWidget* control) override;

private:
    bool editing() const { return booking != nullptr; }
    void FillTaskTree();
    void FillResourceTree();
    void ApplyTaskColors();
    void UpdateDuration();
    bool CollectResources();
    void RememberColors() const;
    void OnNewTask();

    bool readOnly_;
    CPlanData* data_;
    SettingGetter settings_;
    QTreeWidget* resourceTree_;
    CCheckButtonTreeCtrl* resourceChecks_;
    CSPTreeComboBoxCtrl taskCombo_;
    CSPDatePeriodCtrl dates_;
    CSPTimePeriodCtrl times_;
    CSPColorPickerCtrl color1Picker_;
    CSPColorPickerCtrl color2Picker_;
    // The four parts the duration was computed from last; none at first.
    std::int64_t shownParts_[4] = {-2, -2, -2, -2};
};
