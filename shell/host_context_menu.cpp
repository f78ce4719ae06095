// The host's own items at the top of every plugin view's context menu.

#include <cstdint>
#include <string_view>
#include <vector>

#include "booking_clipboard.h"
#include "host_objects.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "plugin_api.h"
#include "string_ids.h"

namespace {

// Frame commands behind the item indices 0 to 5.
constexpr unsigned kItemCommands[] = {32768, 32769, 32770, 32781, 32782, 32783};

std::int32_t RunHostMenuItem(std::intptr_t /*context*/, std::uint32_t index) {
    IHostFrame* frame = Host().frame;
    if (frame != nullptr && index < std::size(kItemCommands)) {
        frame->RunFrameCommand(kItemCommands[index]);
    }
    return 1;
}

// The current selection, with arrays sized for every record of the document.
struct Selection {
    std::vector<CBooking*> bookings;
    std::vector<CResourceGroup*> resourceGroups;
    std::vector<CResource*> resources;
    std::vector<CTaskGroup*> taskGroups;
    std::vector<CTask*> tasks;
    SelectionRecord record{};

    explicit Selection(CPlanData* data) {
        if (data != nullptr) {
            bookings.resize(static_cast<std::size_t>(data->bookings->GetCount()));
            resourceGroups.resize(static_cast<std::size_t>(data->resourceGroups->GetCount()));
            resources.resize(static_cast<std::size_t>(data->resources->GetCount()));
            taskGroups.resize(static_cast<std::size_t>(data->taskGroups->GetCount()));
            tasks.resize(static_cast<std::size_t>(data->tasks->GetCount()));
        }
        Attach(record.bookings, record.bookingCapacity, bookings);
        Attach(record.resourceGroups, record.resourceGroupCapacity, resourceGroups);
        Attach(record.resources, record.resourceCapacity, resources);
        Attach(record.taskGroups, record.taskGroupCapacity, taskGroups);
        Attach(record.tasks, record.taskCapacity, tasks);
        QELA_GetCurrentSelection(&record);
    }

    template <class T>
    static void Attach(T**& array, std::int32_t& capacity, std::vector<T*>& storage) {
        array = storage.data();
        capacity = static_cast<std::int32_t>(storage.size());
    }
};

void Add(PluginAddMenuItemFn addItem, std::string_view text, std::uint32_t flags,
         std::uint32_t index) {
    PluginContextMenuItem item{};
    item.handler = &RunHostMenuItem;
    plat::CopyBounded(item.text, sizeof item.text, text);
    item.flags = flags;
    IHostFrame* frame = Host().frame;
    item.context = reinterpret_cast<std::intptr_t>(frame != nullptr ? frame->Window() : nullptr);
    item.index = index;
    addItem(&item);
}

void AddItem(PluginAddMenuItemFn addItem, unsigned textId, std::uint32_t index, bool enabled) {
    Add(addItem, plat::LoadResString(textId), enabled ? 0 : PLUGIN_MENU_GRAYED, index);
}

}  // namespace

void AddHostContextMenuItems(PluginAddMenuItemFn addItem) {
    CPlanData* data = Host().data;
    const Selection selection(data);
    const bool readOnly = data != nullptr && data->properties->IsWriteProtected();
    const bool writable = data != nullptr && !readOnly;
    const bool period = selection.record.startDate != 0;
    const bool bookings = selection.record.bookingCount > 0;
    const bool anyResource = data != nullptr && data->resources->GetCount() > 0;

    AddItem(addItem, ids::CONTEXT_NEW_BOOKING, 0, writable && period && anyResource);
    AddItem(addItem, readOnly ? ids::CONTEXT_VIEW_BOOKING : ids::CONTEXT_EDIT_BOOKING, 1, bookings);
    AddItem(addItem, ids::CONTEXT_DELETE_BOOKINGS, 2, writable && bookings);
    Add(addItem, "", PLUGIN_MENU_SEPARATOR, 0);
    AddItem(addItem, ids::CONTEXT_CUT_BOOKING, 3, writable && bookings);
    AddItem(addItem, ids::CONTEXT_COPY_BOOKING, 4, writable && bookings);
    AddItem(addItem, ids::CONTEXT_PASTE_BOOKING, 5, writable && period && CanPasteBooking());
}
