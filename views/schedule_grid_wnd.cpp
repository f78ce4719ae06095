#include "schedule_grid_wnd.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>

#include "booking_placement.h"
#include "booking_tooltip.h"
#include "context_menu.h"
#include "drag_tooltip.h"
#include "drawing.h"
#include "host_messages.h"
#include "plugin_base.h"
#include "res_cursor.h"
#include "schedule_chart_paint.h"
#include "schedule_chart_wnd.h"
#include "schedule_geometry.h"
#include "schedule_view_wnd.h"
#include "string_ids.h"
#include "support/setting_ranges.h"
#include "support/time_bar_labels.h"
#include "ui/message.h"
#include "ui/prompts.h"
#include "ui/scroll_bar.h"

namespace {

constexpr int kCursorArrow = 0, kCursorMove = 1, kCursorBody = 2, kCursorBorder = 3;

ui::Rect Inflated(const ui::Rect& r, int n) { return {r.left - n, r.top - n, r.right + n, r.bottom + n}; }
QRect ToQRect(const ui::Rect& r) { return r.ToQRect(); }

}  // namespace

CScheduleGridWnd::CScheduleGridWnd(CScheduleViewWnd* view, CScheduleChartWnd* chart, CScheduleModel& model,
                                   QWidget* parent)
    : QWidget(parent), view_(view), chart_(chart), model_(model) {
    setObjectName("CScheduleGridWnd");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::NoContextMenu);
    dragTimer_.setSingleShot(true);
    connect(&dragTimer_, &QTimer::timeout, this, [this] { OnDragTimer(); });
    connect(&hoverTimer_, &QTimer::timeout, this, [this] { OnHoverTimer(); });
    tooltip_.Create(this);
}

void CScheduleGridWnd::LoadSettings() {
    const SettingGetter get = PluginSettingGetter();
    std::string face = GetStringSetting(get, "ViewFont", "Arial");
    if (face.empty()) face = "Arial";
    const int size = GetViewFontSize(get, "ViewScheduleBookingFontSize", 77);
    const int barFactor = GetIntSettingIn(get, "ViewScheduleBookingHeightRowFactor", 127, 0, kMaxPercentSetting);
    const int lineFactor = GetIntSettingIn(get, "ViewScheduleHeightRowFactor", 160, 0, kMaxPercentSetting);
    borderDetect_ = std::max(0, GetIntSetting(get, "ViewScheduleBookingMinBorderDetect", 4));
    hoverDelay_ = std::clamp(GetIntSetting(get, "ViewTimerDelay", 500), 0, 60000);
    model_.horzGridColor = GetColorSetting(get, "ViewScheduleColorHorzGrid", 0);
    barFrameColor_ = GetColorSetting(get, "ViewScheduleColorBookingGrid", 0);
    const QFont font = CreatePointFont(logicalDpiY(), size, face, 400);
    setFont(font);
    // With notes a bar holds two lines of text, the name above the note; the
    // line height takes the row factor of one and adds the second.
    barHeight_ = std::max(1, barFactor * QFontMetrics(font).height() / 100) * (model_.notesOnBookings ? 2 : 1);
    lineHeight_ = GridLineHeight(barHeight_, lineFactor, model_.notesOnBookings);
}

GridGeometry CScheduleGridWnd::Geometry() const {
    const int lineHeight = view_->LineHeight();
    return {width(), height(), view_->FirstVisibleLine(), lineHeight, std::min(barHeight_, lineHeight)};
}

GridHit CScheduleGridWnd::HitTest(const QPoint& p) const {
    return HitTestBooking(model_, Geometry(), p.x(), p.y(), borderDetect_);
}

CBooking* CScheduleGridWnd::FindBooking(int id) const {
    if (id == 0) return nullptr;
    const ScheduleBar* bar = FindBarById(model_, id, lastLine_);
    if (bar == nullptr) return nullptr;
    lastLine_ = bar->line;
    return bar->booking;
}

WorkingTime CScheduleGridWnd::Wt() const {
    const CPlanData* plan = model_.Context().plan;
    return plan != nullptr && plan->properties != nullptr ? WorkingTimeOf(*plan->properties) : WorkingTime{};
}

DragRules CScheduleGridWnd::Rules() const {
    const SettingGetter get = PluginSettingGetter();
    return {GetBoolSetting(get, "ViewBookingMoveKeepWorkingTime", true), GetBoolSetting(get, "DurationRealTime", false)};
}

bool CScheduleGridWnd::WriteProtected() const {
    CPlanData* plan = model_.Context().plan;
    return plan == nullptr || plan->properties == nullptr || plan->properties->IsWriteProtected();
}

// --- Painting --------------------------------------------------------------

void CScheduleGridWnd::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    const QRect box = e->rect();
    const ui::Rect clip = ui::Rect::FromQRect(box);
    CMemDC mem(painter, clip);
    if (!mem.IsActive()) return;
    QelDC& dc = mem.dc();
    dc.SelectFont(font());
    const GridGeometry g = Geometry();
    const ChartPaintGeometry geometry{{0, 0, width(), height()}, g.firstLine, g.lineHeight, g.barHeight,
                                      barFrameColor_};
    ChartMarks marks;
    marks.selected = Selected();
    marks.cells = hasSelection_ ? &selection_ : nullptr;
    marks.feedback = feedback_;
    PaintScheduleChart(dc, model_, geometry, clip, marks);
}

void CScheduleGridWnd::SetFeedback(const ui::Rect& rect) {
    if (rect == feedback_) return;
    update(ToQRect(feedback_));
    feedback_ = rect;
    update(ToQRect(feedback_));
}

void CScheduleGridWnd::RedrawBooking(int id) {
    if (const ScheduleBar* bar = FindBarById(model_, id)) update(ToQRect(Inflated(BarRectOf(*bar, Geometry()), 2)));
}

CBookingCollection* CScheduleGridWnd::Bookings() const {
    const CPlanData* plan = model_.Context().plan;
    return plan != nullptr ? plan->bookings : nullptr;
}

CBooking* CScheduleGridWnd::Selected() const { return selected_.Get(Bookings()); }

ui::Rect CScheduleGridWnd::CellsRect(const CellSelection& cells) const {
    const GridGeometry g = Geometry();
    const auto& rows = model_.Rows();
    if (rows.empty()) return {};
    const int low = std::clamp(cells.LowRow(), 0, static_cast<int>(rows.size()) - 1);
    const int high = std::clamp(cells.HighRow(), 0, static_cast<int>(rows.size()) - 1);
    const ScheduleRow& last = rows[static_cast<std::size_t>(high)];
    const int top = (rows[static_cast<std::size_t>(low)].firstLine - g.firstLine) * g.lineHeight;
    const int bottom = (last.firstLine + last.lineCount - g.firstLine) * g.lineHeight;
    const ColumnPixels columns = SelectedColumnPixels(cells, model_.ColumnWidth(), g.clientWidth);
    return {columns.left, top, columns.right, bottom};
}

void CScheduleGridWnd::RedrawCells(const CellSelection& cells) { update(ToQRect(CellsRect(cells))); }

// --- Selection -------------------------------------------------------------

void CScheduleGridWnd::ClearSelection(bool redraw) {
    if (hasSelection_ && redraw) RedrawCells(selection_);
    hasSelection_ = false;
    if (selected_.booking != nullptr && redraw) RedrawBooking(selected_.id);
    selected_ = {};
}

bool CScheduleGridWnd::SelectBooking(const SelectedBooking& booking) {
    if (booking.Get(Bookings()) == nullptr) return false;
    selected_ = booking;
    RedrawBooking(booking.id);
    return true;
}

void CScheduleGridWnd::ShiftSelection(int n) {
    if (hasSelection_) ::ShiftSelection(selection_, n);
}

bool CScheduleGridWnd::ClampSelection() {
    if (!hasSelection_) return true;
    hasSelection_ = FindSelectionRows(selection_, selectedCells_, model_.Rows());
    return hasSelection_;
}

BookingRange CScheduleGridWnd::ColumnPeriod(int column) const {
    BookingRange period;
    ColumnSpanPeriod(model_, Wt(), column, column, Rules().realTime, period);
    return period;
}

bool CScheduleGridWnd::GetVisiblePeriod(int visibleColumns, BookingRange& period) const {
    return ColumnSpanPeriod(model_, Wt(), 0, visibleColumns - 1, Rules().realTime, period);
}

void CScheduleGridWnd::GetSelection(SelectionRecord& record) const {
    GridSelectionSnapshot snapshot;
    snapshot.booking = Selected();
    snapshot.resourceMode = rowSelectMode_;
    const auto& rows = model_.Rows();
    if (hasSelection_ && !rows.empty()) {
        const BookingRange period = selectedCells_.Period();
        snapshot.hasCells = true;
        snapshot.start = period.start;
        snapshot.end = period.end;
        const int lowRow = std::clamp(selection_.LowRow(), 0, static_cast<int>(rows.size()) - 1);
        const int highRow = std::clamp(selection_.HighRow(), 0, static_cast<int>(rows.size()) - 1);
        // The rows may be older than the last change (the host asks before the
        // view heard of it): only records still in the plan are reported.
        CPlanData* plan = model_.Context().plan;
        const auto alive = [plan](const ScheduleRowItem& item) {
            return plan != nullptr && (item.resourceGroup == nullptr || plan->resourceGroups->Contains(item.resourceGroup)) &&
                   (item.resource == nullptr || plan->resources->Contains(item.resource)) &&
                   (item.taskGroup == nullptr || plan->taskGroups->Contains(item.taskGroup)) &&
                   (item.task == nullptr || plan->tasks->Contains(item.task));
        };
        for (int row = lowRow; row <= highRow; ++row) {
            const ScheduleRowItem& item = rows[static_cast<std::size_t>(row)].item;
            if (alive(item)) snapshot.rows.push_back(item);
        }
    }
    FillSelectionRecord(record, snapshot);
}

void CScheduleGridWnd::OnDataChanged(std::uint32_t mask) {
    CancelAll();
    const SelectedBooking kept = (mask & kChangeDocumentReplaced) != 0 ? SelectedBooking{} : selected_;
    ClearSelection(false);
    SelectBooking(kept);
    update();
}

void CScheduleGridWnd::OnFilterChanged() {
    OnDataChanged(0);
    if (!PublicFilterKeeps(model_.Context(), Selected())) selected_ = {};
}

// --- Cursor, hover and status ------------------------------------------------

void CScheduleGridWnd::SetCursorKind(int kind) {
    if (kind == cursorKind_) return;
    cursorKind_ = kind;
    switch (kind) {
    case kCursorMove: setCursor(LoadResCursor(kCursorMoving)); break;
    case kCursorBody: setCursor(LoadResCursor(kCursorOverBooking)); break;
    case kCursorBorder: setCursor(LoadResCursor(kCursorOverBorder)); break;
    default: unsetCursor(); break;
    }
}

void CScheduleGridWnd::HoverStep(const QPoint& p) {
    const GridHit hit = HitTest(p);
    SetCursorKind(hit.part == BarPart::None ? kCursorArrow
                  : hit.part == BarPart::Body ? kCursorBody
                                              : kCursorBorder);
    const int before = pointer_.State();
    if (pointer_.Hover(hit, p.x(), p.y())) hoverTimer_.start(hoverDelay_);
    else if (before == kHoverArmed && pointer_.State() == kHoverIdle) hoverTimer_.stop();
}

void CScheduleGridWnd::UpdateStatusBar(const QPoint& p) {
    std::string name;
    const int row = RowAtY(model_, Geometry(), p.y());
    if (row >= 0 && row < static_cast<int>(model_.Rows().size())) {
        const ScheduleRowItem& item = model_.Rows()[static_cast<std::size_t>(row)].item;
        if (item.resource != nullptr) name = item.resource->name;
        else if (item.task != nullptr) name = item.task->name;
        else if (item.resourceGroup != nullptr) name = item.resourceGroup->name;
        else if (item.taskGroup != nullptr) name = item.taskGroup->name;
    }
    std::string at;
    if (!model_.Columns().empty() && ColumnFromX(p.x(), width(), model_.ColumnWidth()) >= 0)
        at = FormatDateForUnit(chart_->GetDateTimeAtX(p.x(), false), model_.baseUnit);
    SendStatusBarText(name.c_str(), at.c_str());
}

void CScheduleGridWnd::RefreshStatusBar() {
    if (!isVisible()) return;
    const QPoint p = mapFromGlobal(QCursor::pos());
    if (rect().contains(p)) UpdateStatusBar(p);
}

void CScheduleGridWnd::OnHoverTimer() {
    const QPoint p = mapFromGlobal(QCursor::pos());
    const bool shown = window()->isActiveWindow() && isVisible();
    const int state = pointer_.State();
    bool keep = false, hide = false;
    const bool show = pointer_.HoverTimer(p.x(), p.y(), shown, keep, hide);
    if (show) {
        const GridHit hit = HitTest(p);
        if (hit.bar != nullptr) ShowTip(BookingTipText(hit.bar->booking->id), hit.rect);
    }
    if (hide) HideTip();
    if (keep) hoverTimer_.start(kHoverRepeatMs);
    else if (state == kHoverArmed || state == kHoverBookingTip) hoverTimer_.stop();
}

void CScheduleGridWnd::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    SendStatusBarText("", "");
    if (!pointer_.Dragging() && !pointer_.DragPending()) {
        HideTip();
        pointer_.Reset();
        hoverTimer_.stop();
    }
}

void CScheduleGridWnd::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    CancelAll();
}

// --- Tooltip -------------------------------------------------------------------

std::string CScheduleGridWnd::BookingTipText(int bookingId) const {
    return BuildBookingTooltip(model_.Context(), FindBooking(bookingId));
}

std::string CScheduleGridWnd::DragTipText() const {
    const CBooking* booking = FindBooking(drag_.bookingId);
    if (booking == nullptr) return "";
    if (pointer_.State() == kHoverResizing || pointer_.State() == kHoverResizePending)
        return BuildResizeTooltip(model_.Context(), *booking, drag_.range);
    const auto& rows = model_.Rows();
    const ScheduleRowItem target = drag_.row >= 0 && drag_.row < static_cast<int>(rows.size())
                                       ? rows[static_cast<std::size_t>(drag_.row)].item
                                       : ScheduleRowItem{nullptr, booking->resource, nullptr, booking->task};
    return MoveTooltip(*booking, target, model_.resourceMode, drag_.range);
}

std::string CScheduleGridWnd::SelectionTipText() const {
    if (!hasSelection_) return "";
    const BookingRange period = selectedCells_.Period();
    return BuildPeriodTooltip(model_.Context(), period.start, period.end);
}

// Shown below and right of the bar (avoiding it), or only given its new
// text while a drag moves.
void CScheduleGridWnd::ShowTip(const std::string& text, const ui::Rect& bar) {
    if (text.empty()) {
        HideTip();
        return;
    }
    if (tooltip_.isVisible() && pointer_.Dragging()) {
        tooltip_.UpdateText(text);
        return;
    }
    const QRect avoid(mapToGlobal(ToQRect(Inflated(bar, 2)).topLeft()), ToQRect(Inflated(bar, 2)).size());
    const QPoint anchor(QCursor::pos().x() + 10, mapToGlobal(QPoint(0, bar.bottom + 6)).y());
    tooltip_.ShowAt(anchor.x(), anchor.y(), text, 0, avoid);
}

void CScheduleGridWnd::HideTip() { tooltip_.Hide(); }

void CScheduleGridWnd::HideTooltip() {
    if (pointer_.EndHover()) hoverTimer_.stop();
    HideTip();
}

void CScheduleGridWnd::ShowContextMenuAt(const QPoint& point) { ShowContextMenu(this, point.x(), point.y(), this); }

// --- Mouse -------------------------------------------------------------------

void CScheduleGridWnd::CancelAll() {
    dragTimer_.stop();
    hoverTimer_.stop();
    pointer_.Reset();
    selecting_ = false;
    drag_ = {};
    SetFeedback({});
    HideTip();
    SetCursorKind(kCursorArrow);
}

void CScheduleGridWnd::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
        CancelAll();
        ClearSelection(true);
        BeginDrag(p, true);
    } else if (e->button() == Qt::RightButton) {
        if (selecting_) return;
        if (pointer_.Dragging() || pointer_.DragPending()) {
            CancelDrag();
            return;
        }
        if (BeginDrag(p, false)) ShowContextMenuAt(p);
    }
}

bool CScheduleGridWnd::BeginDrag(const QPoint& p, bool leftButton) {
    HoverStep(p);
    const GridHit hit = HitTest(p);
    if (hit.bar != nullptr) {
        CBooking* booking = hit.bar->booking;
        CancelAll();
        ClearSelection(true);
        selected_ = SelectedBooking::Of(booking);
        update(ToQRect(Inflated(hit.rect, 2)));
        if (!pointer_.Press(hit.part, leftButton, WriteProtected())) return true;
        drag_ = {};
        drag_.bookingId = booking->id;
        drag_.resizeStart = hit.part == BarPart::Start;
        drag_.barRect = hit.rect;
        drag_.startCell = ClampedCellAtX(model_, hit.rect.left, width());
        drag_.endCell = ClampedCellAtX(model_, hit.rect.right - 2, width());
        drag_.original = RangeOf(*booking);
        drag_.range = drag_.original;
        drag_.pressCell = ClampedCellAtX(model_, p.x(), width());
        SetCursorKind(hit.part == BarPart::Body ? kCursorBody : kCursorBorder);
        dragTimer_.start(kDragDelayMs);
        return true;
    }
    const GridGeometry g = Geometry();
    const int row = RowAtY(model_, g, p.y());
    GridCell cell;
    if (row < 0 || g.lineHeight < 1 || !CellAtX(model_, p.x(), width(), cell)) return false;
    rowSelectMode_ = model_.resourceMode;
    if (selected_.booking != nullptr) {
        RedrawBooking(selected_.id);
        selected_ = {};
    }
    if (!leftButton && hasSelection_ && selection_.Holds(cell.column, row)) return true;
    ClearSelection(true);
    hasSelection_ = true;
    selection_ = {cell.column, cell.column, row, row};
    const ScheduleRowItem& item = model_.Rows()[static_cast<std::size_t>(row)].item;
    const BookingRange period = ColumnPeriod(cell.column);
    selectedCells_ = {period, period, item, item};
    RedrawCells(selection_);
    selecting_ = leftButton;
    return true;
}

void CScheduleGridWnd::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    UpdateStatusBar(p);
    if (selecting_) TrackSelection(p);
    else if (pointer_.State() == kHoverResizing) TrackResize(p);
    else if (pointer_.State() == kHoverMoving) TrackMove(p);
    else if (!(e->buttons() & Qt::LeftButton)) HoverStep(p);
}

void CScheduleGridWnd::TrackSelection(const QPoint& p) {
    GridCell cell{-1, 0};
    if (!CellAtX(model_, p.x(), width(), cell)) cell.column = -1;
    const int row = RowAtY(model_, Geometry(), p.y());
    if (tooltip_.isHidden()) {
        // Below and right of the cells, so the row being selected stays in sight.
        const ui::Rect cells = CellsRect(selection_);
        const QPoint at = mapToGlobal(QPoint(cells.right + 3, cells.bottom + 2));
        tooltip_.ShowAt(at.x(), at.y(), SelectionTipText(), 0);
        pointer_.ShowSelectionTip();
    }
    const CellSelection old = selection_;
    if (!ExtendSelection(selection_, cell.column, row, rowSelectMode_)) return;
    // The end's column is the one under the mouse, in view: its period is
    // taken now. The anchor's was taken when it was.
    if (selection_.endColumn != old.endColumn) selectedCells_.endPeriod = ColumnPeriod(selection_.endColumn);
    if (selection_.endRow != old.endRow)
        selectedCells_.endRow = model_.Rows()[static_cast<std::size_t>(selection_.endRow)].item;
    RedrawCells(old);
    RedrawCells(selection_);
    tooltip_.UpdateText(SelectionTipText());
}

void CScheduleGridWnd::OnDragTimer() {
    const DragKind kind = pointer_.DragTimer();
    if (kind == DragKind::None) return;
    if (FindBooking(drag_.bookingId) == nullptr) {
        CancelDrag();
        return;
    }
    if (kind == DragKind::Resize) {
        SetCursorKind(kCursorBorder);
        drag_.cell = drag_.resizeStart ? drag_.startCell : drag_.endCell;
        SetFeedback(drag_.barRect);
    } else {
        SetCursorKind(kCursorMove);
        drag_.cell = {-1, -1};
        drag_.minFeedbackWidth = MinFeedbackWidth(model_.baseUnit, model_.ColumnWidth());
    }
    ShowTip(DragTipText(), drag_.barRect);
    ResendMouseMove();
}

void CScheduleGridWnd::TrackResize(const QPoint& p) {
    const int x = std::clamp(p.x(), 0, width());
    GridCell cell = drag_.cell;
    CellAtX(model_, x, width(), cell);
    cell = LimitResizeCell(cell, drag_.resizeStart, drag_.startCell, drag_.endCell);
    SetFeedback(ResizeFeedback(model_, drag_.barRect, drag_.resizeStart, cell));
    if (cell == drag_.cell) return;
    drag_.cell = cell;
    drag_.range = ResizedRange(model_, Wt(), drag_.original, drag_.resizeStart,
                               drag_.resizeStart ? drag_.startCell : drag_.endCell, cell, Rules().realTime);
    const std::string text = DragTipText();
    if (text != tooltip_.Text()) ShowTip(text, drag_.barRect);
}

void CScheduleGridWnd::TrackMove(const QPoint& p) {
    const auto& rows = model_.Rows();
    if (rows.empty()) return;
    const GridGeometry g = Geometry();
    const int x = std::clamp(p.x(), 0, width() - 1), y = std::clamp(p.y(), 0, height() - 1);
    int row = RowAtY(model_, g, y);
    if (row < 0) row = static_cast<int>(rows.size()) - 1;
    drag_.row = row;
    GridCell cell = drag_.cell;
    CellAtX(model_, x, width(), cell);
    if (!(cell == drag_.cell) && cell.column >= 0) {
        drag_.range = MovedRange(model_, Wt(), drag_.original, drag_.pressCell, cell, Rules());
        drag_.startOfMove = CellOfStart(model_, drag_.range.start);
        drag_.endOfMove = CellOfEnd(model_, drag_.range.end);
        drag_.cell = cell;
    }
    const std::string text = DragTipText();
    if (text != tooltip_.Text()) ShowTip(text, drag_.barRect);
    if (drag_.cell.column < 0) return;
    const ScheduleRow& target = rows[static_cast<std::size_t>(row)];
    const int rowBottom = (target.firstLine + target.lineCount - g.firstLine) * g.lineHeight;
    SetFeedback(MoveFeedback(model_, drag_.startOfMove, drag_.endOfMove, y, rowBottom, g.barHeight, height(),
                             drag_.minFeedbackWidth));
}

void CScheduleGridWnd::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    dragTimer_.stop();
    const DragKind kind = pointer_.Release();
    SetFeedback({});
    if (kind == DragKind::Resize) CommitResize();
    else if (kind == DragKind::Move) CommitMove();
    EndMouse();
}

void CScheduleGridWnd::EndMouse() {
    selecting_ = false;
    drag_ = {};
    hoverTimer_.stop();
    pointer_.Reset();
    HideTip();
    ResendMouseMove();
}

void CScheduleGridWnd::CancelDrag() {
    dragTimer_.stop();
    SetFeedback({});
    EndMouse();
}

void CScheduleGridWnd::CommitResize() {
    CBooking* booking = FindBooking(drag_.bookingId);
    CPlanData* plan = model_.Context().plan;
    if (booking == nullptr || plan == nullptr || drag_.range == RangeOf(*booking)) return;
    WriteBookingPlacement(*plan, booking, {drag_.range.start, drag_.range.end, booking->resource, booking->task},
                          ids::UNDO_RESIZE_BOOKING, &RequestBookingConflictCheck);
}

void CScheduleGridWnd::CommitMove() {
    CBooking* booking = FindBooking(drag_.bookingId);
    CPlanData* plan = model_.Context().plan;
    if (booking == nullptr || plan == nullptr || drag_.row < 0 || drag_.row >= static_cast<int>(model_.Rows().size()))
        return;
    const MoveTarget target =
        MoveTargetOf(model_.Rows()[static_cast<std::size_t>(drag_.row)].item, model_.resourceMode, *booking);
    if (target.onGroup) {
        ui::MessageBoxById(this, ids::SCHEDULE_DROP_ON_GROUP, ui::MB_ICONSTOP);
        return;
    }
    WriteBookingPlacement(*plan, booking, {drag_.range.start, drag_.range.end, target.resource, target.task},
                          ids::UNDO_MOVE_BOOKING, &RequestBookingConflictCheck);
}

void CScheduleGridWnd::ResendMouseMove() {
    const QPoint p = mapFromGlobal(QCursor::pos());
    if (!rect().contains(p)) return;
    QMouseEvent move(QEvent::MouseMove, p, mapToGlobal(p), Qt::NoButton, QGuiApplication::mouseButtons(),
                     QGuiApplication::keyboardModifiers());
    mouseMoveEvent(&move);
}

void CScheduleGridWnd::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const GridHit hit = HitTest(e->position().toPoint());
    if (hit.bar != nullptr) {
        const SelectedBooking booking = SelectedBooking::Of(hit.bar->booking);
        CancelAll();
        if (g_hostApi.IsBound()) g_hostApi.command("EditBooking", booking.booking);
        SelectBooking(booking);
        return;
    }
    if (hasSelection_ && GetBoolSetting(PluginSettingGetter(), "ViewOpenAddBookingsWndOnDblClick", false)) {
        selecting_ = false;
        ui::SendMessage(window(), WM_COMMAND, ID_HOST_NEW_BOOKING, 0);
    }
}

void CScheduleGridWnd::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && (pointer_.Dragging() || pointer_.DragPending())) {
        CancelDrag();
        return;
    }
    // The cells stay selected; only their extension by the mouse ends.
    if (e->key() == Qt::Key_Escape && selecting_) {
        EndMouse();
        return;
    }
    QWidget::keyPressEvent(e);
}
