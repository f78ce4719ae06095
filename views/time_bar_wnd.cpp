#include "time_bar_wnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <charconv>
#include <vector>

#include "drawing.h"
#include "host_messages.h"
#include "plat/resource_strings.h"
#include "plugin_base.h"
#include "schedule_chart_wnd.h"
#include "schedule_geometry.h"
#include "support/time_bar_labels.h"
#include "ui/message.h"
#include "ui/popup_menu.h"
#include "ui/scroll_bar.h"

namespace {

constexpr std::array<int, 8> kMajorDefaults = {3, 3, 3, 4, 6, 6, 6, 7};
constexpr std::array<int, 8> kMinorDefaults = {0, 0, 0, 1, 3, 4, 4, 6};

// The host's commands on the time bar's menu; the host decides whether each runs.
constexpr unsigned kMenuCommands[] = {ID_HOST_GO_TO_TODAY, ID_HOST_GO_TO_DATE, ID_HOST_UNITS_ON_SCREEN,
                                      ID_HOST_SCHEDULE_OPTIONS};

// The first eight numbers of the list replace the table's entries in order.
void LoadUnitTable(const SettingGetter& get, std::string_view key, std::array<int, 8>& table) {
    std::vector<std::string> items;
    GetListSetting(get, key, items, " \n");
    for (std::size_t i = 0; i < items.size() && i < table.size(); ++i) {
        int value = 0;
        const auto [end, error] = std::from_chars(items[i].data(), items[i].data() + items[i].size(), value);
        if (error == std::errc() && end == items[i].data() + items[i].size()) table[i] = value;
    }
}

// The unit of the upper band's cells over a base unit.
int UpperCellUnit(int baseUnit) {
    if (baseUnit <= 2) return 3;
    if (baseUnit == 3) return 4;
    return baseUnit <= 5 ? 6 : 7;
}

}  // namespace

CTimeBarWnd::CTimeBarWnd(CScheduleChartWnd* chart, QWidget* parent)
    : QWidget(parent), chart_(chart), hover_(this, [this](QPoint at) { return HoverTarget(at); }) {
    setObjectName("CTimeBarWnd");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CTimeBarWnd::LoadSettings() {
    const SettingGetter get = PluginSettingGetter();
    bar_.SetDefaults();
    bar_.LoadSettings(get);
    majorUnit_ = kMajorDefaults;
    minorUnit_ = kMinorDefaults;
    std::string face = GetStringSetting(get, "ViewFont", "Arial");
    if (face.empty()) face = "Arial";
    const int size = GetViewFontSize(get, "ViewScheduleTimeBarFontSize", 70);
    LoadUnitTable(get, "ViewScheduleTimeBarChangeBaseOnDoubleClickMajor", majorUnit_);
    LoadUnitTable(get, "ViewScheduleTimeBarChangeBaseOnDoubleClickMinor", minorUnit_);
    font_ = CreatePointFont(logicalDpiY(), size, face, 400);
    bandHeight_ = TimeBarBandHeight(bar_.heightFactor, QFontMetrics(font_).height());
}

std::string CTimeBarWnd::HoverText(int x, int y) const {
    const int band = TimeBarBandAt(y, bandHeight_);
    if (band < 0 || chart_->ColumnFromX(x) < 0) return {};
    const CScheduleModel& model = chart_->Model();
    const int unit = band == 0 ? UpperCellUnit(model.baseUnit) : model.baseUnit;
    const CDateTime at = chart_->GetDateTimeAtX(x, true);
    if (unit != 5) return FormatDateForUnit(at, unit);
    CDate last = AddDays(at.date, 6);
    for (int i = 0; i < 6 && model.hideNonWorkingTime && !model.IsShownWeekday(last); ++i) last = AddDays(last, -1);
    return FormatDateForUnit(at, 4) + " - " + FormatDateForUnit(CDateTime(last), 4);
}

void CTimeBarWnd::ChangeBaseUnit(int x, int y) {
    const CScheduleModel& model = chart_->Model();
    const int current = model.baseUnit;
    CDateTime anchor = chart_->GetDateTimeAtX(x, true);
    const int band = TimeBarBandAt(y, bandHeight_);
    int next = band == 0 ? majorUnit_[static_cast<std::size_t>(current)]
               : band == 1 ? minorUnit_[static_cast<std::size_t>(current)] : current;
    // A table entry outside the units changes nothing.
    if (next < 0 || next > 7) next = current;
    if (next == current) return;
    SetIntSetting(PluginSettingSetter(), "ViewScheduleBaseUnit", next);
    if (g_hostApi.IsBound()) g_hostApi.onSettingsChanged();
    if (current > 3 && next < 4) anchor.time = CTimeOfDay(model.hideNonWorkingTime ? model.DayStart() : 0);
    chart_->ScrollToDateTime(anchor, true);
}

void CTimeBarWnd::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    const QRect box = e->rect();
    CMemDC mem(painter, ui::Rect::FromQRect(box));
    if (!mem.IsActive()) return;
    QelDC& dc = mem.dc();
    dc.FillSolidRect({0, 0, width(), height()}, bar_.minorBackground);
    dc.SelectFont(font_);
    if (chart_->Model().Columns().empty() && chart_->Model().IsEmptyAxis()) return;
    bar_.Draw(dc, chart_->Model(), 0, 0, width(), bandHeight_, chart_->GetFirstVisibleDateTime());
}

void CTimeBarWnd::mouseMoveEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    const bool lower = TimeBarBandAt(at.y(), bandHeight_) == 1;
    const std::string label = lower && chart_->ColumnFromX(at.x()) >= 0
                                  ? FormatTimeBarLabel(chart_->GetDateTimeAtX(at.x(), false),
                                                       chart_->Model().baseUnit < 4 ? 1 : 3, false)
                                  : std::string();
    SendStatusBarText("", label.c_str());
    hover_.MouseMoved(at);
}

CHoverTooltip::Target CTimeBarWnd::HoverTarget(QPoint at) const {
    const std::string text = HoverText(at.x(), at.y());
    if (text.empty()) return {};
    const int width = chart_->Model().ColumnWidth();
    const int column = chart_->ColumnFromX(at.x());
    const int top = TimeBarBandAt(at.y(), bandHeight_) == 0 ? 0 : bandHeight_;
    return {text, QRect(column * width, top, width, bandHeight_ + 1)};
}

void CTimeBarWnd::mousePressEvent(QMouseEvent* e) {
    EndHover();
    if (e->button() == Qt::RightButton) {
        ShowMenu(e->globalPosition().toPoint());
        return;
    }
    QWidget::mousePressEvent(e);
}

void CTimeBarWnd::ShowMenu(QPoint screen) {
    ui::PopupMenu menu;
    for (unsigned id : kMenuCommands) menu.Append(0, id, plat::CommandNameOf(plat::LoadResString(id)));
    const unsigned chosen = menu.Track(this, screen);
    if (chosen != 0) ui::SendMessage(window(), WM_COMMAND, chosen, 0);
}

void CTimeBarWnd::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    if (GetBoolSetting(PluginSettingGetter(), "ViewScheduleTimeBarChangeBaseOnDoubleClick", true)) {
        const QPoint at = e->position().toPoint();
        ChangeBaseUnit(at.x(), at.y());
    } else {
        // The host's dialog then chooses the unit.
        ui::SendMessage(window(), WM_COMMAND, ID_HOST_SCHEDULE_OPTIONS, 0);
    }
}

void CTimeBarWnd::leaveEvent(QEvent* e) {
    EndHover();
    SendStatusBarText("", "");
    QWidget::leaveEvent(e);
}
