#include <QCalendarWidget>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls.h"
#include "controls_api.h"
#include "library_state.h"
#include "plat/clock.h"
#include "plat/locale_info.h"
#include "ui/message.h"
#include "value_text.h"

namespace spcc {
namespace {

// A month calendar with picks of the shown day, its week, month or year,
// today, or none; each pick notifies the parent with its code.
class CalendarCtrl : public ui::MessageWidget<QWidget> {
public:
    explicit CalendarCtrl(QWidget* parent)
        : MessageWidget(parent), calendar_(new QCalendarWidget(this)) {
        calendar_->setFirstDayOfWeek(Qt::DayOfWeek(plat::CurrentLocale().firstDayOfWeek + 1));
        calendar_->setSelectedDate(Today());
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(calendar_);
        auto* buttons = new QHBoxLayout;
        layout->addLayout(buttons);
        const struct {
            unsigned id;
            const char* fallback;
            int code;
        } picks[] = {{SPCC_STR_CALENDAR_WEEK, "Week", SPCN_CALENDAR_WEEK},
                     {SPCC_STR_CALENDAR_MONTH, "Month", SPCN_CALENDAR_MONTH},
                     {SPCC_STR_CALENDAR_YEAR, "Year", SPCN_CALENDAR_YEAR},
                     {SPCC_STR_CALENDAR_TODAY, "Today", SPCN_CALENDAR_TODAY},
                     {SPCC_STR_CALENDAR_CANCEL, "Cancel", SPCN_CALENDAR_CANCEL}};
        for (const auto& pick : picks) {
            auto* button = new QPushButton(QString::fromStdString(Caption(pick.id, pick.fallback)), this);
            button->setAutoDefault(false);
            buttons->addWidget(button);
            connect(button, &QPushButton::clicked, this, [this, code = pick.code] { Pick(code); });
        }
        connect(calendar_, &QCalendarWidget::activated, this, [this] { Pick(SPCN_CALENDAR_DAY); });
        setFocusProxy(calendar_);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM lParam,
                   ui::LRESULT& result) override {
        result = 0;
        switch (message) {
        case WM_SP_CALENDAR_SETMODE:
            // The period dialog's option asks for nothing this calendar lacks.
            return true;
        case WM_SP_CALENDAR_SETDATE: {
            const QDate date = QDate::fromJulianDay(lParam);
            if (lParam > kEmptyDay && date.isValid()) calendar_->setSelectedDate(date);
            return true;
        }
        case WM_SP_CALENDAR_GETDATE:
            result = ui::LRESULT(calendar_->selectedDate().toJulianDay());
            return true;
        default:
            return false;
        }
    }

    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape) Pick(SPCN_CALENDAR_CANCEL);
        else MessageWidget::keyPressEvent(e);
    }

private:
    static QDate Today() {
        const plat::LocalDateTime now = plat::Now();
        return QDate(now.year, now.month, now.day);
    }

    void Pick(int code) {
        QDate date = calendar_->selectedDate();
        if (code == SPCN_CALENDAR_WEEK) {
            // The week starts on the locale's first day.
            const int first = plat::CurrentLocale().firstDayOfWeek + 1;
            date = date.addDays(-((date.dayOfWeek() - first + 7) % 7));
        } else if (code == SPCN_CALENDAR_TODAY) {
            date = Today();
        }
        calendar_->setSelectedDate(date);
        ui::NotifyParent(this, unsigned(code));
    }

    QCalendarWidget* calendar_;
};

}  // namespace

QWidget* CreateCalendar(QWidget* parent) { return new CalendarCtrl(parent); }

}  // namespace spcc
