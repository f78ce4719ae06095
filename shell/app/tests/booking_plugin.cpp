// A plugin on the plugin base with one view window whose selection a test
// scripts. Besides the plugin callbacks it exports what the test drives:
// the scripted selection, the date the view shows and the one it was sent
// to, a typed setting, the status texts and a conflict check, each through
// the host.

#include <algorithm>
#include <cstring>

#include <QWidget>

#include "host_messages.h"
#include "plugin_base.h"
#include "support/calendar_values.h"
#include "ui/message.h"

namespace {

const SelectionRecord* g_script = nullptr;
CDateTime g_shown;     // the date the view reports as the one it shows
CDateTime g_wentTo;    // the date the host sent it to last

template <class T>
void CopyArray(T** to, std::int32_t capacity, T* const* from, std::int32_t count) {
    if (to == nullptr || from == nullptr) return;
    std::copy_n(from, std::clamp(count, 0, capacity), to);
}

// Fills the host's record from the script: counts always, arrays as far as they reach.
void FillSelection(SelectionRecord& out) {
    if (g_script == nullptr) return;
    const SelectionRecord& in = *g_script;
    CopyArray(out.bookings, out.bookingCapacity, in.bookings, in.bookingCount);
    CopyArray(out.resourceGroups, out.resourceGroupCapacity, in.resourceGroups, in.resourceGroupCount);
    CopyArray(out.resources, out.resourceCapacity, in.resources, in.resourceCount);
    CopyArray(out.taskGroups, out.taskGroupCapacity, in.taskGroups, in.taskGroupCount);
    CopyArray(out.tasks, out.taskCapacity, in.tasks, in.taskCount);
    out.bookingCount = in.bookingCount;
    out.resourceGroupCount = in.resourceGroupCount;
    out.resourceCount = in.resourceCount;
    out.taskGroupCount = in.taskGroupCount;
    out.taskCount = in.taskCount;
    out.startDate = in.startDate;
    out.startTime = in.startTime;
    out.endDate = in.endDate;
    out.endTime = in.endTime;
}

class SelectionView : public ui::MessageWidget<QWidget> {
public:
    using MessageWidget::MessageWidget;

protected:
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) override {
        if (message == WM_PLUGIN_GOTO_DATE && lParam != 0) {
            auto* at = reinterpret_cast<CDateTime*>(lParam);
            if (wParam == 1) g_wentTo = *at;
            else *at = g_shown;
            result = 1;
            return true;
        }
        if (message != WM_PLUGIN_GET_SELECTION) return false;
        if (lParam != 0) FillSelection(*reinterpret_cast<SelectionRecord*>(lParam));
        result = 1;
        return true;
    }
};

}  // namespace

QEL_API std::int32_t QELPlugin_OnPluginInfo(const char*, const char*, const char*, QelModule resources,
                                            PluginInfo* info) {
    if (!InitPluginBase(96)) return 0;
    SetResourceInstance(resources);
    std::strncpy(info->name, "Bookings", sizeof info->name - 1);
    return 1;
}
QEL_API std::int32_t QELPlugin_OnStart(CPlanData* data) {
    g_pluginPlanData = data;
    return 1;
}
QEL_API std::int32_t QELPlugin_OnWindowInit(QelWnd, QelWnd view) {
    QelWnd window = new SelectionView(view);
    window->setObjectName("BookingFixtureView");
    window->show();
    return g_hostApi.registerItem(QELA_REGISTER_VIEW, &window);
}

QEL_API void Fixture_SetSelection(const SelectionRecord* script) { g_script = script; }
// The date the view shows first, and the one the host sent it to last.
QEL_API void Fixture_SetShownDate(const CDateTime* shown) { g_shown = *shown; }
QEL_API void Fixture_WentTo(CDateTime* out) { *out = g_wentTo; }
QEL_API std::int32_t Fixture_ReadAndWriteInt(const char* key, std::int32_t value) {
    const int before = GetIntSetting(PluginSettingGetter(), key, -1);
    SetIntSetting(PluginSettingSetter(), key, value);
    return before;
}
QEL_API std::int32_t Fixture_SetStatus(const char* pane0, const char* pane1) {
    return SendStatusBarText(pane0, pane1) ? 1 : 0;
}
QEL_API std::int32_t Fixture_CheckConflict(CResource* resource, const CDateTime* start, const CDateTime* end,
                                           CBooking* booking) {
    return RequestBookingConflictCheck(resource, *start, *end, booking) ? 1 : 0;
}
