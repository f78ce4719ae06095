#include "schedule_view_wnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "host_messages.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "plugin_base.h"
#include "schedule_chart_wnd.h"
#include "schedule_geometry.h"
#include "schedule_grid_wnd.h"
#include "schedule_label_wnd.h"
#include "string_ids.h"
#include "support/ini_transfer.h"
#include "support/setting_ranges.h"
#include "time_bar_wnd.h"
#include "tooltip_markup.h"
#include "ui/key_codes.h"
#include "ui/scroll_bar.h"

namespace {
constexpr std::string_view kLabelWidthKey = "ViewScheduleLabelWidth";
constexpr int kAltBit = 0x10;
}  // namespace

CScheduleViewWnd::CScheduleViewWnd(QWidget* parent)
    : ui::MessageWidget<QWidget>(parent),
      label_(new CScheduleLabelWnd(this, this)),
      chart_(new CScheduleChartWnd(this, this)),
      bar_(new QScrollBar(Qt::Vertical, this)),
      dragFeedback_(new QWidget(this)),
      vScroll_(bar_, [this](int code, int thumb) { OnVScroll(code, thumb); }) {
    setObjectName("CScheduleViewWnd");
    setMouseTracking(true);
    dragFeedback_->setObjectName("ScheduleDividerDrag");
    dragFeedback_->setAttribute(Qt::WA_TransparentForMouseEvents);
    dragFeedback_->setStyleSheet("background-color: #808080;");
    dragFeedback_->hide();
    tooltip_.Create(this);
    hide();
}

void CScheduleViewWnd::LoadLayout(const std::string& iniPath) {
    IniToStore(PluginSettingGetter(), PluginSettingSetter(), "Views", kLabelWidthKey, iniPath);
}

void CScheduleViewWnd::SaveLayout(const std::string& iniPath) {
    StoreToIni(PluginSettingGetter(), "Views", kLabelWidthKey, iniPath);
}

const CScheduleModel& CScheduleViewWnd::Model() const { return chart_->Model(); }
CScheduleModel& CScheduleViewWnd::Model() { return chart_->Model(); }

bool CScheduleViewWnd::IsResourceMode() const { return chart_->Model().resourceMode; }
void CScheduleViewWnd::SetResourceMode(bool resourceMode) { chart_->Model().resourceMode = resourceMode; }

int CScheduleViewWnd::ClientWidth() const { return std::max(0, width() - bar_->sizeHint().width()); }

void CScheduleViewWnd::LoadSettings() {
    label_->LoadSettings();
    chart_->LoadSettings();
    const SettingGetter get = PluginSettingGetter();
    dividerWidth_ = GetIntSettingIn(get, "ViewScheduleDividerWidth", 5, 1, kMaxPixelsSetting);
    labelWidth_ = GetIntSettingIn(get, kLabelWidthKey, 150, 0, kMaxPixelsSetting);
    gridWidthMin_ = std::max(0, GetIntSetting(get, "ViewScheduleGridWidthMin", 20));
    // Both heights can come out 0 (zero factors): a line is never thinner than a pixel.
    lineHeight_ = std::max({1, chart_->Grid()->GetLineHeight(), label_->GetRowHeight()});
}

void CScheduleViewWnd::Layout() {
    const int client = ClientWidth();
    const int chartLeft = labelWidth_ + dividerWidth_;
    chart_->setGeometry(chartLeft, 0, std::max(0, client - chartLeft), height());
    chart_->Layout();
    label_->setGeometry(0, 0, labelWidth_, height());
    label_->update();
    bar_->setGeometry(client, 0, width() - client, height());
    update();
}

void CScheduleViewWnd::ApplySettings(bool repaint) {
    LoadSettings();
    Layout();
    UpdateRows(false);
    if (repaint) RedrawRows();
}

void CScheduleViewWnd::UpdateRows(bool repaint) {
    CScheduleModel& model = chart_->Model();
    model.LayoutRows(chart_->GetFirstVisibleDateTime(), chart_->GetVisibleColumnCount(false));
    const int page = WholeUnits(chart_->GridHeight(), lineHeight_);
    vScrollMax_ = ScrollMaxFor(model.GetTotalLines(), page);
    vScroll_.SetScrollInfo({0, vScrollMax_, std::max(1, page), vScroll_.GetScrollPos(), 0},
                           ui::SIF_RANGE | ui::SIF_PAGE | ui::SIF_DISABLENOSCROLL);
    chart_->Grid()->ClampSelection();
    RefreshStatusBar();
    if (repaint) RedrawRows();
    firstVisible_ = chart_->GetFirstVisibleDateTime();
}

void CScheduleViewWnd::RedrawRows() {
    label_->update();
    chart_->TimeBar()->update();
    chart_->Grid()->update();
}

void CScheduleViewWnd::RefreshStatusBar() {
    label_->RefreshStatusBar();
    chart_->Grid()->RefreshStatusBar();
}

void CScheduleViewWnd::OnVScroll(int code, int thumbPos) {
    const ScrollState state{vScroll_.GetScrollPos(), WholeUnits(chart_->GridHeight(), lineHeight_), vScrollMax_};
    if (code == ui::SB_THUMBTRACK) {
        ShowTrackTip(thumbPos);
        return;
    }
    int pos = ScrollTarget(code, state, thumbPos);
    if (code == ui::SB_THUMBPOSITION) {
        pos = SnapToRowStart(Model(), pos, state);
    } else if (pos == state.pos) {
        return;
    }
    tooltip_.Hide();
    chart_->TimeBar()->EndHover();
    label_->EndHover();
    chart_->Grid()->HideTooltip();
    vScroll_.SetScrollPos(pos);
    RedrawRows();
    RefreshStatusBar();
    chart_->Grid()->ResendMouseMove();
}

void CScheduleViewWnd::ShowTrackTip(int line) {
    int row = 0, lineInRow = 0;
    bool isLast = false;
    std::string name;
    bool isGroup = false, indented = false;
    if (Model().RowFromLine(line, row, lineInRow, isLast)) Model().GetRowLabel(row, name, isGroup, indented);
    const std::string text =
        TooltipPlainText(plat::FormatChecked(plat::LoadResString(ids::SCHEDULE_ROW_TRACK_TIP), {name}));
    if (!tooltip_.isHidden()) {
        tooltip_.UpdateText(text);
        return;
    }
    // Left of and above the point at the client's right edge and the cursor's height.
    const QPoint at = mapToGlobal(QPoint(ClientWidth(), mapFromGlobal(QCursor::pos()).y()));
    tooltip_.ShowAt(at.x(), at.y(), text, kTooltipRightAtX | kTooltipBottomAtY);
}

int CScheduleViewWnd::OnKeyDown(int virtualKey, int modifiers) {
    if ((modifiers & kAltBit) != 0) return 0;
    int code = -1;
    switch (virtualKey) {
    case ui::VK_PRIOR: code = ui::SB_PAGEUP; break;
    case ui::VK_NEXT: code = ui::SB_PAGEDOWN; break;
    case ui::VK_END: code = ui::SB_BOTTOM; break;
    case ui::VK_HOME: code = ui::SB_TOP; break;
    case ui::VK_UP: code = ui::SB_LINEUP; break;
    case ui::VK_DOWN: code = ui::SB_LINEDOWN; break;
    default: return chart_->OnKeyDown(virtualKey);
    }
    OnVScroll(code, 0);
    return 1;
}

bool CScheduleViewWnd::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) {
    result = 1;
    switch (message) {
    case WM_VSCROLL_CODE: OnVScroll(static_cast<int>(wParam & 0xFFFF), static_cast<int>(wParam >> 16)); return true;
    case WM_VIEW_ACTIVATED:
        // A hidden view hears of no change: what it kept may be gone.
        chart_->Grid()->OnDataChanged(kChangeDocumentReplaced);
        ApplySettings(true);
        if (pendingGoto_.date.GetJulianDay() != CDate::kInvalid) {
            chart_->ScrollToDateTime(pendingGoto_, true);
            pendingGoto_.date.SetJulianDay(CDate::kInvalid);
        }
        return true;
    case WM_VIEW_SETTINGS_CHANGED: {
        const CDateTime first = firstVisible_;
        ApplySettings(false);
        chart_->ScrollToDateTime(first, true);
        return true;
    }
    case WM_VIEW_DATA_CHANGED: {
        const CDateTime first = firstVisible_;
        const auto mask = static_cast<std::uint32_t>(lParam);
        chart_->Grid()->CancelAll();
        if ((mask & 1) != 0) {
            Model().ClearCollapsedGroups(true);
            Model().ClearCollapsedGroups(false);
            ApplySettings(false);
        } else if ((mask & 2) == 0) {
            Model().PruneCollapsedGroups();
            UpdateRows(false);
        } else {
            ApplySettings(false);
            chart_->ScrollToDateTime(first, false);
        }
        chart_->Grid()->OnDataChanged(mask);
        RedrawRows();
        return true;
    }
    case WM_VIEW_FILTER_CHANGED:
        Model().PruneCollapsedGroups();
        UpdateRows(false);
        chart_->Grid()->OnFilterChanged();
        RedrawRows();
        return true;
    case WM_PLUGIN_GOTO_DATE: {
        auto* dateTime = reinterpret_cast<CDateTime*>(lParam);
        if (dateTime == nullptr) return true;
        if (wParam == 0) *dateTime = chart_->GetFirstVisibleDateTime();
        else if (!isHidden()) chart_->ScrollToDateTime(*dateTime, true);
        else pendingGoto_ = *dateTime;
        return true;
    }
    case WM_PLUGIN_VIEW_COMMAND: chart_->ToggleAllGroups(); return true;
    case WM_PLUGIN_GET_SELECTION:
        if (lParam != 0) chart_->Grid()->GetSelection(*reinterpret_cast<SelectionRecord*>(lParam));
        return true;
    case WM_PLUGIN_PREPARE_REPORT: WriteReportSettings(); return true;
    default: return false;
    }
}

void CScheduleViewWnd::WriteReportSettings() const {
    const SettingSetter set = PluginSettingSetter();
    BookingRange period;
    if (chart_->Grid()->GetVisiblePeriod(chart_->GetVisibleColumnCount(false), period)) {
        SetDateSetting(set, "ViewVisibleDateFirst", period.start.date);
        SetDateSetting(set, "ViewVisibleDateLast", period.end.date);
        SetIntSetting(set, "ViewVisibleTimeFirst", period.start.time.GetMinutes());
        SetIntSetting(set, "ViewVisibleTimeLast", period.end.time.GetMinutes());
    }
    std::string resources, tasks;
    Model().FormatCollapsedGroups(resources, tasks);
    set("ViewGroupsCollapsedResources", resources);
    set("ViewGroupsCollapsedTasks", tasks);
}

void CScheduleViewWnd::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    ApplySettings(true);
}

void CScheduleViewWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect divider(labelWidth_, 0, dividerWidth_, height());
    const QPalette& colors = palette();
    painter.fillRect(divider, colors.color(QPalette::Button));
    painter.setPen(colors.color(QPalette::Light));
    painter.drawLine(divider.topLeft(), divider.bottomLeft());
    painter.setPen(colors.color(QPalette::Dark));
    painter.drawLine(divider.topRight(), divider.bottomRight());
}

bool CScheduleViewWnd::OnDivider(int x) const { return x >= labelWidth_ && x < labelWidth_ + dividerWidth_; }

void CScheduleViewWnd::mousePressEvent(QMouseEvent* e) {
    const int x = e->position().toPoint().x();
    if (e->button() != Qt::LeftButton || dragging_ || !OnDivider(x)) return;
    dragLeft_ = 0;
    dragRight_ = ClientWidth() - gridWidthMin_;
    dragX_ = labelWidth_;
    dragging_ = true;
    dragFeedback_->setGeometry(dragX_, 0, dividerWidth_, height());
    dragFeedback_->raise();
    dragFeedback_->show();
}

void CScheduleViewWnd::mouseMoveEvent(QMouseEvent* e) {
    const int x = e->position().toPoint().x();
    if (!dragging_) {
        setCursor(OnDivider(x) ? Qt::SplitHCursor : Qt::ArrowCursor);
        return;
    }
    const int clamped = ClampDivider(x, dragLeft_, dragRight_);
    if (clamped == dragX_) return;
    dragX_ = clamped;
    dragFeedback_->move(dragX_, 0);
}

void CScheduleViewWnd::mouseReleaseEvent(QMouseEvent* e) {
    if (dragging_ && e->button() == Qt::LeftButton) EndDrag(true);
}

void CScheduleViewWnd::mouseDoubleClickEvent(QMouseEvent*) { EndDrag(false); }

void CScheduleViewWnd::EndDrag(bool apply) {
    if (!dragging_) return;
    dragging_ = false;
    dragFeedback_->hide();
    if (!apply) return;
    labelWidth_ = dragX_;
    SetIntSetting(PluginSettingSetter(), kLabelWidthKey, labelWidth_);
    Layout();
}
