#include "data_change.h"

#include "booking_clipboard.h"
#include "data_status.h"
#include "host_objects.h"
#include "plan_data.h"
#include "plugin_manager.h"
#include "settings_store.h"

void ApplyDataChange(std::uint32_t mask) {
    HostObjects& host = Host();
    const bool replaced = (mask & kChangeDocumentReplaced) != 0;
    UpdateBookingClipboard(mask);
    if (host.publicFilter != nullptr) {
        if (replaced) {
            host.publicFilter->Clear();
            SetSetting("ViewFilterActive", "0");
        } else {
            host.publicFilter->RemoveMissing();
        }
    }
    PluginManager().OnDataChanged(mask);
}
