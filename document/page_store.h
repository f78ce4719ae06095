#pragma once

#include <vector>

#include "draw_ops.h"

namespace doc {

// The pages of one fill, numbered from 1.
class PageStore {
public:
    void Clear() { pages_.clear(); }
    int Count() const { return static_cast<int>(pages_.size()); }
    void Append() { pages_.emplace_back(); }
    // Null outside 1..Count().
    Page* At(int number) { return Valid(number) ? &pages_[number - 1] : nullptr; }
    const Page* At(int number) const { return Valid(number) ? &pages_[number - 1] : nullptr; }
    // Makes pages up to `number` exist.
    void EnsureCount(int number) {
        while (Count() < number) Append();
    }

private:
    bool Valid(int number) const { return number >= 1 && number <= Count(); }

    std::vector<Page> pages_;
};

}  // namespace doc
