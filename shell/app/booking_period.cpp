#include "booking_period.h"

namespace {

constexpr int kBaseUnitDay = 4;

bool IsScheduleView(int viewActive) { return viewActive == 0 || viewActive == 1; }

}  // namespace

void FitSelectedPeriod(CDateTime& start, CDateTime* end, int viewActive, int baseUnit, int dayStartMinutes,
                       int dayEndMinutes) {
    if (IsScheduleView(viewActive) && baseUnit < kBaseUnitDay) return;
    if (start.time.GetMinutes() == 0) start.time = CTimeOfDay(dayStartMinutes);
    if (end == nullptr || dayEndMinutes == 0 || dayEndMinutes == CTimeOfDay::kMinutesPerDay) return;
    if (end->time.GetMinutes() == 0 && start.date < end->date) {
        end->time = CTimeOfDay(dayEndMinutes);
        end->date = AddDays(end->date, -1);
    }
}
