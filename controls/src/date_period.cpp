#include <QCalendarWidget>
#include <QDate>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls.h"
#include "controls_api.h"
#include "library_state.h"
#include "period_ctrl.h"
#include "plat/locale_info.h"
#include "value_text.h"

namespace spcc {
namespace {

class DatePeriodCtrl : public PeriodCtrl {
public:
    explicit DatePeriodCtrl(QWidget* parent)
        : PeriodCtrl(parent,
                     {WM_SP_DATEPERIOD_SETDATE, WM_SP_DATEPERIOD_GETDATE, WM_SP_DATEPERIOD_GETPART,
                      WM_SP_DATEPERIOD_SETFORMAT, 0},
                     kEmptyDay) {
        for (int part = 0; part < 2; ++part) {
            auto* button = new QToolButton(this);
            button->setArrowType(Qt::DownArrow);
            button->setFocusPolicy(Qt::NoFocus);
            AddBeside(part, button);
            connect(button, &QToolButton::clicked, this, [this, part, button] { Drop(part, button); });
        }
    }

protected:
    std::string Format(int value) const override {
        return FormatDay(plat::CurrentLocale(), value, DatePicture());
    }
    int Parse(const std::string& text) const override {
        return ParseDay(plat::CurrentLocale(), text, DatePicture(), CurrentYear());
    }

private:
    // A month calendar below the part.
    void Drop(int part, QWidget* below) {
        auto* popup = new QWidget(this, Qt::Popup);
        popup->setAttribute(Qt::WA_DeleteOnClose);
        auto* calendar = new QCalendarWidget(popup);
        calendar->setFirstDayOfWeek(Qt::DayOfWeek(plat::CurrentLocale().firstDayOfWeek + 1));
        const int shown = Value(part);
        if (shown > kEmptyDay) calendar->setSelectedDate(QDate::fromJulianDay(shown));
        auto* layout = new QVBoxLayout(popup);
        layout->setContentsMargins(1, 1, 1, 1);
        layout->addWidget(calendar);
        // A click, Enter or a double click takes the day; the double click's
        // second half finds the calendar closed.
        const auto take = [this, part, popup](QDate date) {
            if (!popup->isVisible()) return;
            popup->close();
            SetValueByUser(part, int(date.toJulianDay()));
        };
        connect(calendar, &QCalendarWidget::clicked, this, take);
        connect(calendar, &QCalendarWidget::activated, this, take);
        popup->move(below->mapToGlobal(QPoint(0, below->height())));
        popup->show();
        calendar->setFocus();
    }
};

}  // namespace

QWidget* CreateDatePeriod(QWidget* parent) { return new DatePeriodCtrl(parent); }

}  // namespace spcc
