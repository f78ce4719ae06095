#include "schedule_chart_wnd.h"

#include <QCursor>
#include <QScrollBar>
#include <algorithm>

#include "host_messages.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "plugin_base.h"
#include "schedule_geometry.h"
#include "schedule_grid_wnd.h"
#include "schedule_view_wnd.h"
#include "string_ids.h"
#include "support/time_bar_labels.h"
#include "time_bar_wnd.h"
#include "tooltip_markup.h"
#include "ui/key_codes.h"
#include "ui/scroll_bar.h"

CScheduleChartWnd::CScheduleChartWnd(CScheduleViewWnd* view, QWidget* parent)
    : ui::MessageWidget<QWidget>(parent),
      view_(view),
      model_(PluginPlanContext()),
      timeBar_(new CTimeBarWnd(this, this)),
      grid_(new CScheduleGridWnd(view, this, model_, this)),
      bar_(new QScrollBar(Qt::Horizontal, this)),
      hScroll_(bar_, [this](int code, int thumb) { OnHScroll(code, thumb); }) {
    setObjectName("CScheduleChartWnd");
    tooltip_.Create(this);
}

void CScheduleChartWnd::LoadSettings() {
    model_.Context() = PluginPlanContext();
    model_.LoadSettings();
    const SettingGetter get = PluginSettingGetter();
    // The least width of a column is also the least width of a bar, so a
    // short booking in a week or month column keeps a bar.
    model_.minimumBarWidth = ClampColumnWidthMin(GetIntSetting(get, "ViewScheduleColumnWidthMin", 3));
    columnWidthMin_ = std::max(1, model_.minimumBarWidth);
    model_.markToday = GetBoolSetting(get, "ViewMarkToday", model_.markToday);
    model_.todayColor = GetColorSetting(get, "ViewColorToday", model_.todayColor);
    model_.BuildDayTable();
    timeBar_->LoadSettings();
    grid_->LoadSettings();
}

int CScheduleChartWnd::GridHeight() const { return grid_->height(); }

void CScheduleChartWnd::Layout() {
    const int units = model_.unitsOnScreen[static_cast<std::size_t>(std::clamp(model_.baseUnit, 0, 7))];
    model_.columnWidth = ColumnWidthFor(width(), units, columnWidthMin_);
    const int total = model_.GetUnitCount();
    const int page = GetVisibleColumnCount(true);
    hScrollMax_ = ScrollMaxFor(total, page);
    const int pos = std::min(hScroll_.GetScrollPos(), hScrollMax_);
    hScroll_.SetScrollInfo({0, hScrollMax_, std::max(1, page), pos, 0}, ui::SIF_RANGE | ui::SIF_PAGE | ui::SIF_POS);
    const int barHeight = bar_->isHidden() ? 0 : bar_->sizeHint().height();
    const int top = timeBar_->GetHeight();
    timeBar_->setGeometry(0, 0, width(), top);
    bar_->setGeometry(0, height() - barHeight, width(), barHeight);
    grid_->setGeometry(0, top, width(), std::max(0, height() - top - barHeight));
    timeBar_->update();
    grid_->update();
}

int CScheduleChartWnd::GetVisibleColumnCount(bool wholeOnly) const {
    const int width = this->width();
    const int column = model_.ColumnWidth();
    return WholeUnits(width, column) + (!wholeOnly && width % column != 0 ? 1 : 0);
}

CDateTime CScheduleChartWnd::GetFirstVisibleDateTime() const {
    const CDateTime start(model_.FirstDay(), CTimeOfDay(model_.DayStart()));
    return model_.StepUnits(start, hScroll_.GetScrollPos());
}

void CScheduleChartWnd::ScrollToDateTime(const CDateTime& target, bool repaint) {
    if (target.date.GetJulianDay() == CDate::kInvalid) return;
    const CDateTime start(model_.FirstDay(), CTimeOfDay(model_.DayStart()));
    const int position = LastColumnNotAfter(
        hScrollMax_, [&](int n) { return n == 0 ? !(target < start) : !(target < model_.StepUnits(start, n)); });
    // A go-to, and a new base unit on its way here, number the columns
    // afresh: the selected cells' numbers would mark other columns.
    grid_->CancelAll();
    grid_->ClearSelection(false);
    hScroll_.SetScrollPos(position);
    view_->UpdateRows(repaint);
}

CDateTime CScheduleChartWnd::GetDateTimeAtX(int x, bool columnStartOnly) const {
    const int column = std::max(0, ColumnFromX(x));
    CDateTime at = model_.StepUnits(GetFirstVisibleDateTime(), column);
    if (!columnStartOnly && model_.baseUnit < 4) {
        const int width = model_.ColumnWidth();
        const int inside = x - column * width + 1;
        at.AddMinutes(inside * model_.CellMinutes() / width);
    }
    return at;
}

int CScheduleChartWnd::ColumnFromX(int x) const { return ::ColumnFromX(x, width(), model_.ColumnWidth()); }

int CScheduleChartWnd::GetRowAtY(int y) const {
    const int line = LineFromY(y, view_->FirstVisibleLine(), view_->LineHeight());
    int row = 0, lineInRow = 0;
    bool isLast = false;
    return line >= 0 && model_.RowFromLine(line, row, lineInRow, isLast) ? row : -1;
}

void CScheduleChartWnd::ToggleAllGroups() {
    const bool resources = model_.resourceMode;
    std::string resourceText, taskText;
    model_.FormatCollapsedGroups(resourceText, taskText);
    const bool noneCollapsed = (resources ? resourceText : taskText).empty();
    model_.ClearCollapsedGroups(resources);
    CPlanData* plan = model_.Context().plan;
    if (noneCollapsed && plan != nullptr) {
        if (resources) {
            for (int i = 0; CResourceGroup* group = plan->resourceGroups->GetAt(i); ++i)
                model_.SetResourceGroupCollapsed(group, true);
        } else {
            for (int i = 0; CTaskGroup* group = plan->taskGroups->GetAt(i); ++i)
                model_.SetTaskGroupCollapsed(group, true);
        }
    }
    grid_->ClearSelection(false);
    view_->UpdateRows(true);
}

int CScheduleChartWnd::OnKeyDown(int virtualKey) {
    if (virtualKey == ui::VK_LEFT) OnHScroll(ui::SB_LINEUP, 0);
    else if (virtualKey == ui::VK_RIGHT) OnHScroll(ui::SB_LINEDOWN, 0);
    else return 0;
    return 1;
}

void CScheduleChartWnd::OnHScroll(int code, int thumbPos) {
    if (code == ui::SB_THUMBTRACK) {
        ShowTrackTip(thumbPos);
        return;
    }
    const int old = hScroll_.GetScrollPos();
    // Codes move within the positions the bar can take: a step past the
    // last page changes nothing.
    const int page = GetVisibleColumnCount(true);
    const int pos = ScrollTarget(code, {old, page, LastScrollPosition(hScrollMax_, page)}, thumbPos);
    if (pos == old && code != ui::SB_THUMBPOSITION) return;
    tooltip_.Hide();
    timeBar_->EndHover();
    grid_->HideTooltip();
    hScroll_.SetScrollPos(pos);
    grid_->ShiftSelection(old - hScroll_.GetScrollPos());
    view_->UpdateRows(true);
    grid_->ResendMouseMove();
}

void CScheduleChartWnd::ShowTrackTip(int column) {
    const CDateTime at = model_.StepUnits(CDateTime(model_.FirstDay(), CTimeOfDay(model_.DayStart())),
                                          std::clamp(column, 0, hScrollMax_));
    const std::string text = TooltipPlainText(plat::FormatChecked(
        plat::LoadResString(ids::SCHEDULE_COLUMN_TRACK_TIP), {FormatDateForUnit(at, model_.baseUnit)}));
    if (!tooltip_.isHidden()) {
        tooltip_.UpdateText(text);
        return;
    }
    // Centred on the pointer's x, its bottom 20 pixels above the pane's.
    const int bottom = mapToGlobal(QPoint(0, height() - 20)).y();
    tooltip_.ShowAt(QCursor::pos().x(), bottom, text, kTooltipCentreX | kTooltipBottomAtY);
}

bool CScheduleChartWnd::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM, ui::LRESULT& result) {
    if (message != WM_HSCROLL_CODE) return false;
    OnHScroll(static_cast<int>(wParam & 0xFFFF), static_cast<int>(wParam >> 16));
    result = 0;
    return true;
}

void CScheduleChartWnd::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Layout();
}
