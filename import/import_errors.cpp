#include "import/import_errors.h"

#include <algorithm>

void ImportErrorList::Add(ImportError error) {
    ++total_;
    kept_.push_back(std::move(error));
    // Cutting only when twice the kept number has gathered keeps the work
    // per error small; the errors come mostly in the order of their lines.
    if (kept_.size() >= 2 * keep_ + 1) Cut();
}

void ImportErrorList::Cut() {
    std::stable_sort(kept_.begin(), kept_.end(),
                     [](const ImportError& a, const ImportError& b) { return a.line < b.line; });
    if (kept_.size() > keep_) kept_.erase(kept_.begin() + static_cast<std::ptrdiff_t>(keep_), kept_.end());
}

std::vector<ImportError> ImportErrorList::TakeListed() {
    Cut();
    std::vector<ImportError> listed;
    listed.swap(kept_);
    return listed;
}
