#pragma once

// The real data store, loaded as the program loads it, for tests that need
// documents, transactions and files.

#include <string>

#include "plan_data.h"

namespace dlgtest {

class DataLibrary {
public:
    // The history may be null (no undo steps are kept).
    explicit DataLibrary(CUndoHistory* history = nullptr);
    // Frees the root and the library.
    ~DataLibrary();
    DataLibrary(const DataLibrary&) = delete;
    DataLibrary& operator=(const DataLibrary&) = delete;

    CPlanData* data() const { return data_; }
    const std::string& error() const { return error_; }

private:
    void* module_ = nullptr;
    DllFreeDataFn free_ = nullptr;
    CPlanData* data_ = nullptr;
    std::string error_;
};

// Saves the open document, protected by the two passwords, to path.
int32_t SaveProtected(CPlanData* data, const std::string& path, const char* password1,
                      const char* password2);

}  // namespace dlgtest
