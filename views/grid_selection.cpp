#include "grid_selection.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "schedule_model.h"

bool ExtendSelection(CellSelection& s, int column, int row, bool resourceMode) {
    const CellSelection old = s;
    if (column >= 0) s.endColumn = column;
    if (row >= 0) s.endRow = row;
    if (!resourceMode) s.endRow = s.startRow;
    return !(old == s);
}

void ShiftSelection(CellSelection& s, int n) {
    s.startColumn += n;
    s.endColumn += n;
}

ColumnPixels SelectedColumnPixels(const CellSelection& s, int columnWidth, int clientWidth) {
    const std::int64_t width = std::max(1, columnWidth);
    const auto edge = [&](std::int64_t column) {
        return static_cast<int>(std::clamp<std::int64_t>(column * width, -1, std::max(0, clientWidth)));
    };
    return {edge(s.LowColumn()), edge(std::int64_t{s.HighColumn()} + 1)};
}

bool ClampSelection(CellSelection& s, int rowCount) {
    const int last = rowCount - 1;
    if (s.LowRow() > last) return false;
    s.startRow = std::min(s.startRow, last);
    s.endRow = std::min(s.endRow, last);
    return true;
}

BookingRange SelectedCells::Period() const {
    return {std::min(anchorPeriod.start, endPeriod.start), std::max(anchorPeriod.end, endPeriod.end)};
}

bool FindSelectionRows(CellSelection& s, const SelectedCells& cells, const std::vector<ScheduleRow>& rows) {
    const int count = static_cast<int>(rows.size());
    const auto holds = [&](int row, const ScheduleRowItem& item) {
        return row >= 0 && row < count && rows[static_cast<std::size_t>(row)].item == item;
    };
    if (holds(s.startRow, cells.anchorRow) && holds(s.endRow, cells.endRow)) return true;
    const auto rowOf = [&](const ScheduleRowItem& item) {
        const auto found = std::find_if(rows.begin(), rows.end(), [&](const ScheduleRow& row) { return row.item == item; });
        return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
    };
    const int start = rowOf(cells.anchorRow), end = rowOf(cells.endRow);
    if (start < 0 || end < 0) return ClampSelection(s, count);
    s.startRow = start;
    s.endRow = end;
    return true;
}

namespace {

// Puts value at index when the array is there and has room.
template <class T>
void Put(T** array, std::int32_t capacity, std::int32_t index, T* value) {
    if (array != nullptr && index < capacity) array[index] = value;
}

template <class T>
void Append(T** array, std::int32_t capacity, std::int32_t& count, T* value) {
    if (value == nullptr) return;
    Put(array, capacity, count, value);
    ++count;
}

std::vector<CBooking*> BookingsOfRows(const GridSelectionSnapshot& s) {
    std::vector<CBooking*> result;
    std::unordered_set<CBooking*> seen;
    const auto startDay = s.start.date.GetJulianDay(), endDay = s.end.date.GetJulianDay();
    const auto startMinutes = static_cast<std::int16_t>(s.start.time.GetMinutes());
    const auto endMinutes = static_cast<std::int16_t>(s.end.time.GetMinutes());
    std::vector<CBooking*> buffer;
    for (const ScheduleRowItem& row : s.rows) {
        CResource* resource = s.resourceMode ? row.resource : nullptr;
        CTask* task = s.resourceMode ? nullptr : row.task;
        if (resource == nullptr && task == nullptr) continue;
        const int count = resource != nullptr
                              ? resource->GetBookingCount(startDay, startMinutes, endDay, endMinutes)
                              : task->GetBookingCount(startDay, startMinutes, endDay, endMinutes);
        buffer.assign(static_cast<std::size_t>(std::max(0, count)), nullptr);
        if (count > 0) {
            const int got = resource != nullptr
                                ? resource->GetBookings(buffer.data(), startDay, startMinutes, endDay, endMinutes)
                                : task->GetBookings(buffer.data(), startDay, startMinutes, endDay, endMinutes);
            buffer.resize(static_cast<std::size_t>(std::clamp(got, 0, count)));
        }
        for (CBooking* booking : buffer)
            if (booking != nullptr && seen.insert(booking).second) result.push_back(booking);
    }
    return result;
}

}  // namespace

void FillSelectionRecord(SelectionRecord& r, const GridSelectionSnapshot& s) {
    r.bookingCount = 0;
    r.resourceGroupCount = r.resourceCount = r.taskGroupCount = r.taskCount = 0;
    r.startDate = 0;
    r.startTime = r.endTime = 0;
    r.endDate = 0;
    if (s.booking != nullptr) Append(r.bookings, r.bookingCapacity, r.bookingCount, s.booking);
    if (!s.hasCells) return;
    r.startDate = s.start.date.GetJulianDay();
    r.startTime = static_cast<std::int16_t>(s.start.time.GetMinutes());
    r.endDate = s.end.date.GetJulianDay();
    r.endTime = static_cast<std::int16_t>(s.end.time.GetMinutes());
    for (const ScheduleRowItem& row : s.rows) {
        Append(r.resourceGroups, r.resourceGroupCapacity, r.resourceGroupCount, row.resourceGroup);
        Append(r.resources, r.resourceCapacity, r.resourceCount, row.resource);
        Append(r.taskGroups, r.taskGroupCapacity, r.taskGroupCount, row.taskGroup);
        Append(r.tasks, r.taskCapacity, r.taskCount, row.task);
    }
    if (s.booking != nullptr) return;
    for (CBooking* booking : BookingsOfRows(s)) Append(r.bookings, r.bookingCapacity, r.bookingCount, booking);
}
