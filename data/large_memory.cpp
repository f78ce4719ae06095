#include "large_memory.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

std::size_t RoundUp(std::size_t bytes) { return (bytes + kLargeBlockBytes - 1) & ~(kLargeBlockBytes - 1); }

}  // namespace

void* AllocateLarge(std::size_t bytes) {
    if (bytes < kLargeBlockBytes) {
        if (void* block = std::malloc(bytes ? bytes : 1)) return block;
        throw std::bad_alloc();
    }
    // Map one block more than needed and trim both ends to a 2 MiB boundary.
    const std::size_t size = RoundUp(bytes);
    void* mapped = ::mmap(nullptr, size + kLargeBlockBytes, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + kLargeBlockBytes - 1) & ~(kLargeBlockBytes - 1);
    if (aligned > start) ::munmap(mapped, aligned - start);
    const std::uintptr_t tail = aligned + size;
    const std::uintptr_t end = start + size + kLargeBlockBytes;
    if (end > tail) ::munmap(reinterpret_cast<void*>(tail), end - tail);
    auto* block = reinterpret_cast<void*>(aligned);
    ::madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void* ResizeLarge(void* block, std::size_t oldBytes, std::size_t newBytes) {
    if (block && oldBytes >= kLargeBlockBytes && newBytes >= kLargeBlockBytes) {
        void* moved = ::mremap(block, RoundUp(oldBytes), RoundUp(newBytes), MREMAP_MAYMOVE);
        if (moved == MAP_FAILED) throw std::bad_alloc();
        ::madvise(moved, RoundUp(newBytes), MADV_HUGEPAGE);
        return moved;
    }
    void* grown = AllocateLarge(newBytes);
    if (block) std::memcpy(grown, block, oldBytes < newBytes ? oldBytes : newBytes);
    FreeLarge(block, oldBytes);
    return grown;
}

void FreeLarge(void* block, std::size_t bytes) {
    if (!block) return;
    if (bytes < kLargeBlockBytes)
        std::free(block);
    else
        ::munmap(block, RoundUp(bytes));
}
