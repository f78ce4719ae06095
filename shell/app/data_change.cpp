#include "data_change.h"

#include "data_status.h"
#include "host_objects.h"
#include "plan_data.h"
#include "plugin_manager.h"
#include "settings_store.h"

void ApplyDataChange(std::uint32_t mask) {
    HostObjects& host = Host();
    const bool replaced = (mask & kChangeDocumentReplaced) != 0;
    if (host.clipboard != nullptr && (replaced || !CanPasteBooking())) {
        host.clipboard->resource = nullptr;
        host.clipboard->task = nullptr;
    }
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
