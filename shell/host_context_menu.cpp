// The host's own items at the top of every plugin view's context menu.

#include <cstdint>
#include <string_view>

#include "booking_clipboard.h"
#include "host_objects.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "plat/utf8.h"
#include "plugin_api.h"
#include "selection.h"
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

BookingCommandStates BookingCommandStatesOf(CPlanData* data, const SelectionRecord& selection) {
    const bool readOnly = data != nullptr && data->properties->IsWriteProtected();
    const bool writable = data != nullptr && !readOnly;
    const bool period = selection.startDate != 0;
    const bool bookings = selection.bookingCount > 0;
    const bool anyResource = data != nullptr && data->resources->GetCount() > 0;
    BookingCommandStates states;
    states.newBooking = writable && period && anyResource;
    states.edit = bookings;
    states.remove = writable && bookings;
    states.cut = writable && bookings;
    states.copy = writable && bookings;
    states.paste = writable && period && CanPasteBooking();
    return states;
}

void AddHostContextMenuItems(PluginAddMenuItemFn addItem) {
    CPlanData* data = Host().data;
    CSelection selection(data, true);
    QELA_GetCurrentSelection(selection.Record());
    const BookingCommandStates states = BookingCommandStatesOf(data, *selection.Record());
    const bool readOnly = data != nullptr && data->properties->IsWriteProtected();

    AddItem(addItem, ids::CONTEXT_NEW_BOOKING, 0, states.newBooking);
    AddItem(addItem, readOnly ? ids::CONTEXT_VIEW_BOOKING : ids::CONTEXT_EDIT_BOOKING, 1, states.edit);
    AddItem(addItem, ids::CONTEXT_DELETE_BOOKINGS, 2, states.remove);
    Add(addItem, "", PLUGIN_MENU_SEPARATOR, 0);
    AddItem(addItem, ids::CONTEXT_CUT_BOOKING, 3, states.cut);
    AddItem(addItem, ids::CONTEXT_COPY_BOOKING, 4, states.copy);
    AddItem(addItem, ids::CONTEXT_PASTE_BOOKING, 5, states.paste);
}
