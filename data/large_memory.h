#pragma once

// Memory for the large blocks of a big plan: the file image, the records,
// and the arrays beside them. Fresh memory costs a page fault per 4 KiB
// page on first touch, which dominates opening a plan of a million
// bookings; blocks of 2 MiB and more are therefore mapped on 2 MiB
// boundaries and offered to the kernel for huge pages, so one fault covers
// 512 pages. Smaller blocks come from the heap as usual.

#include <cstddef>
#include <vector>

inline constexpr std::size_t kLargeBlockBytes = std::size_t{2} << 20;

void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* block, std::size_t bytes);
// The block grown or shrunk to newBytes, its first bytes kept. Mapped
// blocks are remapped, so their pages are neither copied nor touched.
void* ResizeLarge(void* block, std::size_t oldBytes, std::size_t newBytes);

template <class T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(AllocateLarge(n * sizeof(T))); }
    void deallocate(T* block, std::size_t n) { FreeLarge(block, n * sizeof(T)); }
    template <class U>
    bool operator==(const LargeAllocator<U>&) const {
        return true;
    }
};

template <class T>
using LargeVector = std::vector<T, LargeAllocator<T>>;
