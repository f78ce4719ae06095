// Large-plan figures of the data store: save, open (with and without a
// password), memory per booking after an open, the first undo after an
// open, a one-week period query, undo of a move of 1,000 bookings, and the
// CRC-32 of the file trailer beside zlib's. QEL_BENCH_SIZE=small runs the
// same on a plan a thousand times smaller.

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "data/crypto/crc32.h"
#include "plan_generator.h"
#include "plan_root.h"

namespace {

class BenchHistory : public CUndoHistory {
public:
    ~BenchHistory() override { Clear(); }
    void Clear() override {
        Release(undo);
        Release(redo);
    }
    bool PushUndo(const UndoEntry* entry, bool clearRedo) override {
        undo.push_back(*entry);
        if (clearRedo) Release(redo);
        return true;
    }
    bool PushRedo(const UndoEntry* entry) override {
        redo.push_back(*entry);
        return true;
    }
    bool Undo() {
        UndoEntry entry = undo.back();
        if (entry.undo(entry.arg) != 0) return false;
        entry.release(entry.arg);
        undo.pop_back();
        return true;
    }
    std::vector<UndoEntry> undo, redo;

private:
    static void Release(std::vector<UndoEntry>& list) {
        for (UndoEntry& entry : list) entry.release(entry.arg);
        list.clear();
    }
};

// One plan for the whole run, saved once plain and once protected.
struct BenchPlan {
    BenchPlan() : root(&history) {
        GeneratePlan(root, BenchPlanShape());
        std::string dir = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp");
        plain = dir + "/qel-bench-" + std::to_string(getpid()) + ".qel";
        protectedFile = dir + "/qel-bench-" + std::to_string(getpid()) + "-pw.qel";
        SetPassword("secret");
        root.Save(protectedFile.c_str());
        SetPassword(nullptr);
        root.Save(plain.c_str());
        root.Close();
        root.Open(plain.c_str(), false, nullptr, false);
    }
    ~BenchPlan() {
        root.Close();
        unlink(plain.c_str());
        unlink(protectedFile.c_str());
    }
    void SetPassword(const char* password) {
        root.BeginTransaction(nullptr);
        root.properties->BeginChange();
        root.properties->passwordFlag = password ? 1 : 0;
        root.properties->SetPassword1(password ? password : "");
        root.CommitTransaction();
    }
    BenchHistory history;
    PlanRoot root;
    std::string plain, protectedFile;
};

BenchPlan& Plan() {
    static BenchPlan plan;
    return plan;
}

void BM_Save(benchmark::State& state) {
    BenchPlan& plan = Plan();
    for (auto _ : state)
        if (plan.root.Save(nullptr) != kDataOk) state.SkipWithError("save failed");
    state.counters["bookings"] = plan.root.bookings->GetCount();
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond);

void OpenFile(benchmark::State& state, const std::string& path, const char* password) {
    Plan();
    BenchHistory history;
    PlanRoot root(&history);
    for (auto _ : state)
        if (root.Open(path.c_str(), true, password, password != nullptr) != kDataReadOnly)
            state.SkipWithError("open failed");
    state.counters["bookings"] = root.bookings->GetCount();
}

void BM_Open(benchmark::State& state) { OpenFile(state, Plan().plain, nullptr); }
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

void BM_OpenWithPassword(benchmark::State& state) {
    OpenFile(state, Plan().protectedFile, "secret");
}
BENCHMARK(BM_OpenWithPassword)->Unit(benchmark::kMillisecond);

// Kilobytes of a field of /proc/self/status ("VmRSS:", "VmHWM:").
long StatusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
    return -1;
}

// Memory an open adds, per booking: resident after the open, and the peak
// while opening (the file image included). Measured in a child process
// that starts from the benchmark's own memory, its peak reset first.
void BM_OpenMemory(benchmark::State& state) {
    const std::string& path = Plan().plain;
    long grown[3] = {};
    for (auto _ : state) {
        int fds[2];
        if (::pipe(fds) != 0) state.SkipWithError("no pipe");
        pid_t child = ::fork();
        if (child == 0) {
            std::ofstream("/proc/self/clear_refs") << "5";
            long before = StatusKilobytes("VmRSS:");
            BenchHistory history;
            auto* root = new PlanRoot(&history);
            long result[3] = {root->Open(path.c_str(), true, nullptr, false) == kDataReadOnly ? 1 : 0,
                              StatusKilobytes("VmRSS:") - before, StatusKilobytes("VmHWM:") - before};
            (void)!::write(fds[1], result, sizeof result);
            ::_exit(0);
        }
        if (::read(fds[0], grown, sizeof grown) != static_cast<ssize_t>(sizeof grown) || grown[0] != 1)
            state.SkipWithError("open failed");
        ::waitpid(child, nullptr, 0);
        ::close(fds[0]);
        ::close(fds[1]);
    }
    double bookings = Plan().root.bookings->GetCount();
    state.counters["resident_bytes_per_booking"] = grown[1] * 1024.0 / bookings;
    state.counters["peak_bytes_per_booking"] = grown[2] * 1024.0 / bookings;
    state.counters["booking_record_bytes"] = sizeof(BookingRecord);
}
BENCHMARK(BM_OpenMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// The first undo after an open: a step that moved 1,000 bookings, made
// right after opening, undone.
void BM_FirstUndoAfterOpen(benchmark::State& state) {
    const std::string& path = Plan().plain;
    BenchHistory history;
    PlanRoot root(&history);
    for (auto _ : state) {
        state.PauseTiming();
        if (root.Open(path.c_str(), true, nullptr, false) != kDataReadOnly) state.SkipWithError("open failed");
        int32_t count = root.bookings->GetCount();
        root.BeginTransaction("Move");
        for (int32_t i = 0; i < 1000 && i < count; ++i) {
            CBooking* booking =
                root.bookings->GetAt(static_cast<int32_t>((static_cast<int64_t>(i) * 7919) % count));
            booking->BeginChange();
            booking->startDay += 1;
            booking->endDay += 1;
        }
        root.CommitTransaction();
        state.ResumeTiming();
        if (!history.Undo()) state.SkipWithError("undo failed");
    }
}
BENCHMARK(BM_FirstUndoAfterOpen)->Unit(benchmark::kMillisecond)->Iterations(3);

// One week in the middle of the plan.
void BM_WeekQuery(benchmark::State& state) {
    BenchPlan& plan = Plan();
    int32_t middle = (plan.root.properties->periodStart + plan.root.properties->periodEnd) / 2;
    std::vector<CBooking*> buffer(static_cast<std::size_t>(plan.root.bookings->GetCount()));
    plan.root.bookings->GetInPeriod(buffer.data(), middle, 0, middle + 7, 0);   // builds the index
    int32_t found = 0;
    for (auto _ : state) {
        found = plan.root.bookings->GetInPeriod(buffer.data(), middle, 0, middle + 7, 0);
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = found;
}
BENCHMARK(BM_WeekQuery)->Unit(benchmark::kMicrosecond);

// A schedule repaint right after a booking was moved: every resource's
// bookings of the same week, the first call rebuilding the dropped index and
// filling the per-owner cache.
void BM_RepaintAfterMove(benchmark::State& state) {
    BenchPlan& plan = Plan();
    CPlanData& root = plan.root;
    int32_t middle = (root.properties->periodStart + root.properties->periodEnd) / 2;
    std::vector<CResource*> resources(static_cast<std::size_t>(root.resources->GetCount()));
    root.resources->GetAll(resources.data());
    int64_t total = 0;
    for (auto _ : state) {
        state.PauseTiming();
        root.BeginTransaction("Move");
        CBooking* booking = root.bookings->GetAt(root.bookings->GetCount() / 3);
        booking->BeginChange();
        booking->startMinutes = static_cast<int16_t>(booking->startMinutes ^ 1);
        root.CommitTransaction();
        state.ResumeTiming();
        total = 0;
        for (CResource* resource : resources) total += resource->GetBookingCount(middle, 0, middle + 7, 0);
        benchmark::DoNotOptimize(total);
    }
    state.counters["found"] = static_cast<double>(total);
    plan.history.Clear();
}
BENCHMARK(BM_RepaintAfterMove)->Unit(benchmark::kMillisecond);

// Undo of one step that moved 1,000 bookings by a day.
void BM_UndoMove1000(benchmark::State& state) {
    BenchPlan& plan = Plan();
    CPlanData& root = plan.root;
    int32_t count = root.bookings->GetCount();
    for (auto _ : state) {
        state.PauseTiming();
        root.BeginTransaction("Move");
        for (int32_t i = 0; i < 1000 && i < count; ++i) {
            CBooking* booking = root.bookings->GetAt(static_cast<int32_t>(
                (static_cast<int64_t>(i) * 7919) % count));
            booking->BeginChange();
            booking->startDay += 1;
            booking->endDay += 1;
        }
        root.CommitTransaction();
        state.ResumeTiming();
        if (!plan.history.Undo()) state.SkipWithError("undo failed");
    }
}
BENCHMARK(BM_UndoMove1000)->Unit(benchmark::kMillisecond);

// The file trailer's checksum over 64 MiB, ours and zlib's on the same buffer.
const std::vector<unsigned char>& CrcBuffer() {
    static const std::vector<unsigned char> buffer = [] {
        std::vector<unsigned char> bytes(IsSmallBenchRun() ? 65536 : std::size_t{64} << 20);
        std::mt19937 random(5);
        for (unsigned char& byte : bytes) byte = static_cast<unsigned char>(random());
        return bytes;
    }();
    return buffer;
}

void BM_Crc32(benchmark::State& state) {
    const auto& buffer = CrcBuffer();
    for (auto _ : state) benchmark::DoNotOptimize(Crc32(buffer.data(), buffer.size()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(BM_Crc32)->Unit(benchmark::kMillisecond);

void BM_Crc32Zlib(benchmark::State& state) {
    const auto& buffer = CrcBuffer();
    for (auto _ : state)
        benchmark::DoNotOptimize(crc32(0L, buffer.data(), static_cast<uInt>(buffer.size())));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * buffer.size()));
}
BENCHMARK(BM_Crc32Zlib)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
