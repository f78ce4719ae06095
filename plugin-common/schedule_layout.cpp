#include <algorithm>
#include <unordered_set>

#include "line_packing.h"
#include "schedule_bars.h"
#include "schedule_model.h"

// A bar before packing, with what orders it in its row.
struct PendingBar {
    ScheduleBar bar;
    long long startKey = 0;
    long long endKey = 0;
    std::size_t order = 0;   // as the data store returned it, for equal bars
};

// Buffers one layout reuses from row to row.
struct RowPacking {
    std::vector<PendingBar> pending;
    std::vector<BarSpan> spans;
    std::vector<int> lines;
    std::vector<std::size_t> perLine;
    FirstFitPacker packer;
};

namespace {

CDate LastDayOfMonth(const CDate& date) {
    CDate last = date;
    last.SetEndOfMonth(date.GetMonth(), date.GetYear());
    return last;
}

const char* NameOf(const CResource* r) { return r != nullptr ? r->name : ""; }
const char* NameOf(const CTask* t) { return t != nullptr ? t->name : ""; }

// Left edge, then start, then the later end first, then resource and task
// name, then the order the data store gave.
bool CompareRowBookings(const PendingBar& x, const PendingBar& y) {
    if (x.bar.left != y.bar.left) return x.bar.left < y.bar.left;
    if (x.startKey != y.startKey) return x.startKey < y.startKey;
    if (x.endKey != y.endKey) return x.endKey > y.endKey;
    const CBooking& a = *x.bar.booking;
    const CBooking& b = *y.bar.booking;
    if (a.resource != b.resource) {
        const int byResource = CompareNames(NameOf(a.resource), NameOf(b.resource));
        if (byResource != 0) return byResource < 0;
    }
    if (a.task != b.task) {
        const int byTask = CompareNames(NameOf(a.task), NameOf(b.task));
        if (byTask != 0) return byTask < 0;
    }
    return x.order < y.order;
}

template <class Record, class Collection>
std::vector<Record*> AllOf(Collection* collection) {
    std::vector<Record*> records;
    if (collection == nullptr) return records;
    records.resize(static_cast<std::size_t>(std::max(0, collection->GetCount())));
    records.resize(static_cast<std::size_t>(std::clamp(collection->GetAll(records.data()), 0,
                                                       static_cast<int>(records.size()))));
    return records;
}

}  // namespace

void CScheduleModel::ClearLayout() {
    columns_.clear();
    rows_.clear();
    bars_.clear();
    lineStarts_.assign(1, 0);
    totalLines_ = 0;
    shownRecords_.clear();
    barIndex_.clear();
    barIndexBuilt_ = false;
}

void CScheduleModel::BuildColumns(const CDateTime& firstVisible, int columnCount) {
    columns_.clear();
    if (emptyAxis_ || columnCount <= 0 || !firstVisible.date.IsValid()) return;
    columns_.reserve(static_cast<std::size_t>(columnCount));
    const int width = ColumnWidth();
    CDateTime position = firstVisible;
    for (int i = 0; i < columnCount; ++i) {
        ScheduleColumn column;
        column.start = position;
        if (hideNonWorkingTime && !MoveToShownDay(column.start.date, true)) break;
        if (baseUnit >= 4) column.start.time = CTimeOfDay(0);
        if (baseUnit < 4) {
            column.end = column.start;
            column.end.AddMinutes(cellMinutes_);
        } else {
            CDate last = column.start.date;
            switch (baseUnit) {
            case 5:
                last.MoveToWeekday(context_.LastDayOfWeek() - 1, true);
                column.days = 7;
                break;
            case 6:
                last = LastDayOfMonth(last);
                column.days = last.GetDaysInMonth();
                break;
            case 7:
                last = CDate(31, 12, last.GetYear());
                break;
            default:
                break;
            }
            if (hideNonWorkingTime) MoveToShownDay(last, false);
            column.end = CDateTime(AddDays(last, 1));
            if (column.days > 0) column.pixelsPerDay = width / column.days;
        }
        if (!column.start.date.IsValid() || !column.end.date.IsValid()) break;
        columns_.push_back(column);
        // Step on from the column's own day, so that a start on a hidden
        // day does not give the next shown day twice.
        position.date = column.start.date;
        position = StepUnits(position, 1);
    }
}

void CScheduleModel::LayoutRows(const CDateTime& firstVisible, int requestedColumns) {
    ClearLayout();
    BuildColumns(firstVisible, requestedColumns);

    std::vector<ScheduleRowItem> rows = RowList();
    BuildRows(rows);

    const SettingGetter& get = context_.settings;
    CFilter* filter = get && GetBoolSetting(get, "ViewFilterActive", false) ? context_.publicFilter : nullptr;
    const bool hideUnused = get && GetBoolSetting(get, "ViewScheduleHideUnusedObjects", false);

    // First every row's bookings of the stretch, then the bars: a booking's
    // record is far from the last one read, so it is fetched from memory
    // a few bookings ahead of its use.
    std::vector<CBooking*> bookings;
    std::vector<std::size_t> rowStarts;
    FetchRowBookings(rows, filter, bookings, rowStarts);

    const StretchGeometry geometry(columns_, ColumnWidth(), baseUnit == 5 || baseUnit == 6);
    RowPacking packing;
    for (std::size_t rowIndex = 0; rowIndex < rows.size(); ++rowIndex) {
        const ScheduleRowItem& item = rows[rowIndex];
        const std::size_t begin = rowStarts[rowIndex], end = rowStarts[rowIndex + 1];
        if (hideUnused && !item.IsGroup() && begin == end) continue;
        AppendRow(item, bookings, begin, end, geometry, packing);
    }
    for (const ScheduleRow& row : rows_) {
        const ScheduleRowItem& item = row.item;
        for (const void* record : {static_cast<const void*>(item.resourceGroup), static_cast<const void*>(item.resource),
                                   static_cast<const void*>(item.taskGroup), static_cast<const void*>(item.task)})
            if (record != nullptr) shownRecords_.insert(record);
    }
}

void CScheduleModel::FetchRowBookings(const std::vector<ScheduleRowItem>& rows, CFilter* filter,
                                      std::vector<CBooking*>& bookings, std::vector<std::size_t>& rowStarts) const {
    rowStarts.assign(1, 0);
    rowStarts.reserve(rows.size() + 1);
    if (columns_.empty()) {
        rowStarts.resize(rows.size() + 1, 0);
        return;
    }
    // From the earliest column start to the latest column end.
    CDateTime first = columns_.front().start, last = columns_.back().end;
    for (const ScheduleColumn& column : columns_) {
        first = std::min(first, column.start);
        last = std::max(last, column.end);
    }
    const std::int32_t startDay = first.date.GetJulianDay();
    const auto startMinutes = static_cast<int16_t>(first.time.GetMinutes());
    const std::int32_t endDay = last.date.GetJulianDay();
    const auto endMinutes = static_cast<int16_t>(last.time.GetMinutes());
    std::vector<CBooking*> buffer;
    const auto fetch = [&](auto* record) {
        if (record == nullptr) return;
        const int count = record->GetBookingCount(startDay, startMinutes, endDay, endMinutes);
        if (count <= 0) return;
        buffer.resize(static_cast<std::size_t>(count));
        const int got = record->GetBookings(buffer.data(), startDay, startMinutes, endDay, endMinutes);
        FilterObjects(buffer.data(), std::clamp(got, 0, count), bookings, filter);
    };
    for (const ScheduleRowItem& item : rows) {
        if (resourceMode) fetch(item.resource);
        else fetch(item.task);
        rowStarts.push_back(bookings.size());
    }
}

void CScheduleModel::AppendRow(const ScheduleRowItem& item, const std::vector<CBooking*>& bookings,
                               std::size_t begin, std::size_t end, const StretchGeometry& geometry,
                               RowPacking& packing) {
    constexpr std::size_t kPrefetchAhead = 24;
    std::vector<PendingBar>& pending = packing.pending;
    pending.clear();
    for (std::size_t k = begin; k < end; ++k) {
        if (k + kPrefetchAhead < bookings.size() && bookings[k + kPrefetchAhead] != nullptr)
            __builtin_prefetch(&bookings[k + kPrefetchAhead]->startDay);
        CBooking* booking = bookings[k];
        if (booking == nullptr) continue;
        PendingBar p;
        // A booking that overlaps no column (on a hidden day) has no bar.
        if (!geometry.BarOf(*booking, minimumBarWidth, p.bar.left, p.bar.right)) continue;
        p.bar.booking = booking;
        p.startKey = MinuteKey(booking->startDay, booking->startMinutes);
        p.endKey = MinuteKey(booking->endDay, booking->endMinutes);
        p.order = k;
        p.bar.startGrip = p.startKey >= geometry.Start() && IsNonWorkingTime(DateTimeOfKey(p.startKey), false);
        p.bar.endGrip = p.endKey <= geometry.End() && IsNonWorkingTime(DateTimeOfKey(p.endKey), true);
        pending.push_back(p);
    }
    std::sort(pending.begin(), pending.end(), CompareRowBookings);

    packing.spans.resize(pending.size());
    for (std::size_t i = 0; i < pending.size(); ++i) packing.spans[i] = {pending[i].bar.left, pending[i].bar.right};
    const std::vector<int>& lines = packing.lines;
    const int used = packing.packer.Pack(packing.spans, packing.lines);
    ScheduleRow row;
    row.item = item;
    row.firstLine = totalLines_;
    row.lineCount = std::max(1, used);

    // The row's bars grouped by line, each line in packing order.
    std::vector<std::size_t>& perLine = packing.perLine;
    perLine.assign(static_cast<std::size_t>(row.lineCount) + 1, 0);
    for (int line : lines)
        if (line >= 0) ++perLine[static_cast<std::size_t>(line) + 1];
    for (std::size_t l = 1; l < perLine.size(); ++l) perLine[l] += perLine[l - 1];
    const std::size_t base = bars_.size();
    bars_.resize(base + perLine.back());
    for (std::size_t l = 0; l + 1 < perLine.size(); ++l) lineStarts_.push_back(base + perLine[l + 1]);
    for (std::size_t i = 0; i < pending.size(); ++i) {
        if (lines[i] < 0) continue;
        ScheduleBar bar = pending[i].bar;
        bar.line = row.firstLine + lines[i];
        bars_[base + perLine[static_cast<std::size_t>(lines[i])]++] = bar;
    }
    totalLines_ += row.lineCount;
    rows_.push_back(row);
}

std::vector<ScheduleRowItem> CScheduleModel::RowList() const {
    std::vector<ScheduleRowItem> rows;
    CPlanData* plan = context_.plan;
    if (plan == nullptr) return rows;
    if (resourceMode) {
        std::vector<ResourceTreePair> pairs;
        BuildResourceRowList(AllOf<CResourceGroup>(plan->resourceGroups), AllOf<CResource>(plan->resources), pairs);
        rows.reserve(pairs.size());
        for (const auto& [group, resource] : pairs) rows.push_back({group, resource, nullptr, nullptr});
    } else {
        std::vector<TaskTreePair> pairs;
        BuildTaskRowList(AllOf<CTaskGroup>(plan->taskGroups), AllOf<CTask>(plan->tasks), pairs);
        rows.reserve(pairs.size());
        for (const auto& [group, task] : pairs) rows.push_back({nullptr, nullptr, group, task});
    }
    return rows;
}

int CScheduleModel::BuildRows(std::vector<ScheduleRowItem>& rows) const {
    const SettingGetter& get = context_.settings;
    const bool filterActive = get && GetBoolSetting(get, "ViewFilterActive", false);
    const bool hideGroups = get && GetBoolSetting(get, "ViewScheduleHideAllGroups", false);
    std::unordered_set<const void*> removedGroups;
    if (filterActive || hideGroups) {
        std::erase_if(rows, [&](const ScheduleRowItem& row) {
            const bool remove = (filterActive && IsExcludedByFilter(row, context_.publicFilter)) ||
                                (hideGroups && row.IsGroup());
            if (remove && row.resourceGroup != nullptr) removedGroups.insert(row.resourceGroup);
            if (remove && row.taskGroup != nullptr) removedGroups.insert(row.taskGroup);
            return remove;
        });
    }
    // Members of a removed group row are shown without it; members of a
    // collapsed group that is shown are hidden.
    std::erase_if(rows, [&](const ScheduleRowItem& row) {
        if (row.resource != nullptr && row.resource->group != nullptr)
            return removedGroups.count(row.resource->group) == 0 && IsResourceGroupCollapsed(row.resource->group);
        if (row.task != nullptr && row.task->group != nullptr)
            return removedGroups.count(row.task->group) == 0 && IsTaskGroupCollapsed(row.task->group);
        return false;
    });
    return static_cast<int>(rows.size());
}

bool CScheduleModel::RowFromLine(int line, int& row, int& lineInRow, bool& isLast) const {
    if (line < 0 || line >= totalLines_ || rows_.empty()) return false;
    const auto it = std::upper_bound(rows_.begin(), rows_.end(), line,
                                     [](int l, const ScheduleRow& r) { return l < r.firstLine; });
    row = static_cast<int>(it - rows_.begin()) - 1;
    const ScheduleRow& found = rows_[static_cast<std::size_t>(row)];
    lineInRow = line - found.firstLine;
    isLast = lineInRow == found.lineCount - 1;
    return true;
}

std::span<const ScheduleBar> CScheduleModel::BarsOfLine(int line) const {
    if (line < 0 || line >= totalLines_) return {};
    const std::size_t from = lineStarts_[static_cast<std::size_t>(line)];
    const std::size_t to = lineStarts_[static_cast<std::size_t>(line) + 1];
    return std::span<const ScheduleBar>(bars_.data() + from, to - from);
}

const ScheduleBar* CScheduleModel::FindBookingEntry(const CBooking* booking) const {
    if (!barIndexBuilt_) {
        barIndex_.reserve(bars_.size());
        for (std::size_t i = 0; i < bars_.size(); ++i) barIndex_.emplace(bars_[i].booking, i);
        barIndexBuilt_ = true;
    }
    const auto it = barIndex_.find(booking);
    return it == barIndex_.end() ? nullptr : &bars_[it->second];
}
