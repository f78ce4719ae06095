#include "option_dialogs.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "booking_ids.h"
#include "controls_api.h"
#include "dialog_layout.h"
#include "option_ids.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "spctrl/sp_ddx.h"
#include "spctrl/sp_layout.h"
#include "support/time_bar_labels.h"
#include "ui/data_exchange.h"
#include "ui/prompts.h"
#include "working_time_ids.h"
#include "working_time_rules.h"

namespace {

using namespace option_ids;

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

QLabel* Caption(unsigned stringId, QWidget* buddy) {
    auto* label = new QLabel(Text(stringId));
    label->setBuddy(buddy);
    return label;
}

QCheckBox* AddCheck(QBoxLayout* layout, int id, unsigned stringId) {
    auto* check = new QCheckBox(Text(stringId));
    ui::SetControlId(check, id);
    layout->addWidget(check);
    return check;
}

QComboBox* NewCombo(int id) {
    auto* combo = new QComboBox;
    ui::SetControlId(combo, id);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QString UnitName(int unit) { return unit >= 0 && unit < kTimeBarUnitCount ? Text(UNIT_NAME_FIRST + unit) : QString(); }

constexpr int kDurationStyles[] = {1, 2, 3, 4};

}  // namespace

CViewOptionsDlg::CViewOptionsDlg(const WorkingTime& workingTime, QWidget* parent)
    : DialogBase(parent), workingTime_(workingTime) {
    setWindowTitle(Text(CAPTION_VIEW_OPTIONS));
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    QComboBox* duration = NewCombo(IDC_VIEW_DURATION);
    grid->addWidget(Caption(LABEL_DURATION, duration), 0, 0);
    grid->addWidget(duration, 0, 1);
    QWidget* font = font_.Create(this, IDC_VIEW_FONT);
    grid->addWidget(Caption(LABEL_FONT, font), 1, 0);
    grid->addWidget(font, 1, 1);
    grid->setColumnStretch(1, 1);

    QCheckBox* show = AddCheck(layout, IDC_VIEW_SHOW_NON_WORKING, LABEL_SHOW_NON_WORKING);
    connect(show, &QCheckBox::clicked, this, [show] { ui::NotifyParent(show, ui::BN_CLICKED); });
    auto* colorRow = new QHBoxLayout;
    colorRow->addSpacing(20);
    QWidget* color = color_.Create(this, IDC_VIEW_NON_WORKING_COLOR);
    QLabel* colorLabel = Caption(LABEL_NON_WORKING_COLOR, color);
    ui::SetControlId(colorLabel, IDC_VIEW_NON_WORKING_COLOR_LABEL);
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(color);
    colorRow->addStretch(1);
    layout->addLayout(colorRow);
    AddCheck(layout, IDC_VIEW_MARK_TODAY, LABEL_MARK_TODAY);
    AddCheck(layout, IDC_VIEW_NOTES_ON_BOOKINGS, LABEL_NOTES_ON_BOOKINGS);
    AddCheck(layout, IDC_VIEW_CHECK_CONFLICTS, LABEL_CHECK_CONFLICTS);
    AddCheck(layout, IDC_VIEW_FILE_OPEN_LAST, LABEL_FILE_OPEN_LAST);
    AddCheck(layout, IDC_VIEW_OPEN_FILE_TODAY, LABEL_OPEN_FILE_TODAY);
    dlg::AddOkCancel(this, layout);
}

void CViewOptionsDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_CBIndex(dx, IDC_VIEW_DURATION, styleIndex_);
    ui::DDX_Check(dx, IDC_VIEW_SHOW_NON_WORKING, showNonWorking_);
    ui::DDX_Check(dx, IDC_VIEW_FILE_OPEN_LAST, checks_[0]);
    ui::DDX_Check(dx, IDC_VIEW_NOTES_ON_BOOKINGS, checks_[1]);
    ui::DDX_Check(dx, IDC_VIEW_OPEN_FILE_TODAY, checks_[2]);
    ui::DDX_Check(dx, IDC_VIEW_CHECK_CONFLICTS, checks_[3]);
    ui::DDX_Check(dx, IDC_VIEW_MARK_TODAY, checks_[4]);
    DDX_Control(dx, IDC_VIEW_NON_WORKING_COLOR, color_);
    DDX_SPColorPicker(dx, IDC_VIEW_NON_WORKING_COLOR, options.nonWorkingColor);
    DDX_Control(dx, IDC_VIEW_FONT, font_);
    DDX_SPFontComboBox(dx, IDC_VIEW_FONT, options.font);
}

void CViewOptionsDlg::OnInitDialog() {
    font_.SendMessage(WM_SP_FONTCOMBO_FILL);
    fontSubstitute_.Show(font_, options.font);
    auto* duration = static_cast<QComboBox*>(GetDlgItem(IDC_VIEW_DURATION));
    for (std::size_t i = 0; i < std::size(kDurationStyles); ++i) {
        const std::string sample = FormatWorkingDayLength(workingTime_, kDurationStyles[i]);
        duration->addItem(QString::fromStdString(
            plat::FormatChecked(plat::LoadResString(DURATION_STYLE_FIRST + unsigned(i)), {sample})));
    }
    const auto* style = std::find(std::begin(kDurationStyles), std::end(kDurationStyles), options.durationStyle);
    styleIndex_ = style == std::end(kDurationStyles) ? -1 : int(style - std::begin(kDurationStyles));
    showNonWorking_ = options.showNonWorkingTime ? 1 : 0;
    const bool flags[] = {options.fileOpenLast, options.showNotesOnBookings, options.openFileToday,
                          options.checkBookingConflicts, options.markToday};
    for (int i = 0; i < 5; ++i) checks_[i] = flags[i] ? 1 : 0;
    DialogBase::OnInitDialog();
    EnableColor();
}

void CViewOptionsDlg::EnableColor() {
    const bool on = static_cast<QCheckBox*>(GetDlgItem(IDC_VIEW_SHOW_NON_WORKING))->isChecked();
    GetDlgItem(IDC_VIEW_NON_WORKING_COLOR)->setEnabled(on);
    GetDlgItem(IDC_VIEW_NON_WORKING_COLOR_LABEL)->setEnabled(on);
}

bool CViewOptionsDlg::OnCommand(int id, unsigned code, QWidget*) {
    if (id != IDC_VIEW_SHOW_NON_WORKING || code != ui::BN_CLICKED) return false;
    EnableColor();
    return true;
}

void CViewOptionsDlg::OnOK() {
    if (!UpdateData(true)) return;
    fontSubstitute_.Keep(options.font);
    // A stored style the list does not offer stays as it was.
    if (styleIndex_ >= 0 && styleIndex_ < int(std::size(kDurationStyles)))
        options.durationStyle = kDurationStyles[styleIndex_];
    options.showNonWorkingTime = showNonWorking_ != 0;
    options.fileOpenLast = checks_[0] != 0;
    options.showNotesOnBookings = checks_[1] != 0;
    options.openFileToday = checks_[2] != 0;
    options.checkBookingConflicts = checks_[3] != 0;
    options.markToday = checks_[4] != 0;
    EndDialog(ui::IDOK);
}

CScheduleOptionsDlg::CScheduleOptionsDlg(bool readOnly, const std::uint8_t (&workingDays)[7], bool allowWithout,
                                         QWidget* parent)
    : DialogBase(parent), readOnly_(readOnly), allowWithout_(allowWithout) {
    std::copy(std::begin(workingDays), std::end(workingDays), std::begin(workingDays_));
    setWindowTitle(Text(CAPTION_SCHEDULE_OPTIONS));
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    QComboBox* unit = NewCombo(IDC_SCHEDULE_BASE_UNIT);
    connect(unit, &QComboBox::activated, this, [unit] { ui::NotifyParent(unit, ui::CBN_SELENDOK); });
    grid->addWidget(Caption(LABEL_BASE_UNIT, unit), 0, 0);
    grid->addWidget(unit, 0, 1, 1, 2);
    const struct {
        unsigned caption;
        int nameId;
        int comboId;
    } rows[] = {{LABEL_MAJOR_ROW, IDC_SCHEDULE_MAJOR_UNIT, IDC_SCHEDULE_MAJOR_FORMAT},
                {LABEL_MINOR_ROW, IDC_SCHEDULE_BASE_UNIT_NAME, IDC_SCHEDULE_MINOR_FORMAT}};
    int row = 1;
    for (const auto& r : rows) {
        QComboBox* combo = NewCombo(r.comboId);
        auto* name = new QLabel;
        ui::SetControlId(name, r.nameId);
        grid->addWidget(Caption(r.caption, combo), row, 0);
        grid->addWidget(name, row, 1);
        grid->addWidget(combo, row++, 2);
    }
    grid->setColumnStretch(2, 1);
    layout->addWidget(dates_.Create(this, IDC_SCHEDULE_PERIOD));
    dlg::AddOkCancel(this, layout);
}

void CScheduleOptionsDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_CBIndex(dx, IDC_SCHEDULE_BASE_UNIT, unitIndex_);
    ui::DDX_CBIndex(dx, IDC_SCHEDULE_MAJOR_FORMAT, majorIndex_);
    ui::DDX_CBIndex(dx, IDC_SCHEDULE_MINOR_FORMAT, minorIndex_);
    DDX_Control(dx, IDC_SCHEDULE_PERIOD, dates_);
    DDX_SPDatePeriod(dx, IDC_SCHEDULE_PERIOD, fromDate, 0);
    DDX_SPDatePeriod(dx, IDC_SCHEDULE_PERIOD, toDate, 1);
}

void CScheduleOptionsDlg::OnInitDialog() {
    dates_.SetFormat(plat::LoadResString(booking_ids::PART_FROM_DATE), 0);
    dates_.SetFormat(plat::LoadResString(booking_ids::PART_TO_DATE), 1);
    GetDlgItem(IDC_SCHEDULE_PERIOD)->setEnabled(!readOnly_);
    auto* unit = static_cast<QComboBox*>(GetDlgItem(IDC_SCHEDULE_BASE_UNIT));
    for (int u = 0; u <= 6; ++u) unit->addItem(UnitName(u));
    // A unit the combo does not offer (the year, or a stored number that
    // names none) shows no entry and stays as it is.
    unitIndex_ = options.baseUnit >= 0 && options.baseUnit < unit->count() ? options.baseUnit : -1;
    DialogBase::OnInitDialog();
    FitPeriodEdits(GetDlgItem(IDC_SCHEDULE_PERIOD));
    Refresh();
}

void CScheduleOptionsDlg::Refresh() {
    UpdateData(true);
    if (unitIndex_ >= 0) options.baseUnit = unitIndex_;
    const int base = options.baseUnit;
    const bool known = base >= 0 && base < kTimeBarUnitCount;
    const int major = known ? MajorUnitOf(base) : -1;
    static_cast<QLabel*>(GetDlgItem(IDC_SCHEDULE_BASE_UNIT_NAME))->setText(UnitName(base));
    static_cast<QLabel*>(GetDlgItem(IDC_SCHEDULE_MAJOR_UNIT))->setText(UnitName(major));
    majorCodes_ = AllowedLabelCodes(major, options.weekNumbers);
    minorCodes_ = AllowedLabelCodes(base, options.weekNumbers);
    const struct {
        int id;
        int unit;
        const std::vector<int>& codes;
        int& index;
    } combos[] = {{IDC_SCHEDULE_MAJOR_FORMAT, major, majorCodes_, majorIndex_},
                  {IDC_SCHEDULE_MINOR_FORMAT, base, minorCodes_, minorIndex_}};
    for (const auto& c : combos) {
        auto* combo = static_cast<QComboBox*>(GetDlgItem(c.id));
        combo->clear();
        for (int code : c.codes) combo->addItem(QString::fromStdString(FormatSampleLabel(code, c.unit < 3)));
        const LabelCodes& stored = c.id == IDC_SCHEDULE_MAJOR_FORMAT ? options.major : options.minor;
        c.index = c.codes.empty() ? -1 : LabelCodeIndex(c.codes, stored[c.unit]);
    }
    UpdateData(false);
}

bool CScheduleOptionsDlg::OnCommand(int id, unsigned code, QWidget*) {
    if (id != IDC_SCHEDULE_BASE_UNIT || code != ui::CBN_SELENDOK) return false;
    Refresh();
    return true;
}

void CScheduleOptionsDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (!fromDate.IsValid() || !toDate.IsValid()) {
        Refuse(IDC_SCHEDULE_PERIOD, booking_ids::DATE_MISSING);
        return;
    }
    if (PeriodReversed(fromDate, toDate)) {
        Refuse(IDC_SCHEDULE_PERIOD, booking_ids::PERIOD_REVERSED);
        return;
    }
    if (!CheckPeriodHasWorkingDays(fromDate, toDate, workingDays_, allowWithout_)) {
        Refuse(IDC_SCHEDULE_PERIOD, working_time_ids::NO_WORKING_DAY_IN_PERIOD);
        return;
    }
    if (unitIndex_ >= 0) options.baseUnit = unitIndex_;
    const int base = options.baseUnit;
    if (base >= 0 && base < kTimeBarUnitCount) {
        if (majorIndex_ >= 0 && majorIndex_ < int(majorCodes_.size()))
            options.major[MajorUnitOf(base)] = majorCodes_[majorIndex_];
        if (minorIndex_ >= 0 && minorIndex_ < int(minorCodes_.size()))
            options.minor[base] = minorCodes_[minorIndex_];
    }
    EndDialog(ui::IDOK);
}

CUnitsOnScreenDlg::CUnitsOnScreenDlg(const SettingGetter& get, QWidget* parent)
    : DialogBase(parent), baseUnit(UnitsOnScreenUnit(get)), maximum(UnitsOnScreenMax(get)) {
    LoadUnitsOnScreen(get, units);
    setWindowTitle(Text(CAPTION_UNITS_ON_SCREEN));
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    auto* row = new QHBoxLayout;
    QWidget* edit = edit_.Create(this, IDC_UNITS_ON_SCREEN);
    row->addWidget(Caption(LABEL_UNITS_ON_SCREEN, edit));
    row->addWidget(edit);
    layout->addLayout(row);
    dlg::AddOkCancel(this, layout);
}

void CUnitsOnScreenDlg::DoDataExchange(ui::DataExchange& dx) {
    DDX_Control(dx, IDC_UNITS_ON_SCREEN, edit_);
    DDX_SPLongEdit(dx, IDC_UNITS_ON_SCREEN, value_);
}

void CUnitsOnScreenDlg::OnInitDialog() {
    if (baseUnit < 0 || baseUnit >= kTimeBarUnitCount) baseUnit = 4;
    maximum = std::clamp(maximum, 1, 32767);
    value_ = units[baseUnit];
    edit_.SetLimits(1, maximum);
    DialogBase::OnInitDialog();
}

void CUnitsOnScreenDlg::OnOK() {
    if (!UpdateData(true)) return;
    units[baseUnit] = static_cast<std::int16_t>(std::clamp(value_, 1, maximum));
    EndDialog(ui::IDOK);
}

CSettingEditDlg::CSettingEditDlg(SettingGetter get, QWidget* parent) : DialogBase(parent), get_(std::move(get)) {
    setWindowTitle(Text(CAPTION_EDIT_SETTING));
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);
    const struct {
        int labelId;
        unsigned text;
        int editId;
    } rows[] = {{IDC_SETTING_KEY_LABEL, LABEL_SETTING_KEY, IDC_SETTING_KEY},
                {IDC_SETTING_VALUE_LABEL, LABEL_SETTING_VALUE, IDC_SETTING_VALUE}};
    int row = 0;
    for (const auto& r : rows) {
        auto* edit = new QLineEdit;
        ui::SetControlId(edit, r.editId);
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 40);
        QLabel* label = Caption(r.text, edit);
        ui::SetControlId(label, r.labelId);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row++, 1);
    }
    auto* show = new QPushButton(Text(BUTTON_SHOW_VALUE));
    show->setAutoDefault(false);
    ui::SetControlId(show, IDC_SETTING_SHOW);
    connect(show, &QPushButton::clicked, this, [show] { ui::NotifyParent(show, ui::BN_CLICKED); });
    grid->addWidget(show, row, 1, Qt::AlignLeft);
    dlg::AddOkCancel(this, layout);
}

void CSettingEditDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_Text(dx, IDC_SETTING_KEY, key);
    ui::DDX_Text(dx, IDC_SETTING_VALUE, value);
}

void CSettingEditDlg::OnInitDialog() {
    if (!caption.empty()) setWindowTitle(QString::fromStdString(caption));
    DialogBase::OnInitDialog();
}

bool CSettingEditDlg::OnCommand(int id, unsigned code, QWidget*) {
    if (id != IDC_SETTING_SHOW || code != ui::BN_CLICKED) return false;
    if (UpdateData(true) && !key.empty() && get_)
        ui::CurrentPrompts().MessageBox(this, get_(key), windowTitle().toStdString(), ui::MB_OK | ui::MB_ICONINFORMATION);
    return true;
}
