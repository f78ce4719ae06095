#include "schedule_label_wnd.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>

#include "drawing.h"
#include "host_messages.h"
#include "plat/resource_strings.h"
#include "plugin_base.h"
#include "schedule_chart_wnd.h"
#include "schedule_geometry.h"
#include "schedule_grid_wnd.h"
#include "schedule_model.h"
#include "schedule_view_wnd.h"
#include "string_ids.h"
#include "support/setting_ranges.h"
#include "time_bar_wnd.h"
#include "tooltip_markup.h"
#include "ui/message.h"
#include "ui/popup_menu.h"
#include "ui/prompts.h"

namespace {

// The commands of the row menu.
constexpr unsigned kMenuAdd = 32785;
constexpr unsigned kMenuDelete = 32787;
constexpr unsigned kMenuEdit = 32791;

std::int32_t RunHostCommand(const char* name, void* record) {
    return g_hostApi.command != nullptr ? g_hostApi.command(name, record) : 0;
}

}  // namespace

CScheduleLabelWnd::CScheduleLabelWnd(CScheduleViewWnd* view, QWidget* parent)
    : QWidget(parent), view_(view), hover_(this, [this](QPoint at) { return HoverTarget(at); }) {
    setObjectName("CScheduleLabelWnd");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void CScheduleLabelWnd::LoadSettings() {
    const SettingGetter get = PluginSettingGetter();
    settings_.SetDefaults();
    settings_.LoadSettings(get);
    std::string face = GetStringSetting(get, "ViewFont", "Arial");
    if (face.empty()) face = "Arial";
    const int labelSize = GetViewFontSize(get, "ViewScheduleLabelFontSize", 100);
    const int barSize = GetViewFontSize(get, "ViewScheduleTimeBarFontSize", 70);
    indent_ = GetIntSettingIn(get, "ViewScheduleLabelIndent", 3, 0, kMaxPixelsSetting);
    indentSubItem_ = GetIntSettingIn(get, "ViewScheduleLabelIndentSubItem", 40, 0, kMaxPixelsSetting);
    const int dpi = logicalDpiY();
    headerFont_ = CreatePointFont(dpi, barSize * settings_.headerFontFactor / 100, face, 700);
    groupFont_ = CreatePointFont(dpi, labelSize, face, settings_.groupFontBold ? 700 : 400);
    itemFont_ = CreatePointFont(dpi, labelSize, face, 400);
    expanderSize_ = ExpanderSize(GetRowHeight(), settings_.rowHeightFactor);
    setAccessibleName(QString::fromStdString(Title()));
}

std::string CScheduleLabelWnd::Title() const {
    return plat::LoadResString(view_->Model().resourceMode ? ids::SCHEDULE_HEADER_RESOURCES : ids::SCHEDULE_HEADER_TASKS);
}

int CScheduleLabelWnd::GetRowHeight() const { return settings_.rowHeightFactor * QFontMetrics(groupFont_).height() / 100; }

int CScheduleLabelWnd::HeaderHeight() const { return view_->Chart()->TimeBar()->GetHeight(); }

int CScheduleLabelWnd::HitTest(int x, int y, bool& onExpander) const {
    onExpander = false;
    const int row = view_->Chart()->GetRowAtY(y - HeaderHeight());
    if (row < 0 || y < HeaderHeight()) return -1;
    std::string text;
    bool isGroup = false, indented = false;
    if (view_->Model().GetRowLabel(row, text, isGroup, indented) < 0) return -1;
    onExpander = isGroup && OnExpander(x, indent_, expanderSize_);
    return row;
}

void CScheduleLabelWnd::ToggleGroup(int row) {
    CScheduleModel& model = view_->Model();
    if (row < 0 || row >= static_cast<int>(model.Rows().size())) return;
    const ScheduleRowItem& item = model.Rows()[static_cast<std::size_t>(row)].item;
    if (item.resourceGroup != nullptr && item.resource == nullptr)
        model.SetResourceGroupCollapsed(item.resourceGroup, !model.IsResourceGroupCollapsed(item.resourceGroup));
    else if (item.taskGroup != nullptr && item.task == nullptr)
        model.SetTaskGroupCollapsed(item.taskGroup, !model.IsTaskGroupCollapsed(item.taskGroup));
    else
        return;
    // The rows are numbered afresh: selected cells would name other rows.
    view_->Chart()->Grid()->ClearSelection(false);
    view_->UpdateRows(true);
}

int CScheduleLabelWnd::TextInset(bool isGroup, bool indented) const {
    return (indented ? indentSubItem_ : indent_) + (isGroup ? expanderSize_ * 3 / 2 : 0);
}

std::string CScheduleLabelWnd::CutOffName(int row) const {
    std::string text;
    bool isGroup = false, indented = false;
    if (row < 0 || view_->Model().GetRowLabel(row, text, isGroup, indented) < 0 || text.empty()) return {};
    const int textWidth = QFontMetrics(isGroup ? groupFont_ : itemFont_).horizontalAdvance(QString::fromStdString(text));
    return TextInset(isGroup, indented) + textWidth > width() ? text : std::string();
}

CHoverTooltip::Target CScheduleLabelWnd::HoverTarget(QPoint at) const {
    bool onExpander = false;
    const std::string name = CutOffName(HitTest(at.x(), at.y(), onExpander));
    if (name.empty()) return {};
    const int header = HeaderHeight();
    const int lineHeight = std::max(1, view_->LineHeight());
    const int top = header + (at.y() - header) / lineHeight * lineHeight;
    return {TooltipPlainText(name), QRect(0, top, width(), lineHeight)};
}

void CScheduleLabelWnd::DrawExpander(QelDC& dc, int left, const ui::Rect& line, bool collapsed) const {
    const int size = expanderSize_;
    const int top = line.top + (line.height() - size) / 2;
    const ui::Rect box{left, top, left + size, top + size};
    dc.SelectPen(0x808080);
    dc.SelectSolidBrush(0xFFFFFF);
    dc.Rectangle(box);
    const int inset = size / 4;
    const int middle = top + size / 2;
    dc.SelectPen(0);
    dc.MoveTo(left + inset, middle);
    dc.LineTo(left + size - inset, middle);
    if (collapsed) {
        dc.MoveTo(left + size / 2, top + inset);
        dc.LineTo(left + size / 2, top + size - inset);
    }
}

void CScheduleLabelWnd::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    const QRect box = e->rect();
    const ui::Rect clip = ui::Rect::FromQRect(box);
    CMemDC mem(painter, clip);
    if (!mem.IsActive()) return;
    QelDC& dc = mem.dc();
    dc.SetBkMode(ui::TRANSPARENT);
    const int header = HeaderHeight();
    const ui::Rect headerRect{0, 0, width(), header};
    dc.FillSolidRect(headerRect, settings_.headerBackground);
    dc.SelectFont(headerFont_);
    dc.SetTextColor(settings_.headerText);
    const CScheduleModel& model = view_->Model();
    DrawTextInRect(dc, Title(), {indent_, 0, width(), header}, headerRect, kAlignLeft, true);
    dc.SelectPen(settings_.headerGrid);
    dc.MoveTo(0, header - 1);
    dc.LineTo(width(), header - 1);
    dc.FillSolidRect({0, header, width(), height()}, settings_.itemBackground);

    const int lineHeight = std::max(1, view_->LineHeight());
    for (int line = view_->FirstVisibleLine(), top = header; top < height(); ++line, top += lineHeight) {
        int row = 0, lineInRow = 0;
        bool isLast = false;
        if (!model.RowFromLine(line, row, lineInRow, isLast)) break;
        if (top + lineHeight <= clip.top) continue;
        std::string text;
        bool isGroup = false, indented = false;
        const int state = model.GetRowLabel(row, text, isGroup, indented);
        const ui::Rect lineRect{0, top, width(), top + lineHeight};
        const ui::COLORREF background = state == 1 ? settings_.groupBackground
                                        : state == 2 ? settings_.collapsedGroupBackground : settings_.itemBackground;
        const ui::COLORREF color = state == 1 ? settings_.groupText
                                   : state == 2 ? settings_.collapsedGroupText : settings_.itemText;
        dc.FillSolidRect(lineRect, background);
        if (isGroup && lineInRow == 0) DrawExpander(dc, indented ? indentSubItem_ : indent_, lineRect, state == 2);
        const int inset = TextInset(isGroup, indented);
        if (lineInRow == 0) {
            dc.SelectFont(isGroup ? groupFont_ : itemFont_);
            dc.SetTextColor(color);
            DrawTextInRect(dc, text, {inset, top, width(), top + lineHeight}, lineRect, kAlignLeft, true);
        }
        if (isLast) {
            dc.SelectPen(settings_.rowGrid);
            dc.MoveTo(0, lineRect.bottom - 1);
            dc.LineTo(width(), lineRect.bottom - 1);
        }
    }
}

void CScheduleLabelWnd::ShowRowMenu(int x, int y) {
    bool onExpander = false;
    const int row = HitTest(x, y, onExpander);
    const bool resourceMode = view_->Model().resourceMode;
    const unsigned itemFlags = row < 0 ? ui::MF_GRAYED : 0;
    ui::PopupMenu menu;
    menu.Append(0, kMenuAdd, plat::LoadResString(resourceMode ? ids::ITEM_LIST_NEW_RESOURCE : ids::ITEM_LIST_NEW_TASK));
    menu.Append(itemFlags, kMenuEdit, plat::LoadResString(ids::ITEM_LIST_EDIT));
    menu.Append(itemFlags, kMenuDelete, plat::LoadResString(ids::ITEM_LIST_DELETE));
    const unsigned chosen = menu.Track(this, mapToGlobal(QPoint(x, y)));
    if (chosen == kMenuAdd) {
        RunRowCommand(resourceMode ? "AddResource" : "AddTask", nullptr, true);
        return;
    }
    if ((chosen != kMenuEdit && chosen != kMenuDelete) || row >= static_cast<int>(view_->Model().Rows().size())) return;
    const ScheduleRowItem item = view_->Model().Rows()[static_cast<std::size_t>(row)].item;
    const bool edit = chosen == kMenuEdit;
    if (item.resource != nullptr) RunRowCommand(edit ? "EditResource" : "DeleteResource", item.resource, !edit);
    else if (item.task != nullptr) RunRowCommand(edit ? "EditTask" : "DeleteTask", item.task, !edit);
    else if (item.resourceGroup != nullptr)
        RunRowCommand(edit ? "EditResourceGroup" : "DeleteResourceGroup", item.resourceGroup, !edit);
    else if (item.taskGroup != nullptr)
        RunRowCommand(edit ? "EditTaskGroup" : "DeleteTaskGroup", item.taskGroup, !edit);
}

// The host refuses a change of a write-protected plan without a word; the
// menu the user chose it from says why.
void CScheduleLabelWnd::RunRowCommand(const char* name, void* record, bool changes) {
    if (RunHostCommand(name, record) != 0 || !changes) return;
    CPlanData* plan = view_->Model().Context().plan;
    if (plan != nullptr && plan->properties != nullptr && plan->properties->IsWriteProtected())
        ui::MessageBoxById(this, ids::ITEM_READ_ONLY, ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CScheduleLabelWnd::mousePressEvent(QMouseEvent* e) {
    EndHover();
    if (e->button() == Qt::RightButton) {
        ShowRowMenu(e->position().toPoint().x(), e->position().toPoint().y());
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    bool onExpander = false;
    const int row = HitTest(e->position().toPoint().x(), e->position().toPoint().y(), onExpander);
    if (onExpander) ToggleGroup(row);
}

void CScheduleLabelWnd::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const QPoint at = e->position().toPoint();
    const bool resourceMode = view_->Model().resourceMode;
    // The header opens the list of the rows' kind.
    if (at.y() < HeaderHeight()) {
        ui::SendMessage(window(), WM_COMMAND, resourceMode ? ID_HOST_RESOURCE_LIST : ID_HOST_TASK_LIST, 0);
        return;
    }
    bool onExpander = false;
    const int row = HitTest(at.x(), at.y(), onExpander);
    if (row < 0) {
        RunHostCommand(resourceMode ? "AddResource" : "AddTask", nullptr);
        return;
    }
    const ScheduleRowItem item = view_->Model().Rows()[static_cast<std::size_t>(row)].item;
    if (item.resource != nullptr) RunHostCommand("EditResource", item.resource);
    else if (item.task != nullptr) RunHostCommand("EditTask", item.task);
    // The press before this double click has toggled the expander already.
    else if (!onExpander) ToggleGroup(row);
}

void CScheduleLabelWnd::mouseMoveEvent(QMouseEvent* e) {
    UpdateStatusBar(e->position().toPoint());
    hover_.MouseMoved(e->position().toPoint());
}

void CScheduleLabelWnd::UpdateStatusBar(QPoint at) {
    bool onExpander = false;
    const int row = HitTest(at.x(), at.y(), onExpander);
    std::string text;
    bool isGroup = false, indented = false;
    if (row >= 0) view_->Model().GetRowLabel(row, text, isGroup, indented);
    SendStatusBarText(text.c_str(), "");
}

void CScheduleLabelWnd::RefreshStatusBar() {
    if (!isVisible()) return;
    const QPoint at = mapFromGlobal(QCursor::pos());
    if (rect().contains(at)) UpdateStatusBar(at);
}

void CScheduleLabelWnd::leaveEvent(QEvent* e) {
    EndHover();
    SendStatusBarText("", "");
    QWidget::leaveEvent(e);
}
