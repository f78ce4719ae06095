#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "collections.h"
#include "data_file.h"
#include "plan_data.h"
#include "records.h"
#include "undo_manager.h"

class PlanRoot final : public CPlanData {
public:
    explicit PlanRoot(CUndoHistory* history);
    ~PlanRoot() override;

    int32_t Open(const char* path, bool readOnly, const char* password, bool havePassword) override;
    int32_t Save(const char* path) override;
    int32_t Reload(const char* password, bool havePassword) override;
    void Close() override;
    std::string GetFileName() override;
    bool IsReadOnly() override;
    bool IsModified() override { return undo_.IsModified(); }
    int32_t BeginTransaction(const char* name) override;
    int32_t CancelTransaction() override;
    int32_t CommitTransaction() override;
    bool AddListener(DataListener listener) override;
    int32_t Control(int32_t code, void* out) override;
    void Write(CMemArchive* archive) override;
    int32_t Read(CMemArchive* archive) override;

    CUndoManager& Undo() { return undo_; }
    PropertiesRecord& Properties() { return *properties_; }
    ResourceGroupCollection& ResourceGroupList() { return *resourceGroups_; }
    ResourceCollection& ResourceList() { return *resources_; }
    TaskGroupCollection& TaskGroupList() { return *taskGroups_; }
    TaskCollection& TaskList() { return *tasks_; }
    BookingCollection& BookingList() { return *bookings_; }
    FilterCollection& FilterList() { return *filters_; }
    CDataFile& File() { return file_; }

    // The collections in kind order, 2 to 7.
    const std::array<CRecordList*, 6>& Lists() const { return lists_; }
    CRecordList* ListOf(RecordKind kind) const;

    // A deleted group, resource or task leaves every saved filter.
    template <class Record>
    void ForgetInFilters(const Record* record) {
        for (FilterRecord* filter : filters_->Items()) filter->Forget(record);
    }

    // Replaces the document by what readBody reads, inside one load
    // transaction; on failure the document stays as it was.
    int32_t LoadDocument(const std::function<int32_t()>& readBody);

private:
    void Notify(uint32_t mask);

    std::unique_ptr<PropertiesRecord> properties_;
    std::unique_ptr<ResourceGroupCollection> resourceGroups_;
    std::unique_ptr<ResourceCollection> resources_;
    std::unique_ptr<TaskGroupCollection> taskGroups_;
    std::unique_ptr<TaskCollection> tasks_;
    std::unique_ptr<BookingCollection> bookings_;
    std::unique_ptr<FilterCollection> filters_;
    std::array<CRecordList*, 6> lists_{};
    std::vector<DataListener> listeners_;
    uint32_t loadedMask_ = 0;   // of a load not yet announced
    CUndoManager undo_;
    CDataFile file_;
};
