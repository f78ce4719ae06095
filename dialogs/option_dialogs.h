#pragma once

// The dialogs over the settings store: view options, schedule options, the
// units on screen and one setting by its key. The caller loads the values,
// runs the dialog and, after IDOK, stores them and tells the plugins.

#include <cstdint>
#include <string>
#include <vector>

#include "font_substitute.h"
#include "option_values.h"
#include "spctrl/sp_controls.h"
#include "support/calendar_values.h"
#include "support/working_time.h"
#include "ui/dialog_base.h"

class CViewOptionsDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // The working time gives the samples of the duration styles.
    CViewOptionsDlg(const WorkingTime& workingTime, QWidget* parent = nullptr);

    ViewOptions options;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code, QWidget* control) override;

private:
    void EnableColor();

    WorkingTime workingTime_;
    int showNonWorking_ = 1;
    int checks_[5] = {};
    int styleIndex_ = -1;
    CSPColorPickerCtrl color_;
    CSPFontComboBoxCtrl font_;
    CFontSubstitute fontSubstitute_;
};

class CScheduleOptionsDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // workingDays: the document's, to judge the period; allowWithout: the
    // period may hold no working day.
    CScheduleOptionsDlg(bool readOnly, const std::uint8_t (&workingDays)[7], bool allowWithout,
                        QWidget* parent = nullptr);

    ScheduleOptions options;
    CDate fromDate;
    CDate toDate;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(int id, unsigned code, QWidget* control) override;

private:
    void Refresh();

    bool readOnly_;
    std::uint8_t workingDays_[7];
    bool allowWithout_;
    int unitIndex_ = -1;
    int majorIndex_ = 0;
    int minorIndex_ = 0;
    std::vector<int> majorCodes_;
    std::vector<int> minorCodes_;
    CSPDatePeriodCtrl dates_;
};

class CUnitsOnScreenDlg : public ui::DialogBase {
    Q_OBJECT
public:
    // The eight numbers, the unit and the limit come from the settings.
    explicit CUnitsOnScreenDlg(const SettingGetter& get, QWidget* parent = nullptr);

    UnitsOnScreen units{};
    int baseUnit = 4;   // 0..7
    int maximum = 100;

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    void OnOK() override;

private:
    int value_ = 0;
    CSPLongEditCtrl edit_;
};

class CSettingEditDlg : public ui::DialogBase {
    Q_OBJECT
public:
    explicit CSettingEditDlg(SettingGetter get, QWidget* parent = nullptr);

    std::string key;
    std::string value;
    std::string caption;   // the window's title when not empty

protected:
    void DoDataExchange(ui::DataExchange& dx) override;
    void OnInitDialog() override;
    bool OnCommand(int id, unsigned code, QWidget* control) override;

private:
    SettingGetter get_;
};
