#include "reports/settings_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "plat/resource_strings.h"
#include "reports/report_settings.h"
#include "reports/report_strings.h"
#include "support/time_bar_labels.h"

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QDate ToQDate(const CDate& date) {
    return date.IsValid() ? QDate(date.GetYear(), date.GetMonth(), date.GetDay()) : QDate::currentDate();
}

CDate FromQDate(const QDate& date) { return CDate(date.day(), date.month(), date.year()); }

// The period control: start and end, captioned with strings 14000 and 14001.
struct PeriodEdit {
    QWidget* box = nullptr;
    QDateEdit* start = nullptr;
    QDateEdit* end = nullptr;

    PeriodEdit(QWidget* parent, const CDate& first, const CDate& last) {
        box = new QWidget(parent);
        auto* form = new QFormLayout(box);
        form->setContentsMargins(0, 0, 0, 0);
        start = new QDateEdit(ToQDate(first), box);
        end = new QDateEdit(ToQDate(last), box);
        for (QDateEdit* edit : {start, end}) edit->setCalendarPopup(true);
        auto* startLabel = new QLabel(Q(plat::LoadResString(kStrDateStart)), box);
        auto* endLabel = new QLabel(Q(plat::LoadResString(kStrDateEnd)), box);
        startLabel->setBuddy(start);
        endLabel->setBuddy(end);
        form->addRow(startLabel, start);
        form->addRow(endLabel, end);
    }
};

// Two or more radio buttons in a group; the checked one's index.
QButtonGroup* Radios(QWidget* parent, QVBoxLayout* layout, std::initializer_list<const char*> texts, int checked) {
    auto* group = new QButtonGroup(parent);
    int index = 0;
    for (const char* text : texts) {
        auto* button = new QRadioButton(QString::fromUtf8(text), parent);
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

// Header and footer boxes shared by both report dialogs.
struct PageBoxes {
    QCheckBox* showHeader;
    QLineEdit* title;
    QCheckBox* showFooter;
    QLineEdit* footer;

    PageBoxes(QDialog* dialog, QVBoxLayout* layout, bool header, const std::string& titleText, bool footerOn,
              const std::string& footerText) {
        auto* box = new QGroupBox(QObject::tr("Page"), dialog);
        auto* form = new QFormLayout(box);
        showHeader = new QCheckBox(QObject::tr("Show &header"), box);
        showHeader->setChecked(header);
        title = new QLineEdit(Q(titleText), box);
        auto* titleLabel = new QLabel(QObject::tr("&Title:"), box);
        titleLabel->setBuddy(title);
        showFooter = new QCheckBox(QObject::tr("Show &footer"), box);
        showFooter->setChecked(footerOn);
        footer = new QLineEdit(Q(footerText), box);
        auto* footerLabel = new QLabel(QObject::tr("Footer &notice:"), box);
        footerLabel->setBuddy(footer);
        form->addRow(showHeader);
        form->addRow(titleLabel, title);
        form->addRow(showFooter);
        form->addRow(footerLabel, footer);
        layout->addWidget(box);
        auto follow = [this, titleLabel] {
            title->setEnabled(showHeader->isChecked());
            titleLabel->setEnabled(showHeader->isChecked());
        };
        QObject::connect(showHeader, &QCheckBox::toggled, dialog, follow);
        follow();
    }
};

// The range choice with its period control.
struct RangeBoxes {
    QButtonGroup* choice;
    PeriodEdit period;

    RangeBoxes(QDialog* dialog, QVBoxLayout* layout, bool fixed, const CDate& first, const CDate& last)
        : choice(nullptr), period(dialog, first, last) {
        auto* box = new QGroupBox(QObject::tr("Date range"), dialog);
        auto* inner = new QVBoxLayout(box);
        choice = Radios(box, inner, {"&Visible range", "F&ixed range"}, fixed ? 1 : 0);
        period.box->setParent(box);
        inner->addWidget(period.box);
        layout->addWidget(box);
        auto follow = [this] { period.box->setEnabled(choice->checkedId() == 1); };
        QObject::connect(choice, &QButtonGroup::idClicked, dialog, follow);
        follow();
    }
};

}  // namespace

bool RunBookingListSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set) {
    BookingListSettingsValues values;
    values.Load(get);
    QDialog dialog(parent);
    dialog.setWindowTitle(Q(plat::LoadResString(kStrBookingListTitle)));
    auto* layout = new QVBoxLayout(&dialog);
    PageBoxes page(&dialog, layout, values.showHeader, values.title, values.showFooter, values.footerNotice);
    RangeBoxes range(&dialog, layout, values.fixedRange, values.rangeStart, values.rangeEnd);

    auto* listBox = new QGroupBox(QObject::tr("List"), &dialog);
    auto* list = new QVBoxLayout(listBox);
    QButtonGroup* grouping = Radios(listBox, list, {"By &resources", "By t&asks"}, values.groupByResources ? 0 : 1);
    auto* formatRow = new QFormLayout;
    auto* format = new QComboBox(listBox);
    for (int code = 1; code <= 4; ++code) {
        format->addItem(Q(FormatSampleLabel(code, true)), code);
        if (code == values.dateFormat) format->setCurrentIndex(code - 1);
    }
    auto* formatLabel = new QLabel(QObject::tr("Date f&ormat:"), listBox);
    formatLabel->setBuddy(format);
    formatRow->addRow(formatLabel, format);
    list->addLayout(formatRow);
    QButtonGroup* alignment = Radios(listBox, list, {"Dates &left", "Dates ri&ght"}, values.dateAlignment != 0 ? 1 : 0);
    auto* notes = new QCheckBox(QObject::tr("Show n&otes"), listBox);
    auto* duration = new QCheckBox(QObject::tr("Show &duration"), listBox);
    auto* total = new QCheckBox(QObject::tr("Show duration to&tal"), listBox);
    notes->setChecked(values.showNotes);
    duration->setChecked(values.showDuration);
    total->setChecked(values.showDurationTotal);
    for (QCheckBox* box : {notes, duration, total}) list->addWidget(box);
    layout->addWidget(listBox);
    auto follow = [=] { total->setEnabled(duration->isChecked()); };
    QObject::connect(duration, &QCheckBox::toggled, &dialog, follow);
    follow();
    layout->addWidget(OkCancel(&dialog));

    if (dialog.exec() != QDialog::Accepted) return false;
    values.showHeader = page.showHeader->isChecked();
    values.title = page.title->text().toStdString();
    values.showFooter = page.showFooter->isChecked();
    values.footerNotice = page.footer->text().toStdString();
    values.fixedRange = range.choice->checkedId() == 1;
    values.rangeStart = FromQDate(range.period.start->date());
    values.rangeEnd = FromQDate(range.period.end->date());
    values.dateFormat = format->currentData().toInt();
    values.dateAlignment = alignment->checkedId();
    values.groupByResources = grouping->checkedId() == 0;
    values.showNotes = notes->isChecked();
    values.showDuration = duration->isChecked();
    values.showDurationTotal = total->isChecked();
    values.Store(set);
    return true;
}

bool RunCalendarSettingsDialog(QWidget* parent, const SettingGetter& get, const SettingSetter& set) {
    CalendarSettingsValues values;
    values.Load(get);
    QDialog dialog(parent);
    dialog.setWindowTitle(Q(plat::LoadResString(kStrCalendarTitle)));
    auto* layout = new QVBoxLayout(&dialog);
    PageBoxes page(&dialog, layout, values.showHeader, values.title, values.showFooter, values.footerNotice);
    RangeBoxes range(&dialog, layout, values.fixedRange, values.rangeStart, values.rangeEnd);

    auto* bookingsBox = new QGroupBox(QObject::tr("Bookings"), &dialog);
    auto* bookings = new QVBoxLayout(bookingsBox);
    auto* additional = new QCheckBox(QObject::tr("Show &additional bookings"), bookingsBox);
    additional->setChecked(values.showAdditionalBookings);
    bookings->addWidget(additional);
    QButtonGroup* where = Radios(bookingsBox, bookings, {"After &every page", "At the e&nd"},
                                 values.additionalAfterEveryPage ? 0 : 1);
    auto* byDay = new QCheckBox(QObject::tr("&Group bookings by day"), bookingsBox);
    byDay->setChecked(values.groupBookingsByDay);
    bookings->addWidget(byDay);
    auto* weeksRow = new QFormLayout;
    auto* weeks = new QSpinBox(bookingsBox);
    weeks->setRange(1, values.weeksMax);
    weeks->setValue(values.weeks);
    auto* weeksLabel = new QLabel(QObject::tr("&Weeks per page:"), bookingsBox);
    weeksLabel->setBuddy(weeks);
    weeksRow->addRow(weeksLabel, weeks);
    bookings->addLayout(weeksRow);
    layout->addWidget(bookingsBox);
    auto follow = [=] {
        const bool on = additional->isChecked();
        for (QAbstractButton* button : where->buttons()) button->setEnabled(on);
        byDay->setEnabled(on);
    };
    QObject::connect(additional, &QCheckBox::toggled, &dialog, follow);
    follow();
    layout->addWidget(OkCancel(&dialog));

    if (dialog.exec() != QDialog::Accepted) return false;
    values.showHeader = page.showHeader->isChecked();
    values.title = page.title->text().toStdString();
    values.showFooter = page.showFooter->isChecked();
    values.footerNotice = page.footer->text().toStdString();
    values.fixedRange = range.choice->checkedId() == 1;
    values.rangeStart = FromQDate(range.period.start->date());
    values.rangeEnd = FromQDate(range.period.end->date());
    values.showAdditionalBookings = additional->isChecked();
    values.additionalAfterEveryPage = where->checkedId() == 0;
    values.groupBookingsByDay = byDay->isChecked();
    values.weeks = weeks->value();
    values.Store(set);
    return true;
}

bool RunExportDialog(QWidget* parent, ExportChoice& choice, const SettingGetter& get, const SettingSetter& set) {
    QDialog dialog(parent);
    dialog.setWindowTitle(Q(plat::LoadResString(kStrExportSaveTitle)));
    auto* layout = new QVBoxLayout(&dialog);
    auto* box = new QGroupBox(QObject::tr("Export"), &dialog);
    auto* inner = new QVBoxLayout(box);
    QButtonGroup* what = Radios(box, inner, {"&Resources", "&Tasks", "&Bookings"}, choice.what);
    PeriodEdit period(box, choice.rangeStart, choice.rangeEnd);
    inner->addWidget(period.box);
    layout->addWidget(box);
    auto follow = [&] { period.box->setEnabled(what->checkedId() == 2); };
    QObject::connect(what, &QButtonGroup::idClicked, &dialog, follow);
    follow();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const std::optional<std::string> path = ChooseExportFile(&dialog, choice.fileName, get, set);
        if (!path) return;
        choice.fileName = *path;
        dialog.accept();
    });
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice.what = what->checkedId();
    choice.rangeStart = FromQDate(period.start->date());
    choice.rangeEnd = FromQDate(period.end->date());
    return true;
}
