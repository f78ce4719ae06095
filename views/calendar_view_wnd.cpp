#include "calendar_view_wnd.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "booking_placement.h"
#include "booking_tooltip.h"
#include "context_menu.h"
#include "drag_tooltip.h"
#include "drawing.h"
#include "host_messages.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "plugin_base.h"
#include "res_cursor.h"
#include "selected_booking.h"
#include "string_ids.h"
#include "support/working_time.h"
#include "tooltip_markup.h"
#include "ui/scroll_bar.h"

namespace {

constexpr int kHoverTimerRepeat = 200;
constexpr int kDragDelay = 300;

int Trunc(double factor, int height) { return static_cast<int>(factor * height); }

std::string DateText(const CDate& date) { return date.Format(0, nullptr); }

bool IsValidDay(const CDate& date) { return date.IsValid(); }

// Plain lines as tooltip markup: one line each, nothing read as a tag.
std::string PlainTipLines(const std::string& text) {
    std::string markup;
    std::size_t from = 0;
    while (true) {
        const std::size_t end = text.find('\n', from);
        markup += TooltipPlainText(std::string_view(text).substr(from, end == std::string::npos ? end : end - from));
        if (end == std::string::npos) return markup;
        markup += '\n';
        from = end + 1;
    }
}

}  // namespace

CCalendarViewWnd::CCalendarViewWnd(QWidget* parent)
    : ui::MessageWidget<QWidget>(parent),
      model_(PluginPlanContext()),
      vBar_(new QScrollBar(Qt::Vertical, this)),
      hBar_(new QScrollBar(Qt::Horizontal, this)),
      vScroll_(vBar_, [this](int code, int thumb) { OnVScroll(code, thumb); }),
      hScroll_(hBar_, [this](int code, int thumb) { OnHScroll(code, thumb); }) {
    setObjectName("CCalendarViewWnd");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::NoContextMenu);
    hoverTimer_.setSingleShot(true);
    dragTimer_.setSingleShot(true);
    QObject::connect(&hoverTimer_, &QTimer::timeout, this, [this] { OnHoverTimer(); });
    QObject::connect(&dragTimer_, &QTimer::timeout, this, [this] { OnDragTimer(); });
    tooltip_.Create(this);
    hide();
}

// ---- settings and layout -------------------------------------------------

void CCalendarViewWnd::Reload() {
    ClearDaySelection();
    LoadSettings();
    BuildFonts();
    selectedBooking_ = nullptr;
    model_.UpdateVisibleWeekdays();
    Relayout();
    update();
}

void CCalendarViewWnd::LoadSettings() {
    model_.Context() = PluginPlanContext();
    model_.SetDefaults();
    model_.LoadSettings();
    const SettingGetter get = PluginSettingGetter();
    model_.markToday = GetBoolSetting(get, "ViewMarkToday", model_.markToday);
    model_.todayColor = GetColorSetting(get, "ViewColorToday", model_.todayColor);
    dayWidthSetting_ = GetIntSetting(get, "ViewCalendarDayWidth", 100);
    dayHeightSetting_ = GetIntSetting(get, "ViewCalendarDayHeight", 100);
    dayWidthMin_ = GetIntSetting(get, "ViewCalendarDayWidthMin", 20);
    visibleMin_ = std::clamp(GetIntSetting(get, "ViewCalendarDayHeightVisibleMin", 10), 0, 10000);
    model_.bookingDistance = std::clamp(GetIntSetting(get, "ViewCalendarBookingDistance", 5), 0, 1000);
    sizingDetect_ = std::clamp(GetIntSetting(get, "ViewCalendarBookingSizingDetect", 3), 0, 1000);
    borderDetect_ = std::clamp(GetIntSetting(get, "ViewCalendarBookingBorderDetect", 5), 0, 1000);
    timerDelay_ = std::clamp(GetIntSetting(get, "ViewTimerDelay", 500), 0, 60000);
}

void CCalendarViewWnd::BuildFonts() {
    const SettingGetter get = PluginSettingGetter();
    std::string face = GetStringSetting(get, "ViewFont", "Arial");
    if (face.empty()) face = "Arial";
    const auto size = [&](const char* key, int fallback) { return std::clamp(GetIntSetting(get, key, fallback), 0, 500); };
    fonts_.header = CreateSizedFont(size("ViewCalendarFontSizeHeader", 15), face, 700);
    fonts_.weekdayHeader = CreateSizedFont(size("ViewCalendarFontSizeWeekdayHeader", 12), face, 400);
    const int dayHeaderSize = size("ViewCalendarFontSizeDayHeader", 12);
    fonts_.dayHeader = CreateSizedFont(dayHeaderSize, face, 400);
    fonts_.dayHeaderBold = CreateSizedFont(dayHeaderSize, face, 700);
    fonts_.booking = CreateSizedFont(size("ViewCalendarFontSizeBooking", 12), face, 400);
    const auto height = [](const QFont& font) { return QFontMetrics(font).height(); };
    geometry_.monthHeaderHeight = Trunc(1.75, height(fonts_.header));
    geometry_.weekdayHeaderHeight = Trunc(1.35, height(fonts_.weekdayHeader));
    geometry_.dayHeaderHeight = Trunc(1.35, height(fonts_.dayHeader));
    model_.textLineHeight = Trunc(1.15, height(fonts_.booking));
    model_.dayHeaderHeight = geometry_.dayHeaderHeight;

    const QScreen* screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QRect work = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    geometry_.dayWidth = ClampDayWidth(dayWidthSetting_, dayWidthMin_, work.width(), extent);
    geometry_.dayHeight = ClampDayHeight(dayHeightSetting_, geometry_.dayHeaderHeight, visibleMin_, work.height(),
                                         extent, geometry_.HeaderHeight());
    model_.dayWidth = geometry_.dayWidth;
    model_.dayHeight = geometry_.dayHeight;
    geometry_.distance = model_.bookingDistance;
    geometry_.barHeight = model_.GetBookingLineHeight();
    model_.GetLinesPerDay(geometry_.lines, geometry_.fullLines);
    model_.lineLimit = geometry_.lines;
}

int CCalendarViewWnd::WeekCount() const {
    return std::max(1, (model_.lastDay.GetJulianDay() - model_.firstDay.GetJulianDay()) / 7 + 1);
}

void CCalendarViewWnd::Relayout() {
    const int barWidth = vBar_->sizeHint().width();
    geometry_.clientWidth = std::max(0, width() - barWidth);
    geometry_.columnCount = model_.ShownWeekdayCount();
    const ScrollState columns = ColumnScrollState(geometry_, hScroll_.GetScrollPos());
    hScroll_.SetScrollInfo({0, columns.max, std::max(1, columns.page), columns.pos, 0},
                           ui::SIF_RANGE | ui::SIF_PAGE | ui::SIF_POS);
    geometry_.firstColumn = hScroll_.GetScrollPos();
    const int barHeight = hBar_->isHidden() ? 0 : hBar_->sizeHint().height();
    geometry_.clientHeight = std::max(0, height() - barHeight);
    vBar_->setGeometry(geometry_.clientWidth, 0, barWidth, geometry_.clientHeight);
    hBar_->setGeometry(0, geometry_.clientHeight, geometry_.clientWidth, barHeight);
    const ScrollState weeks = WeekScrollState(geometry_, WeekCount(), vScroll_.GetScrollPos());
    vScroll_.SetScrollInfo({0, weeks.max, std::max(1, weeks.page), weeks.pos, 0},
                           ui::SIF_RANGE | ui::SIF_PAGE | ui::SIF_POS | ui::SIF_DISABLENOSCROLL);
    LayoutWeeks();
}

void CCalendarViewWnd::LayoutWeeks() {
    CDate first, last;
    VisibleDays(model_, vScroll_.GetScrollPos(), std::max(1, geometry_.RowsInView()), first, last);
    model_.Layout(first, last);
}

void CCalendarViewWnd::ScrollToDate(const CDate& date) {
    const ScrollState weeks = WeekScrollState(geometry_, WeekCount(), 0);
    const int last = CalendarScrollTarget(ui::SB_BOTTOM, weeks, 0);
    vScroll_.SetScrollPos(WeekPositionOf(model_, date, last));
    LayoutWeeks();
    update();
    ResendMouseMove();
}

// ---- scrolling and keys --------------------------------------------------

void CCalendarViewWnd::OnVScroll(int code, int thumbPos) {
    if (code == ui::SB_THUMBTRACK) {
        const ScrollState weeks = WeekScrollState(geometry_, WeekCount(), 0);
        CDate first, last;
        VisibleDays(model_, std::clamp(thumbPos, 0, std::max(0, weeks.max)), 1, first, last);
        const std::string text = PlainTipLines(
            plat::FormatChecked(plat::LoadResString(ids::CALENDAR_WEEK_TOOLTIP), {DateText(first)}));
        ShowTip(mapToGlobal(QPoint(geometry_.clientWidth, mapFromGlobal(QCursor::pos()).y())), text);
        hoverState_ = kScrollTip;
        return;
    }
    const ScrollState state = WeekScrollState(geometry_, WeekCount(), vScroll_.GetScrollPos());
    const int pos = CalendarScrollTarget(code, state, thumbPos);
    if (code == ui::SB_THUMBPOSITION || code == ui::SB_ENDSCROLL) HideTip();
    if (pos == state.pos) return;
    HideTip();
    vScroll_.SetScrollPos(pos);
    LayoutWeeks();
    repaint();
    ResendMouseMove();
}

void CCalendarViewWnd::OnHScroll(int code, int thumbPos) {
    if (code == ui::SB_THUMBTRACK || code == ui::SB_ENDSCROLL) return;
    const ScrollState state = ColumnScrollState(geometry_, hScroll_.GetScrollPos());
    const int pos = CalendarScrollTarget(code, state, thumbPos);
    if (pos == state.pos) return;
    HideTip();
    hScroll_.SetScrollPos(pos);
    geometry_.firstColumn = hScroll_.GetScrollPos();
    repaint();
    ResendMouseMove();
}

int CCalendarViewWnd::OnKeyDown(int virtualKey, int modifiers) {
    bool vertical = true;
    int code = 0;
    if (!CalendarKeyScroll(virtualKey, modifiers, vertical, code)) return 0;
    if (vertical) OnVScroll(code, 0);
    else OnHScroll(code, 0);
    return 1;
}

// ---- host messages -------------------------------------------------------

bool CCalendarViewWnd::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) {
    result = 1;
    switch (message) {
    case WM_VSCROLL_CODE: OnVScroll(static_cast<int>(wParam & 0xFFFF), static_cast<int>(wParam >> 16)); return true;
    case WM_HSCROLL_CODE: OnHScroll(static_cast<int>(wParam & 0xFFFF), static_cast<int>(wParam >> 16)); return true;
    case WM_VIEW_ACTIVATED:
        StopInteraction();
        Reload();
        if (IsValidDay(pendingGoto_)) {
            ScrollToDate(pendingGoto_);
            pendingGoto_ = CDate::FromJulianDay(CDate::kInvalid);
        }
        return true;
    case WM_VIEW_SETTINGS_CHANGED:
        StopInteraction();
        Reload();
        return true;
    case WM_VIEW_DATA_CHANGED: {
        const auto mask = static_cast<std::uint32_t>(lParam);
        StopInteraction();
        if ((mask & 3) != 0) {
            Reload();
            return true;
        }
        CBookingCollection* bookings = g_pluginPlanData != nullptr ? g_pluginPlanData->bookings : nullptr;
        if (selectedBooking_ != nullptr && (bookings == nullptr || !bookings->Contains(selectedBooking_)))
            selectedBooking_ = nullptr;
        Relayout();
        update();
        return true;
    }
    case WM_VIEW_FILTER_CHANGED: {
        StopInteraction();
        Relayout();
        if (!PublicFilterKeeps(model_.Context(), selectedBooking_)) selectedBooking_ = nullptr;
        update();
        return true;
    }
    case WM_PLUGIN_GOTO_DATE: {
        auto* dateTime = reinterpret_cast<CDateTime*>(lParam);
        if (dateTime == nullptr) return true;
        if (wParam == 0) {
            *dateTime = model_.Cells().empty() ? CDateTime(model_.firstDay) : model_.Cells().front().start;
        } else if (!isHidden()) {
            ScrollToDate(dateTime->date);
        } else {
            pendingGoto_ = dateTime->date;
        }
        return true;
    }
    case WM_PLUGIN_GET_SELECTION:
        if (auto* record = reinterpret_cast<SelectionRecord*>(lParam))
            FillCalendarSelection(*record, selectedBooking_, daySelection_,
                                  g_pluginPlanData != nullptr ? g_pluginPlanData->bookings : nullptr, selectionCache_);
        return true;
    case WM_PLUGIN_PREPARE_REPORT: {
        if (model_.Cells().empty()) return true;
        const SettingSetter set = PluginSettingSetter();
        SetDateSetting(set, "ViewVisibleDateFirst", model_.Cells().front().start.date);
        SetDateSetting(set, "ViewVisibleDateLast", model_.Cells().back().end.date);
        SetIntSetting(set, "ViewVisibleTimeFirst", 0);
        SetIntSetting(set, "ViewVisibleTimeLast", 0);
        return true;
    }
    default: return false;
    }
}

// ---- painting ------------------------------------------------------------

CalendarPaintState CCalendarViewWnd::PaintState() const {
    CalendarPaintState state;
    state.geometry = geometry_;
    std::vector<int> weekdays;
    model_.GetVisibleWeekdays(weekdays);
    const CLocaleNames* names = model_.Context().localeNames;
    for (int weekday : weekdays) {
        state.weekdays.push_back(weekday);
        state.weekdayNames.push_back(names != nullptr ? names->DayNames()[static_cast<std::size_t>(weekday)] : "");
    }
    CPlanData* plan = model_.Context().plan;
    const WorkingTime wt = plan != nullptr && plan->properties != nullptr ? WorkingTimeOf(*plan->properties) : WorkingTime{};
    for (std::size_t i = 0; i < 7; ++i) state.workingDays[i] = wt.workingDays[i] != 0;
    state.today = CDate::Today();
    state.hasDaySelection = daySelection_.exists;
    state.selectionFirst = daySelection_.Lower();
    state.selectionLast = daySelection_.Upper();
    state.selectedBooking = selectedBooking_;
    return state;
}

void CCalendarViewWnd::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    const QRect box = e->rect();
    const ui::Rect clip =
        ui::Intersect(ui::Rect::FromQRect(box),
                      {0, 0, geometry_.clientWidth, geometry_.clientHeight});
    CMemDC mem(painter, clip);
    if (!mem.IsActive()) return;
    QelDC& dc = mem.dc();
    PaintCalendar(dc, model_, PaintState(), fonts_, clip);
    for (const ui::Rect& frame : feedback_) InvertFrame(dc, frame);
    if (sizing_) {
        if (sizingZone_.kind == kColumnBorder)
            dc.InvertRect({sizingLine_.x, geometry_.monthHeaderHeight, sizingLine_.x + 1, geometry_.clientHeight});
        else
            dc.InvertRect({0, sizingLine_.y, geometry_.GridWidth(), sizingLine_.y + 1});
    }
}

void CCalendarViewWnd::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Relayout();
    update();
}

// ---- mouse ---------------------------------------------------------------

CalendarDragRules CCalendarViewWnd::DragRules() const {
    CalendarDragRules rules;
    CPlanData* plan = model_.Context().plan;
    if (plan != nullptr && plan->properties != nullptr) rules.workingTime = WorkingTimeOf(*plan->properties);
    const SettingGetter get = PluginSettingGetter();
    rules.hideNonWorkingTime = model_.hideNonWorkingTime;
    rules.realTime = GetBoolSetting(get, "DurationRealTime", false);
    rules.keepWorkingTime = GetBoolSetting(get, "ViewBookingMoveKeepWorkingTime", true);
    return rules;
}

bool CCalendarViewWnd::IsWriteProtected() const {
    CPlanData* plan = model_.Context().plan;
    return plan == nullptr || plan->properties == nullptr || plan->properties->IsWriteProtected();
}

CDate CCalendarViewWnd::DayUnder(int x, int y, int* rowOut) const {
    const CalendarGeometry& g = geometry_;
    const int rows = std::min<int>(g.RowsInView(), static_cast<int>(model_.Weeks().size()));
    const int gridWidth = g.GridWidth();
    if (rows < 1 || gridWidth < 1) return CDate::FromJulianDay(CDate::kInvalid);
    const int bottom = std::min(g.clientHeight, g.RowTop(rows));
    const int cx = std::clamp(x, 0, gridWidth - 1);
    const int cy = std::clamp(y, g.HeaderHeight(), std::max(g.HeaderHeight(), bottom - 1));
    int row = 0, column = 0;
    const CalendarDayCell* cell = CellAt(g, cx, cy, row, column) ? DayCellAt(model_, row, column) : nullptr;
    if (cell == nullptr) return CDate::FromJulianDay(CDate::kInvalid);
    if (rowOut != nullptr) *rowOut = row;
    return cell->start.date;
}

const CalendarDayCell* CCalendarViewWnd::OverflowStripAt(int x, int y) const {
    int row = 0, column = 0;
    if (!CellAt(geometry_, x, y, row, column)) return nullptr;
    const CalendarDayCell* cell = DayCellAt(model_, row, column);
    if (cell == nullptr || y > geometry_.RowTop(row) + geometry_.dayHeaderHeight) return nullptr;
    return HasOverflowMarker(*cell, geometry_.fullLines) ? cell : nullptr;
}

void CCalendarViewWnd::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton) OnLButtonDown(p.x(), p.y());
    else if (e->button() == Qt::RightButton) OnRButtonDown(p.x(), p.y());
}

void CCalendarViewWnd::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    OnMouseMove(p.x(), p.y(), (e->buttons() & Qt::LeftButton) != 0);
}

void CCalendarViewWnd::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) OnLButtonUp();
}

void CCalendarViewWnd::OnMouseMove(int x, int y, bool leftDown) {
    int row = 0, column = 0;
    const CalendarDayCell* cell = CellAt(geometry_, x, y, row, column) ? DayCellAt(model_, row, column) : nullptr;
    const std::string status = cell != nullptr ? DateText(cell->start.date) : std::string();
    if (status != statusText_) {
        statusText_ = status;
        SendStatusBarText("", status.c_str());
    }
    const bool inHover = x >= hoverRect_.left && x < hoverRect_.right && y >= hoverRect_.top && y < hoverRect_.bottom;
    if (hoverState_ == kIdle) {
        hoverTimer_.start(timerDelay_);
    } else if (hoverState_ == kHoverArmed && !inHover) {
        hoverTimer_.stop();
        hoverState_ = kIdle;
        hoverRect_ = {};
    }
    if (sizing_) {
        const ui::Point line{std::clamp(x, sizingLimits_.lowX, sizingLimits_.highX),
                             std::clamp(y, sizingLimits_.lowY, sizingLimits_.highY)};
        if ((sizingZone_.kind == kColumnBorder ? line.x != sizingLine_.x : line.y != sizingLine_.y)) {
            sizingLine_ = line;
            update();
        }
    } else if (daySelection_.selecting) {
        SelectionStep(x, y);
    } else if (resizing_) {
        ResizeStep(x, y);
    } else if (moving_) {
        MoveStep(x, y);
    } else if (!leftDown) {
        HoverStep(x, y);
    }
}

void CCalendarViewWnd::HoverStep(int x, int y) {
    const CalendarBarHit hit = HitTestBar(geometry_, model_, x, y, borderDetect_);
    int kind = kArrow;
    if (hit.segment != nullptr) kind = hit.part == kBarBody ? kBodyCursor : kBorderCursor;
    else kind = HitTestZone(geometry_, model_, x, y, sizingDetect_, borderDetect_).kind;
    SetCursorKind(kind);
    if (hit.segment != nullptr && hoverState_ == kIdle) {
        hoverState_ = kHoverArmed;
        hoverRect_ = hit.bar;
        hoverTimer_.start(timerDelay_);
    }
}

void CCalendarViewWnd::SetCursorKind(int kind) {
    if (kind == cursorKind_) return;
    cursorKind_ = kind;
    switch (kind) {
    case kMovingCursor: setCursor(LoadResCursor(kCursorMoving)); break;
    case kBodyCursor: setCursor(LoadResCursor(kCursorOverBooking)); break;
    case kBorderCursor: setCursor(LoadResCursor(kCursorOverBorder)); break;
    case kColumnBorder: setCursor(LoadResCursor(kCursorOverColumnBorder)); break;
    case kRowBorder: setCursor(LoadResCursor(kCursorOverRowBorder)); break;
    default: unsetCursor(); break;
    }
}

void CCalendarViewWnd::OnLButtonDown(int x, int y) {
    StopTimers();
    EndSizing(false);
    ClearDaySelection();
    selectedBooking_ = nullptr;
    HideTip();
    update();
    BeginDrag(x, y, false);
}

void CCalendarViewWnd::OnRButtonDown(int x, int y) {
    if (daySelection_.selecting || sizing_) return;
    if (moving_ || resizing_ || hoverState_ == kMovePending || hoverState_ == kResizePending) {
        CancelDrag();
        ResendMouseMove();
        return;
    }
    // The host's items act on what the press selected.
    if (BeginDrag(x, y, true)) ShowContextMenu(this, x, y, this);
}

bool CCalendarViewWnd::BeginDrag(int x, int y, bool right) {
    HoverStep(x, y);
    const CalendarBarHit hit = HitTestBar(geometry_, model_, x, y, borderDetect_);
    if (hit.segment != nullptr) {
        StopTimers();
        EndSizing(false);
        ClearDaySelection();
        HideTip();
        selectedBooking_ = hit.segment->booking;
        update();
        if (right || IsWriteProtected()) return true;
        dragBooking_ = selectedBooking_;
        if (hit.part == kBarBody) {
            hoverState_ = kMovePending;
            pressDay_ = DayUnder(x, y);
        } else {
            hoverState_ = kResizePending;
            resizingStart_ = hit.part == kBarStart;
            SetCursorKind(kBorderCursor);
        }
        hoverRect_ = hit.bar;
        dragTimer_.start(kDragDelay);
        return true;
    }
    if (!right && (cursorKind_ == kColumnBorder || cursorKind_ == kRowBorder)) {
        const CalendarZone zone = HitTestZone(geometry_, model_, x, y, sizingDetect_, borderDetect_);
        if (zone.kind != 0) {
            StartSizing(x, y, zone);
            return false;
        }
    }
    int row = 0, column = 0;
    const CalendarDayCell* cell = CellAt(geometry_, x, y, row, column) ? DayCellAt(model_, row, column) : nullptr;
    if (cell == nullptr) return true;
    selectedBooking_ = nullptr;
    const CDate day = cell->start.date;
    if (right && daySelection_.Holds(day)) return true;
    daySelection_ = {true, !right, day, day};
    selectionCache_.Drop();
    update();
    return true;
}

void CCalendarViewWnd::SelectionStep(int x, int y) {
    if (tooltip_.isHidden()) {
        const ui::Rect days = DayRangeRect(geometry_, model_, daySelection_.Lower(), daySelection_.Upper());
        ShowTip(mapToGlobal(QPoint(days.right + 3, days.bottom + 2)), SelectionTipText());
        hoverState_ = kSelectionTip;
    }
    const CDate day = DayUnder(x, y);
    if (!IsValidDay(day) || day == daySelection_.end) return;
    daySelection_.end = day;
    selectionCache_.Drop();
    update();
    tipText_ = SelectionTipText();
    tooltip_.UpdateText(tipText_);
}

void CCalendarViewWnd::OnDragTimer() {
    if (dragBooking_ == nullptr) return;
    if (hoverState_ == kResizePending) {
        resizing_ = true;
        hoverState_ = kResizing;
        SetCursorKind(kBorderCursor);
    } else if (hoverState_ == kMovePending) {
        moving_ = true;
        hoverState_ = kMoving;
        moveLastDay_ = CDate::FromJulianDay(CDate::kInvalid);
        SetCursorKind(kMovingCursor);
    } else {
        return;
    }
    dragPeriod_ = RangeOf(*dragBooking_);
    tipText_.clear();
    ResendMouseMove();
}

void CCalendarViewWnd::ResizeStep(int x, int y) {
    if (dragBooking_ == nullptr) return;
    const CDate day = DayUnder(x, y);
    if (IsValidDay(day)) dragPeriod_ = ResizeBookingToDay(*dragBooking_, resizingStart_, day, DragRules());
    const CBooking* booking = dragBooking_;
    const CalendarGeometry& g = geometry_;
    feedback_ = DayRangeFrames(g, model_, dragPeriod_.start.date, LastDayOf(dragPeriod_), [&](int row) {
        for (const CalendarSegment& segment : model_.Weeks()[static_cast<std::size_t>(row)].segments)
            if (segment.booking == booking && segment.line < g.lines) return g.LineTop(row, segment.line);
        return g.LineTop(row, 0);
    });
    update();
    const std::string text = DragTipText();
    if (text != tipText_) ShowTip(mapToGlobal(QPoint(x + 10, hoverRect_.bottom + 6)), text);
}

void CCalendarViewWnd::MoveStep(int x, int y) {
    if (dragBooking_ == nullptr) return;
    int cursorRow = 0;
    const CDate day = DayUnder(x, y, &cursorRow);
    if (IsValidDay(day) && day != moveLastDay_) {
        dragPeriod_ = MoveBookingByDays(*dragBooking_, day.GetJulianDay() - pressDay_.GetJulianDay(), DragRules());
        moveLastDay_ = day;
        const std::string text = DragTipText();
        if (text != tipText_) ShowTip(mapToGlobal(QPoint(x + 10, hoverRect_.bottom + 6)), text);
    }
    const CalendarGeometry& g = geometry_;
    const int offset = std::max(0, y - (g.RowTop(cursorRow) + g.dayHeaderHeight));
    feedback_ = DayRangeFrames(g, model_, dragPeriod_.start.date, LastDayOf(dragPeriod_), [&](int row) {
        return row == cursorRow ? g.RowTop(row) + g.dayHeaderHeight + offset : g.LineTop(row, 0);
    });
    update();
}

void CCalendarViewWnd::OnLButtonUp() {
    CBooking* booking = dragBooking_;
    const BookingRange period = dragPeriod_;
    const bool commit = (moving_ || resizing_) && booking != nullptr;
    const unsigned undoName = resizing_ ? ids::UNDO_RESIZE_BOOKING : ids::UNDO_MOVE_BOOKING;
    CancelDrag();
    EndSizing(true);
    daySelection_.selecting = false;
    StopTimers();
    HideTip();
    if (commit) Commit(booking, period, undoName);
    ResendMouseMove();
}

void CCalendarViewWnd::Commit(CBooking* booking, const BookingRange& period, unsigned undoNameId) {
    CPlanData* plan = model_.Context().plan;
    // A release where the drag began changes nothing and leaves no undo step.
    if (plan == nullptr || period == RangeOf(*booking)) return;
    WriteBookingPlacement(*plan, booking, {period.start, period.end, booking->resource, booking->task}, undoNameId,
                          &RequestBookingConflictCheck);
}

void CCalendarViewWnd::mouseDoubleClickEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (e->button() != Qt::LeftButton) return;
    EndSizing(false);
    if (p.y() < geometry_.HeaderHeight()) {
        ui::SendMessage(window(), WM_COMMAND, ID_HOST_VIEW_OPTIONS, 0);
        return;
    }
    const CalendarBarHit hit = HitTestBar(geometry_, model_, p.x(), p.y(), borderDetect_);
    if (hit.segment != nullptr) {
        StopTimers();
        CancelDrag();
        CBooking* booking = hit.segment->booking;
        if (g_hostApi.IsBound()) g_hostApi.command("EditBooking", booking);
        CBookingCollection* bookings = g_pluginPlanData != nullptr ? g_pluginPlanData->bookings : nullptr;
        selectedBooking_ = bookings != nullptr && bookings->Contains(booking) ? booking : nullptr;
        update();
        return;
    }
    if (const CalendarDayCell* cell = OverflowStripAt(p.x(), p.y())) {
        StopTimers();
        daySelection_ = {true, false, cell->start.date, cell->start.date};
        selectionCache_.Drop();
        update();
        if (g_hostApi.IsBound()) g_hostApi.command("ShowBookingListSelection", nullptr);
        return;
    }
    if (daySelection_.exists && GetBoolSetting(PluginSettingGetter(), "ViewOpenAddBookingsWndOnDblClick", false))
        ui::SendMessage(window(), WM_COMMAND, ID_HOST_NEW_BOOKING, 0);
}

void CCalendarViewWnd::leaveEvent(QEvent* e) {
    QWidget::leaveEvent(e);
    HideTip();
    statusText_.clear();
    SendStatusBarText("", "");
}

void CCalendarViewWnd::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    StopInteraction();
}

// ---- timers and tooltips -------------------------------------------------

void CCalendarViewWnd::OnHoverTimer() {
    const bool shown = window()->isActiveWindow() && isVisible();
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    const bool inHover = cursor.x() >= hoverRect_.left && cursor.x() < hoverRect_.right &&
                         cursor.y() >= hoverRect_.top && cursor.y() < hoverRect_.bottom;
    if (hoverState_ == kHoverArmed) {
        hoverTimer_.start(kHoverTimerRepeat);
        const CalendarBarHit hit = HitTestBar(geometry_, model_, cursor.x(), cursor.y(), borderDetect_);
        if (shown && hit.segment != nullptr) {
            ShowTip(mapToGlobal(QPoint(cursor.x() + 10, hit.bar.bottom + 6)),
                    BuildBookingTooltip(model_.Context(), hit.segment->booking));
            hoverState_ = kBookingTip;
        }
        return;
    }
    if (hoverState_ == kBookingTip || hoverState_ == kOverflowTip) {
        if (!inHover || !shown) HideTip();
        else hoverTimer_.start(kHoverTimerRepeat);
        return;
    }
    if (hoverState_ != kIdle || daySelection_.selecting || !shown) return;
    if (const CalendarDayCell* cell = OverflowStripAt(cursor.x(), cursor.y())) {
        int row = 0, column = 0;
        CellAt(geometry_, cursor.x(), cursor.y(), row, column);
        const ui::Rect rect = geometry_.CellRect(row, column);
        const std::string text =
            plat::FormatChecked(plat::LoadResString(ids::CALENDAR_OVERFLOW_DAY), {DateText(cell->start.date)}) +
            "\n" + plat::FormatChecked(plat::LoadResString(ids::CALENDAR_OVERFLOW_COUNT), {cell->bookingCount});
        hoverRect_ = {rect.left, rect.top, rect.right, rect.top + geometry_.dayHeaderHeight};
        const QRect strip(mapToGlobal(QPoint(hoverRect_.left, hoverRect_.top)),
                          QSize(hoverRect_.right - hoverRect_.left, hoverRect_.bottom - hoverRect_.top));
        ShowTip(mapToGlobal(QPoint(rect.right - 1, rect.top + geometry_.dayHeaderHeight + 3)), PlainTipLines(text),
                strip);
        hoverState_ = kOverflowTip;
        hoverTimer_.start(kHoverTimerRepeat);
    }
}

void CCalendarViewWnd::ShowTip(const QPoint& at, const std::string& markup, const QRect& avoid) {
    tipText_ = markup;
    tooltip_.ShowAt(at.x(), at.y(), markup, 0, avoid);
}

void CCalendarViewWnd::HideTip() {
    tooltip_.Hide();
    tipText_.clear();
    hoverTimer_.stop();
    if (hoverState_ <= kSelectionTip) {
        hoverState_ = kIdle;
        hoverRect_ = {};
    }
}

// The schedule's drag tooltips; the calendar never changes resource or task.
std::string CCalendarViewWnd::DragTipText() const {
    if (dragBooking_ == nullptr) return {};
    if (resizing_) return BuildResizeTooltip(model_.Context(), *dragBooking_, dragPeriod_);
    return MoveTooltip(*dragBooking_, {nullptr, dragBooking_->resource, nullptr, dragBooking_->task}, true,
                       dragPeriod_);
}

std::string CCalendarViewWnd::SelectionTipText() const {
    const BookingRange period = DaySelectionPeriod(daySelection_.anchor, daySelection_.end, DragRules());
    return BuildPeriodTooltip(model_.Context(), period.start, period.end);
}

// ---- ending what runs ----------------------------------------------------

void CCalendarViewWnd::StartSizing(int x, int y, const CalendarZone& zone) {
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    sizingZone_ = zone;
    sizingLimits_ = CellSizingLimits(geometry_, zone, dayWidthMin_, visibleMin_, 0, hBar_->isHidden() ? extent : 0);
    sizingLine_ = {std::clamp(x, sizingLimits_.lowX, sizingLimits_.highX),
                   std::clamp(y, sizingLimits_.lowY, sizingLimits_.highY)};
    sizing_ = true;
    update();
}

void CCalendarViewWnd::EndSizing(bool save) {
    if (!sizing_) return;
    sizing_ = false;
    update();
    if (!save) return;
    const SettingSetter set = PluginSettingSetter();
    if (sizingZone_.kind == kColumnBorder)
        SetIntSetting(set, "ViewCalendarDayWidth", SizedDayWidth(geometry_, sizingZone_.index, sizingLine_.x));
    else
        SetIntSetting(set, "ViewCalendarDayHeight", SizedDayHeight(geometry_, sizingZone_.index, sizingLine_.y));
    Reload();
}

void CCalendarViewWnd::CancelDrag() {
    dragTimer_.stop();
    moving_ = resizing_ = false;
    dragBooking_ = nullptr;
    if (!feedback_.empty()) update();
    feedback_.clear();
    if (hoverState_ >= kResizing) {
        hoverState_ = kIdle;
        hoverRect_ = {};
    }
    HideTip();
}

void CCalendarViewWnd::StopTimers() {
    hoverTimer_.stop();
    dragTimer_.stop();
}

void CCalendarViewWnd::ClearDaySelection() {
    if (daySelection_.exists) update();
    daySelection_ = {};
    selectionCache_.Drop();
}

void CCalendarViewWnd::StopInteraction() {
    StopTimers();
    EndSizing(false);
    CancelDrag();
    ClearDaySelection();
    HideTip();
}

void CCalendarViewWnd::ResendMouseMove() {
    if (isHidden()) return;
    const QPoint p = mapFromGlobal(QCursor::pos());
    if (!rect().contains(p)) return;
    OnMouseMove(p.x(), p.y(), (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0);
}
