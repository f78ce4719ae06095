#include "controls.h"
#include "controls_api.h"
#include "library_state.h"
#include "period_ctrl.h"
#include "plat/locale_info.h"
#include "value_text.h"

namespace spcc {
namespace {

class TimePeriodCtrl : public PeriodCtrl {
public:
    explicit TimePeriodCtrl(QWidget* parent)
        : PeriodCtrl(parent,
                     {WM_SP_TIMEPERIOD_SETTIME, WM_SP_TIMEPERIOD_GETTIME, WM_SP_TIMEPERIOD_GETPART,
                      WM_SP_TIMEPERIOD_SETFORMAT, WM_SP_TIMEPERIOD_OPTION},
                     kEmptyTime) {}

protected:
    std::string Format(int value) const override {
        return FormatMinutes(plat::CurrentLocale(), value, TimePicture());
    }
    int Parse(const std::string& text) const override {
        return ParseMinutes(plat::CurrentLocale(), text);
    }
};

}  // namespace

QWidget* CreateTimePeriod(QWidget* parent) { return new TimePeriodCtrl(parent); }

}  // namespace spcc
