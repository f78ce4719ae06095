#include "filter_commands.h"

#include "plat/resource_strings.h"
#include "string_ids.h"
#include "ui/prompts.h"
#include "ui/win_types.h"

namespace {

bool Writable(CPlanData* data) {
    return data != nullptr && data->properties != nullptr && data->filters != nullptr &&
           !data->properties->IsWriteProtected();
}

bool Begin(CPlanData* data, unsigned nameId) {
    return data->BeginTransaction(plat::LoadResString(nameId).c_str()) == kDataOk;
}

}  // namespace

CFilter* NewFilter(CPlanData* data, const std::string& name, const FilterChoice& choice) {
    if (!Writable(data) || !Begin(data, ids::UNDO_SAVE_FILTER)) return nullptr;
    CFilter* filter = data->filters->Create();
    if (filter == nullptr) {
        data->CancelTransaction();
        return nullptr;
    }
    ApplyFilterDialog(filter, choice);
    filter->SetName(name);
    const int32_t status = data->filters->Add(filter);
    if (status != kDataOk) {
        // An invalid record has cancelled the transaction already.
        if (status != kDataInvalidRecord) data->CancelTransaction();
        filter->Delete();
        return nullptr;
    }
    data->CommitTransaction();
    return filter;
}

bool ModifyFilter(CPlanData* data, CFilter* filter, const FilterChoice& choice) {
    if (filter == nullptr || !Writable(data) || !data->filters->Contains(filter)) return false;
    if (!Begin(data, ids::UNDO_SAVE_FILTER)) return false;
    if (filter->BeginChange() != kDataOk) {
        data->CancelTransaction();
        return false;
    }
    ApplyFilterDialog(filter, choice);
    data->CommitTransaction();
    return true;
}

bool DeleteFilter(CPlanData* data, CFilter* filter, QWidget* parent) {
    if (filter == nullptr || !Writable(data) || !data->filters->Contains(filter)) return false;
    const int answer = ui::MessageBoxById(parent, ids::CONFIRM_DELETE_FILTER,
                                          ui::MB_YESNO | ui::MB_ICONEXCLAMATION | ui::MB_DEFBUTTON2,
                                          {static_cast<const char*>(filter->name)});
    if (answer != ui::IDYES || !Begin(data, ids::UNDO_DELETE_FILTER)) return false;
    if (filter->Delete() != kDataOk) {
        data->CancelTransaction();
        return false;
    }
    data->CommitTransaction();
    return true;
}
