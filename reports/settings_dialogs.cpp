#include "reports/settings_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "plat/resource_strings.h"
#include "reports/report_settings.h"
#include "reports/report_strings.h"
#include "spctrl/sp_ddx.h"
#include "spctrl/sp_layout.h"
#include "support/time_bar_labels.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A label whose mnemonic moves to buddy.
QLabel* BuddyLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// Radio buttons with ids from 0; the one at checked is chosen.
QButtonGroup* Radios(QWidget* parent, QVBoxLayout* layout, std::initializer_list<const char*> texts, int checked) {
    auto* group = new QButtonGroup(parent);
    int index = 0;
    for (const char* text : texts) {
        auto* button = new QRadioButton(QObject::tr(text), parent);
        group->addButton(button, index);
        layout->addWidget(button);
        if (index++ == checked) button->setChecked(true);
    }
    return group;
}

QDialogButtonBox* OkCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

// Runs follow now and whenever one of the buttons toggles.
template <class Fn>
void Follow(QDialog* dialog, std::initializer_list<QAbstractButton*> buttons, Fn follow) {
    for (QAbstractButton* button : buttons) QObject::connect(button, &QAbstractButton::toggled, dialog, follow);
    follow();
}

// Header, title and footer, then the range; the title follows the header
// box and the period the fixed range.
template <class Values>
void BuildPageControls(PeriodDialog* dialog, QVBoxLayout* layout, const Values& values, ReportPageControls& page) {
    auto* box = new QGroupBox(QObject::tr("Page"), dialog);
    auto* form = new QFormLayout(box);
    page.showHeader = new QCheckBox(QObject::tr("Show &header"), box);
    page.showHeader->setChecked(values.showHeader);
    page.title = new QLineEdit(Q(values.title), box);
    QLabel* titleLabel = BuddyLabel(QObject::tr("Tit&le:"), page.title, box);
    page.showFooter = new QCheckBox(QObject::tr("Show &footer"), box);
    page.showFooter->setChecked(values.showFooter);
    page.footer = new QLineEdit(Q(values.footerNotice), box);
    form->addRow(page.showHeader);
    form->addRow(titleLabel, page.title);
    form->addRow(page.showFooter);
    form->addRow(BuddyLabel(QObject::tr("Footer &notice:"), page.footer, box), page.footer);
    layout->addWidget(box);

    auto* rangeBox = new QGroupBox(QObject::tr("Date range"), dialog);
    auto* range = new QVBoxLayout(rangeBox);
    page.rangeChoice = Radios(rangeBox, range, {"&Visible range", "Fi&xed range"}, values.fixedRange ? 1 : 0);
    QWidget* period = dialog->CreatePeriod(rangeBox);
    range->addWidget(period);
    layout->addWidget(rangeBox);

    ReportPageControls* controls = &page;
    Follow(dialog, {page.showHeader, page.rangeChoice->button(1)}, [controls, titleLabel, period] {
        const bool header = controls->showHeader->isChecked();
        controls->title->setEnabled(header);
        titleLabel->setEnabled(header);
        period->setEnabled(controls->rangeChoice->checkedId() == 1);
    });
}

template <class Values>
void ReadPageControls(const PeriodDialog& dialog, const ReportPageControls& page, Values& values) {
    values.showHeader = page.showHeader->isChecked();
    values.title = page.title->text().toStdString();
    values.showFooter = page.showFooter->isChecked();
    values.footerNotice = page.footer->text().toStdString();
    values.fixedRange = page.rangeChoice->checkedId() == 1;
    values.rangeStart = dialog.start;
    values.rangeEnd = dialog.end;
}

// Resources (0), tasks (1) or bookings (2), the period for the bookings
// alone. OK asks for the file first; cancelling that keeps the dialog open.
class ExportDialog : public PeriodDialog {
public:
    ExportDialog(ExportChoice& choice, const SettingGetter& get, const SettingSetter& set, QWidget* parent)
        : PeriodDialog(parent, choice.rangeStart, choice.rangeEnd), choice_(choice), get_(get), set_(set) {
        setWindowTitle(Q(plat::LoadResString(kStrExportSaveTitle)));
        auto* layout = new QVBoxLayout(this);
        auto* box = new QGroupBox(tr("Export"), this);
        auto* inner = new QVBoxLayout(box);
        what_ = Radios(box, inner, {"&Resources", "&Tasks", "&Bookings"}, choice.what);
        QWidget* dates = CreatePeriod(box);
        inner->addWidget(dates);
        layout->addWidget(box);
        Follow(this, {what_->button(2)}, [this, dates] { dates->setEnabled(what_->checkedId() == 2); });
        layout->addWidget(OkCancel(this));
    }

protected:
    void OnOK() override {
        if (!UpdateData(true)) return;
        const std::optional<std::string> path = ChooseExportFile(this, choice_.fileName, get_, set_);
        if (!path) return;
        choice_ = {what_->checkedId(), start, end, *path};
        EndDialog(ui::IDOK);
    }

private:
    ExportChoice& choice_;
    const SettingGetter& get_;
    const SettingSetter& set_;
    QButtonGroup* what_ = nullptr;
};

}  // namespace

QWidget* PeriodDialog::CreatePeriod(QWidget* parent) { return period.Create(parent, IDC_REPORT_PERIOD); }

void PeriodDialog::DoDataExchange(ui::DataExchange& dx) {
    DDX_Control(dx, IDC_REPORT_PERIOD, period);
    CDate shown[2] = {start, end};
    DDX_SPDatePeriod(dx, IDC_REPORT_PERIOD, shown[0], 0);
    DDX_SPDatePeriod(dx, IDC_REPORT_PERIOD, shown[1], 1);
    if (!dx.saving() || dx.failed()) return;
    if (period.GetSafeHwnd()->isEnabled()) {
        if (!(shown[0].IsValid() && shown[1].IsValid())) return dx.Fail(IDC_REPORT_PERIOD, kStrDateMissing);
        if (shown[1] < shown[0]) return dx.Fail(IDC_REPORT_PERIOD, kStrPeriodReversed);
    }
    if (shown[0].IsValid()) start = shown[0];
    if (shown[1].IsValid()) end = shown[1];
}

void PeriodDialog::OnInitDialog() {
    period.SetFormat(plat::LoadResString(kStrDateStart), 0);
    period.SetFormat(plat::LoadResString(kStrDateEnd), 1);
    DialogBase::OnInitDialog();
    FitPeriodEdits(period.GetSafeHwnd());
}

BookingListSettingsDialog::BookingListSettingsDialog(QWidget* parent, const BookingListSettingsValues& values)
    : PeriodDialog(parent, values.rangeStart, values.rangeEnd) {
    setWindowTitle(Q(plat::LoadResString(kStrBookingListTitle)));
    auto* layout = new QVBoxLayout(this);
    BuildPageControls(this, layout, values, page);

    auto* listBox = new QGroupBox(tr("List"), this);
    auto* list = new QVBoxLayout(listBox);
    grouping = Radios(listBox, list, {"By &resources", "By t&asks"}, values.groupByResources ? 0 : 1);
    auto* formatRow = new QFormLayout;
    dateFormat = new QComboBox(listBox);
    for (int code = 1; code <= 4; ++code) {
        dateFormat->addItem(Q(FormatSampleLabel(code, true)), code);
        if (code == values.dateFormat) dateFormat->setCurrentIndex(code - 1);
    }
    formatRow->addRow(BuddyLabel(tr("Date f&ormat:"), dateFormat, listBox), dateFormat);
    list->addLayout(formatRow);
    alignment = Radios(listBox, list, {"Da&tes left", "Dates ri&ght"}, values.dateAlignment != 0 ? 1 : 0);
    notes = new QCheckBox(tr("Show note&s"), listBox);
    duration = new QCheckBox(tr("Show d&uration"), listBox);
    total = new QCheckBox(tr("Sho&w duration total"), listBox);
    notes->setChecked(values.showNotes);
    duration->setChecked(values.showDuration);
    total->setChecked(values.showDurationTotal);
    for (QCheckBox* box : {notes, duration, total}) list->addWidget(box);
    layout->addWidget(listBox);
    Follow(this, {duration}, [this] { total->setEnabled(duration->isChecked()); });
    layout->addWidget(OkCancel(this));
}

BookingListSettingsValues BookingListSettingsDialog::Values() const {
    BookingListSettingsValues values;
    ReadPageControls(*this, page, values);
    values.dateFormat = dateFormat->currentData().toInt();
    values.dateAlignment = alignment->checkedId();
    values.groupByResources = grouping->checkedId() == 0;
    values.showNotes = notes->isChecked();
    values.showDuration = duration->isChecked();
    values.showDurationTotal = total->isChecked();
    return values;
}

CalendarSettingsDialog::CalendarSettingsDialog(QWidget* parent, const CalendarSettingsValues& values)
    : PeriodDialog(parent, values.rangeStart, values.rangeEnd), values_(values) {
    setWindowTitle(Q(plat::LoadResString(kStrCalendarTitle)));
    auto* layout = new QVBoxLayout(this);
    BuildPageControls(this, layout, values, page);

    auto* bookingsBox = new QGroupBox(tr("Bookings"), this);
    auto* bookings = new QVBoxLayout(bookingsBox);
    additional = new QCheckBox(tr("Show &additional bookings"), bookingsBox);
    additional->setChecked(values.showAdditionalBookings);
    bookings->addWidget(additional);
    where = Radios(bookingsBox, bookings, {"After every &page", "At the end of the &report"}, values.additionalAfterEveryPage ? 0 : 1);
    byDay = new QCheckBox(tr("&Group bookings by day"), bookingsBox);
    byDay->setChecked(values.groupBookingsByDay);
    bookings->addWidget(byDay);
    auto* weeksRow = new QFormLayout;
    QWidget* weeksEdit = weeks.Create(bookingsBox, IDC_REPORT_WEEKS);
    weeksRow->addRow(BuddyLabel(tr("&Weeks per page:"), weeksEdit, bookingsBox), weeksEdit);
    bookings->addLayout(weeksRow);
    layout->addWidget(bookingsBox);
    Follow(this, {additional}, [this] {
        const bool on = additional->isChecked();
        for (QAbstractButton* button : where->buttons()) button->setEnabled(on);
        byDay->setEnabled(on);
    });
    layout->addWidget(OkCancel(this));
}

CalendarSettingsValues CalendarSettingsDialog::Values() const {
    CalendarSettingsValues values = values_;
    ReadPageControls(*this, page, values);
    values.showAdditionalBookings = additional->isChecked();
    values.additionalAfterEveryPage = where->checkedId() == 0;
    values.groupBookingsByDay = byDay->isChecked();
    return values;
}

void CalendarSettingsDialog::DoDataExchange(ui::DataExchange& dx) {
    PeriodDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_REPORT_WEEKS, weeks);
    DDX_SPLongEdit(dx, IDC_REPORT_WEEKS, values_.weeks);
}

void CalendarSettingsDialog::OnInitDialog() {
    weeks.SetLimits(1, values_.weeksMax);
    PeriodDialog::OnInitDialog();
}

ScheduleReportSettingsDialog::ScheduleReportSettingsDialog(QWidget* parent, const ScheduleReportSettingsValues& values)
    : PeriodDialog(parent, values.rangeStart, values.rangeEnd), values_(values) {
    setWindowTitle(Q(plat::LoadResString(kStrScheduleTitle)));
    auto* layout = new QVBoxLayout(this);
    BuildPageControls(this, layout, values, page);

    // The times sit under the dates, in the range's box.
    QWidget* rangeBox = period.GetSafeHwnd()->parentWidget();
    QWidget* timeParts = times.Create(rangeBox, IDC_REPORT_TIMES);
    rangeBox->layout()->addWidget(timeParts);
    timeParts->setVisible(!values.dayOrCoarser);
    Follow(this, {page.rangeChoice->button(1)},
           [this, timeParts] { timeParts->setEnabled(page.rangeChoice->checkedId() == 1); });

    auto* pagesBox = new QGroupBox(tr("Pages"), this);
    auto* form = new QFormLayout(pagesBox);
    QWidget* pagesEdit = pages.Create(pagesBox, IDC_REPORT_PAGES);
    form->addRow(BuddyLabel(tr("Pages &across:"), pagesEdit, pagesBox), pagesEdit);
    QWidget* widthEdit = labelWidth.Create(pagesBox, IDC_REPORT_LABEL_WIDTH);
    unit = new QLabel(Q(plat::LoadResString(values.metric ? kStrUnitCentimetres : kStrUnitInches)), pagesBox);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(widthEdit);
    widthRow->addWidget(unit);
    form->addRow(BuddyLabel(tr("Label &column width:"), widthEdit, pagesBox), widthRow);
    layout->addWidget(pagesBox);
    layout->addWidget(OkCancel(this));
}

ScheduleReportSettingsValues ScheduleReportSettingsDialog::Values() const {
    ScheduleReportSettingsValues values = values_;
    ReadPageControls(*this, page, values);
    return values;
}

void ScheduleReportSettingsDialog::DoDataExchange(ui::DataExchange& dx) {
    PeriodDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_REPORT_TIMES, times);
    CTimeOfDay shown[2] = {values_.startTime, values_.endTime};
    DDX_SPTimePeriod(dx, IDC_REPORT_TIMES, shown[0], 0);
    DDX_SPTimePeriod(dx, IDC_REPORT_TIMES, shown[1], 1);
    if (dx.saving() && !dx.failed()) {
        const QWidget* parts = times.GetSafeHwnd();
        if (parts->isEnabled() && !parts->isHidden() && (shown[0].IsEmpty() || shown[1].IsEmpty()))
            return dx.Fail(IDC_REPORT_TIMES, kStrTimeMissing);
        if (!shown[0].IsEmpty()) values_.startTime = shown[0].GetMinutes();
        if (!shown[1].IsEmpty()) values_.endTime = shown[1].GetMinutes();
    }
    DDX_Control(dx, IDC_REPORT_PAGES, pages);
    DDX_SPLongEdit(dx, IDC_REPORT_PAGES, values_.pages);
    DDX_Control(dx, IDC_REPORT_LABEL_WIDTH, labelWidth);
    DDX_SPDoubleEdit(dx, IDC_REPORT_LABEL_WIDTH, values_.labelWidth);
}

void ScheduleReportSettingsDialog::OnInitDialog() {
    times.SetFormat(plat::LoadResString(kStrTimeStart), 0);
    times.SetFormat(plat::LoadResString(kStrTimeEnd), 1);
    pages.SetLimits(1, values_.pagesMax);
    pages.SendMessage(WM_SP_LONGEDIT_OPTION, 4, 0);
    labelWidth.SetLowerAndSteps(0.0, 0.1, values_.metric ? 5.0 : 2.0);
    PeriodDialog::OnInitDialog();
    FitPeriodEdits(times.GetSafeHwnd());
}

void ScheduleReportSettingsDialog::OnOK() {
    if (!UpdateData(true)) return;
    if (!Values().RangeValid()) return Refuse(IDC_REPORT_PERIOD, kStrPeriodReversed);
    EndDialog(ui::IDOK);
}

bool RunBookingListSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set) {
    BookingListSettingsValues values;
    values.Load(get);
    BookingListSettingsDialog dialog(parent, values);
    if (dialog.DoModal() != ui::IDOK) return false;
    dialog.Values().Store(set);
    return true;
}

bool RunCalendarSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set) {
    CalendarSettingsValues values;
    values.Load(get);
    CalendarSettingsDialog dialog(parent, values);
    if (dialog.DoModal() != ui::IDOK) return false;
    dialog.Values().Store(set);
    return true;
}

bool RunScheduleReportSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set,
                                     bool metric) {
    ScheduleReportSettingsValues values;
    values.Load(get, metric);
    ScheduleReportSettingsDialog dialog(parent, values);
    if (dialog.DoModal() != ui::IDOK) return false;
    dialog.Values().Store(set);
    return true;
}

bool RunExportDialog(QWidget* parent, ExportChoice& choice, const SettingGetter& get, const SettingSetter& set) {
    ExportDialog dialog(choice, get, set, parent);
    return dialog.DoModal() == ui::IDOK;
}
