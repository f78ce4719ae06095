#include "plan_root.h"

#include <cstring>
#include <utility>

#include "plat/utf8.h"

PlanRoot& RootOf(CPlanData* root) { return *static_cast<PlanRoot*>(root); }

PlanRoot::PlanRoot(CUndoHistory* history) : undo_(*this), file_(*this) {
    properties_ = std::make_unique<PropertiesRecord>(this);
    resourceGroups_ = std::make_unique<ResourceGroupCollection>(this, kKindResourceGroup);
    resources_ = std::make_unique<ResourceCollection>(this, kKindResource);
    taskGroups_ = std::make_unique<TaskGroupCollection>(this, kKindTaskGroup);
    tasks_ = std::make_unique<TaskCollection>(this, kKindTask);
    bookings_ = std::make_unique<BookingCollection>(this);
    filters_ = std::make_unique<FilterCollection>(this, kKindFilter);
    properties = properties_.get();
    resourceGroups = resourceGroups_.get();
    resources = resources_.get();
    taskGroups = taskGroups_.get();
    tasks = tasks_.get();
    bookings = bookings_.get();
    filters = filters_.get();
    lists_ = {resourceGroups_.get(), resources_.get(), taskGroups_.get(),
              tasks_.get(),          bookings_.get(),  filters_.get()};
    undo_.SetHistory(history);
}

PlanRoot::~PlanRoot() {
    undo_.Cancel();
    // Filters and bookings point at the other records; free them first.
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it) (*it)->FreeAll();
}

CRecordList* PlanRoot::ListOf(RecordKind kind) const {
    if (kind < kKindResourceGroup || kind > kKindFilter) return nullptr;
    return lists_[static_cast<std::size_t>(kind - kKindResourceGroup)];
}

void PlanRoot::Notify(uint32_t mask) {
    if (mask == 0) return;
    // A listener may add another; call the ones present now.
    std::vector<DataListener> listeners = listeners_;
    for (DataListener listener : listeners) listener(mask);
}

bool PlanRoot::AddListener(DataListener listener) {
    if (!listener) return false;
    listeners_.push_back(listener);
    return true;
}

int32_t PlanRoot::BeginTransaction(const char* name) {
    if (undo_.IsOpen()) {
        undo_.Cancel();
        return kDataRefused;
    }
    return undo_.Begin(name);
}

int32_t PlanRoot::CancelTransaction() {
    undo_.Cancel();
    return kDataOk;
}

int32_t PlanRoot::CommitTransaction() {
    Notify(undo_.Commit());
    return kDataOk;
}

int32_t PlanRoot::LoadDocument(const std::function<int32_t()>& readBody) {
    if (undo_.IsOpen()) undo_.Cancel();
    undo_.Begin(nullptr);
    undo_.MarkLoading();
    int32_t status = readBody();
    if (status != kDataOk) {
        undo_.Cancel();
        return status;
    }
    // The previous document goes: first the steps that point into it.
    if (CUndoHistory* history = undo_.History()) history->Clear();
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it) (*it)->FreeAll();
    // Listeners hear of the new document once its file state is settled.
    loadedMask_ = undo_.Commit();
    undo_.SetModified(false);
    return kDataOk;
}

int32_t PlanRoot::Open(const char* path, bool readOnly, const char* password, bool havePassword) {
    int32_t status = file_.Open(path, readOnly, password, havePassword);
    Notify(std::exchange(loadedMask_, 0));
    return status;
}

int32_t PlanRoot::Save(const char* path) {
    if (undo_.IsOpen()) return kDataRefused;
    int32_t status = file_.Save(path);
    if (status == kDataOk) undo_.SetModified(false);
    return status;
}

int32_t PlanRoot::Reload(const char* password, bool havePassword) {
    int32_t status = file_.Reload(password, havePassword);
    Notify(std::exchange(loadedMask_, 0));
    return status;
}

void PlanRoot::Close() {
    undo_.Cancel();
    if (CUndoHistory* history = undo_.History()) history->Clear();
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it) (*it)->FreeAll();
    properties_->ClearProtection();
    file_.Close();
    undo_.SetModified(false);
    Notify(kChangeDocumentReplaced);
}

std::string PlanRoot::GetFileName() { return file_.IsOpen() ? file_.Path() : std::string(); }

bool PlanRoot::IsReadOnly() { return file_.IsReadOnly(); }

int32_t PlanRoot::Control(int32_t code, void* out) {
    if (code != kControlPasswordDigests && code != kControlOlderFormat && code != kControlTextsShortened)
        return kDataUnknownControl;
    if (!out) return kDataRefused;
    if (code == kControlPasswordDigests) {
        uint8_t digests[32];
        file_.CopyDigests(digests);
        std::memcpy(out, digests, sizeof digests);
    } else {
        bool set = code == kControlOlderFormat ? file_.IsOlderFormat() : file_.TextsShortened();
        *static_cast<uint8_t*>(out) = set ? 1 : 0;
    }
    return kDataOk;
}
