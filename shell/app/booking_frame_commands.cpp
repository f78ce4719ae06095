#include "frame_commands.h"

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

#include "app_ids.h"
#include "booking_clipboard.h"
#include "booking_period.h"
#include "host_bookings.h"
#include "main_frame.h"
#include "plan_data.h"
#include "plugin_api.h"
#include "selection.h"
#include "settings_store.h"

namespace {

// The visible view's selection; with arrays when the command needs the
// records, else counts and the period only.
std::unique_ptr<CSelection> CurrentSelection(CPlanData* data, bool withArrays) {
    auto selection = std::make_unique<CSelection>(data, withArrays);
    QELA_GetCurrentSelection(selection->Record());
    return selection;
}

std::vector<CBooking*> SelectedBookings(const SelectionRecord& r) {
    if (r.bookings == nullptr || r.bookingCount <= 0) return {};
    const std::int32_t n = std::min(r.bookingCount, r.bookingCapacity);
    std::vector<CBooking*> bookings(r.bookings, r.bookings + n);
    bookings.erase(std::remove(bookings.begin(), bookings.end(), nullptr), bookings.end());
    return bookings;
}

CDateTime SelectedStart(const SelectionRecord& r) {
    return CDateTime(CDate::FromJulianDay(r.startDate), CTimeOfDay(r.startTime));
}

CDateTime SelectedEnd(const SelectionRecord& r) {
    return CDateTime(CDate::FromJulianDay(r.endDate), CTimeOfDay(r.endTime));
}

void FitToView(CPlanData* data, CDateTime& start, CDateTime* end) {
    FitSelectedPeriod(start, end, IntSetting("ViewActive", -1), IntSetting("ViewScheduleBaseUnit", 4),
                      data->properties->dayStartMinutes, data->properties->dayEndMinutes);
}

class BookingFrameCommands {
public:
    explicit BookingFrameCommands(CMainFrame& frame)
        : data_(frame.Data()),
          bookings_(frame.Data(), &frame, [](std::string_view key) { return SettingsStore().GetSetting(key); }) {}

    BookingCommandStates States() const {
        return BookingCommandStatesOf(data_, *CurrentSelection(data_, false)->Record());
    }

    void NewBooking() {
        const auto selection = CurrentSelection(data_, true);
        const SelectionRecord& r = *selection->Record();
        if (!selection->HasItems()) return;
        CDateTime start = SelectedStart(r);
        CDateTime end = SelectedEnd(r);
        FitToView(data_, start, &end);
        std::set<CResource*> resources;
        std::set<CTask*> tasks;
        selection->ExpandToItems(resources, tasks);
        bookings_.Commands().NewBooking(start, end, selection->FirstTask(), {resources.begin(), resources.end()});
    }

    // One selected booking goes to the command; several to the booking list.
    template <class Command>
    void OnSelectedBookings(Command command) {
        const auto selection = CurrentSelection(data_, true);
        const std::vector<CBooking*> selected = SelectedBookings(*selection->Record());
        if (selected.size() == 1) command(bookings_.Commands(), selected.front());
        else if (selected.size() > 1) bookings_.ShowBookingList(selected);
    }

    // The clipboard booking once per selected resource, or else once per
    // selected task: a selection may hold both, and the resources decide.
    void Paste() {
        const auto selection = CurrentSelection(data_, true);
        if (!selection->HasItems() || !CanPasteBooking()) return;
        CDateTime start = SelectedStart(*selection->Record());
        FitToView(data_, start, nullptr);
        std::set<CResource*> resources;
        std::set<CTask*> tasks;
        selection->ExpandToItems(resources, tasks);
        const std::vector<CResource*> targets(resources.begin(), resources.end());
        const std::vector<CTask*> taskTargets = targets.empty() ? std::vector<CTask*>(tasks.begin(), tasks.end())
                                                                : std::vector<CTask*>{};
        bookings_.Commands().PasteBookings(start, targets, taskTargets);
    }

    bool ShowSelectionList() {
        const auto selection = CurrentSelection(data_, true);
        if (selection->HasBookings()) bookings_.ShowBookingList(SelectedBookings(*selection->Record()));
        return true;
    }

    bool ShowList(const BookingList& list) {
        if (list.count <= 0 || list.items == nullptr) return false;
        return bookings_.ShowBookingList({list.items, list.items + list.count});
    }

    bool EditBooking(CBooking* booking) {
        if (booking == nullptr || !data_->bookings->Contains(booking)) return false;
        bookings_.Commands().EditBooking(booking);
        return true;
    }

    bool CheckConflicts(BookingConflictRequest* request) {
        return bookings_.Commands().CheckBookingConflicts(request) != 0;
    }

private:
    CPlanData* data_;
    CHostBookings bookings_;
};

}  // namespace

void RegisterBookingFrameCommands(CMainFrame& frame) {
    using namespace app_ids;
    auto commands = std::make_shared<BookingFrameCommands>(frame);
    const auto state = [commands](bool BookingCommandStates::*member) {
        return [commands, member] { return commands->States().*member; };
    };
    CFrameCommandTable& table = frame.FrameCommands();
    const auto onSelected = [commands](void (*command)(CBookingCommands&, CBooking*)) {
        return [commands, command] { commands->OnSelectedBookings(command); };
    };
    table.Set(ID_BOOKING_NEW, {[commands] { commands->NewBooking(); }, state(&BookingCommandStates::newBooking), {}});
    table.Set(ID_BOOKING_EDIT, {onSelected([](CBookingCommands& c, CBooking* b) { c.EditBooking(b); }),
                                state(&BookingCommandStates::edit), {}});
    table.Set(ID_BOOKING_DELETE, {onSelected([](CBookingCommands& c, CBooking* b) { c.DeleteBookings({b}); }),
                                  state(&BookingCommandStates::remove), {}});
    table.Set(ID_BOOKING_CUT, {onSelected([](CBookingCommands& c, CBooking* b) { c.CutBooking(b); }),
                               state(&BookingCommandStates::cut), {}});
    table.Set(ID_BOOKING_COPY, {onSelected([](CBookingCommands& c, CBooking* b) { c.CopyBooking(b); }),
                                state(&BookingCommandStates::copy), {}});
    table.Set(ID_BOOKING_PASTE, {[commands] { commands->Paste(); }, state(&BookingCommandStates::paste), {}});

    CNamedCommandTable& named = frame.NamedCommands();
    named.Set(HostCommand::EditBooking,
              [commands](void* arg) { return commands->EditBooking(static_cast<CBooking*>(arg)); });
    named.Set(HostCommand::CheckBookingConflicts, [commands](void* arg) {
        return commands->CheckConflicts(static_cast<BookingConflictRequest*>(arg));
    });
    named.Set(HostCommand::ShowBookingList,
              [commands](void* arg) { return commands->ShowList(*static_cast<const BookingList*>(arg)); });
    named.Set(HostCommand::ShowBookingListSelection, [commands](void*) { return commands->ShowSelectionList(); });
}
