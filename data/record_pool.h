#pragma once

// Records of one size carved out of 2 MiB chunks of large-block memory
// (large_memory.h), instead of one heap allocation each: loading a million
// bookings then touches fresh memory a huge page at a time. A freed slot
// goes back to its chunk and is handed out again; a chunk whose last record
// is freed is returned to the system (one empty chunk is kept for the next
// record). Like the rest of the store, a pool is used from one thread.

#include <cstddef>
#include <cstdint>

class RecordPool {
public:
    explicit RecordPool(std::size_t slotBytes);
    RecordPool(const RecordPool&) = delete;
    RecordPool& operator=(const RecordPool&) = delete;

    void* Allocate(std::size_t bytes);
    // Any slot of any pool: the chunk it lies in knows its pool.
    static void Free(void* slot);

private:
    struct Chunk;
    Chunk* NewChunk();
    void Link(Chunk* chunk);
    void Unlink(Chunk* chunk);
    void Release(Chunk* chunk);

    std::size_t slotBytes_;
    std::size_t slotsPerChunk_;
    Chunk* open_ = nullptr;    // chunks with a free slot
    Chunk* spare_ = nullptr;   // an empty chunk kept back
};
