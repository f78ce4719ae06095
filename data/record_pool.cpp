#include "record_pool.h"

#include <sanitizer/asan_interface.h>

#include <cstdint>
#include <new>
#include <utility>

#include "large_memory.h"

struct RecordPool::Chunk {
    RecordPool* pool;
    Chunk* previous;
    Chunk* next;
    void* freeSlots;   // a list through the first word of each free slot
    std::size_t used;  // slots handed out now
    std::size_t carved;
    bool linked;
};

namespace {

constexpr std::size_t kHeaderBytes = 64;

char* SlotsOf(void* chunk) { return static_cast<char*>(chunk) + kHeaderBytes; }

}  // namespace

RecordPool::RecordPool(std::size_t slotBytes)
    : slotBytes_((slotBytes + 15) & ~std::size_t{15}),
      slotsPerChunk_((kLargeBlockBytes - kHeaderBytes) / slotBytes_) {}

RecordPool::Chunk* RecordPool::NewChunk() {
    static_assert(sizeof(Chunk) <= kHeaderBytes);
    auto* chunk = new (AllocateLarge(kLargeBlockBytes)) Chunk{this, nullptr, nullptr, nullptr, 0, 0, false};
    return chunk;
}

void RecordPool::Link(Chunk* chunk) {
    chunk->previous = nullptr;
    chunk->next = open_;
    if (open_) open_->previous = chunk;
    open_ = chunk;
    chunk->linked = true;
}

void RecordPool::Unlink(Chunk* chunk) {
    if (chunk->previous)
        chunk->previous->next = chunk->next;
    else
        open_ = chunk->next;
    if (chunk->next) chunk->next->previous = chunk->previous;
    chunk->linked = false;
}

void* RecordPool::Allocate(std::size_t bytes) {
    if (bytes > slotBytes_) throw std::bad_alloc();
    if (!open_) Link(spare_ ? std::exchange(spare_, nullptr) : NewChunk());
    Chunk* chunk = open_;
    void* slot;
    if (chunk->freeSlots) {
        slot = chunk->freeSlots;
        ASAN_UNPOISON_MEMORY_REGION(slot, sizeof(void*));
        chunk->freeSlots = *static_cast<void**>(slot);
    } else {
        slot = SlotsOf(chunk) + chunk->carved * slotBytes_;
        ++chunk->carved;
    }
    ASAN_UNPOISON_MEMORY_REGION(slot, slotBytes_);
    ++chunk->used;
    if (!chunk->freeSlots && chunk->carved == slotsPerChunk_) Unlink(chunk);
    return slot;
}

void RecordPool::Free(void* slot) {
    if (!slot) return;
    auto* chunk = reinterpret_cast<Chunk*>(reinterpret_cast<std::uintptr_t>(slot) & ~(kLargeBlockBytes - 1));
    RecordPool& pool = *chunk->pool;
    *static_cast<void**>(slot) = chunk->freeSlots;
    chunk->freeSlots = slot;
    // A freed record stays poisoned until handed out again, so a use after
    // free is caught under AddressSanitizer.
    ASAN_POISON_MEMORY_REGION(slot, pool.slotBytes_);
    --chunk->used;
    if (!chunk->linked) pool.Link(chunk);
    if (chunk->used == 0) pool.Release(chunk);
}

void RecordPool::Release(Chunk* chunk) {
    Unlink(chunk);
    if (spare_) {
        // The memory goes back to the system clean for whoever maps it next.
        ASAN_UNPOISON_MEMORY_REGION(SlotsOf(chunk), chunk->carved * slotBytes_);
        FreeLarge(chunk, kLargeBlockBytes);
        return;
    }
    chunk->freeSlots = nullptr;
    chunk->carved = 0;
    spare_ = chunk;
}
