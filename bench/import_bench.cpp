// Import of booking lines whose names are resolved against a large plan:
// 100,000 and 1,000,000 lines against 10,000 resources and 2,000 tasks,
// without any dialog, with the peak memory of the process.
// QEL_BENCH_SIZE=small runs 1,000 lines against a small plan.

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "import/booking_importer.h"
#include "peak_memory.h"
#include "plan_generator.h"
#include "plan_root.h"

namespace {

class BenchHistory : public CUndoHistory {
public:
    ~BenchHistory() override { Clear(); }
    void Clear() override {
        for (UndoEntry& entry : entries)
            if (entry.release) entry.release(entry.arg);
        entries.clear();
    }
    bool PushUndo(const UndoEntry* entry, bool) override {
        entries.push_back(*entry);
        return true;
    }
    bool PushRedo(const UndoEntry*) override { return true; }
    std::vector<UndoEntry> entries;
};

PlanShape Shape() {
    PlanShape shape;
    shape.resourceGroups = IsSmallBenchRun() ? 5 : 100;
    shape.resources = IsSmallBenchRun() ? 100 : 10000;
    shape.taskGroups = IsSmallBenchRun() ? 4 : 50;
    shape.tasks = IsSmallBenchRun() ? 20 : 2000;
    shape.bookings = 0;
    shape.seed = 42;
    return shape;
}

// Lines naming random resources and tasks of the plan, one to five hours
// on a day of 2024.
std::string WriteBookingFile(CPlanData& root, int64_t lines) {
    std::vector<std::string> resources, tasks;
    for (uint32_t i = 0; CResource* r = root.resources->GetAt(i); ++i) resources.emplace_back(r->name);
    for (uint32_t i = 0; CTask* t = root.tasks->GetAt(i); ++i) tasks.emplace_back(t->name);
    std::mt19937 random(7);
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 70);
    char buffer[128];
    for (int64_t i = 0; i < lines; ++i) {
        const int month = static_cast<int>(random() % 12) + 1;
        const int day = static_cast<int>(random() % 28) + 1;
        const int start = static_cast<int>(random() % 10) + 7;
        const int hours = static_cast<int>(random() % 5) + 1;
        std::snprintf(buffer, sizeof buffer, "\t2024%02d%02d\t%02d:00\t2024%02d%02d\t%02d:30\tline %lld\t%s\n",
                      month, day, start, month, day, start + hours, static_cast<long long>(i),
                      i % 3 == 0 ? "no" : "");
        text += resources[random() % resources.size()];
        text += '\t';
        text += tasks[random() % tasks.size()];
        text += buffer;
    }
    const char* tmp = std::getenv("TMPDIR");
    const std::string path = std::string(tmp ? tmp : "/tmp") + "/qel-import-bench-" +
                             std::to_string(getpid()) + "-" + std::to_string(lines) + ".txt";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
    }
    return path;
}

void BM_ImportBookings(benchmark::State& state) {
    const int64_t lines = IsSmallBenchRun() ? 1000 : state.range(0);
    std::string path;
    int64_t imported = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BenchHistory history;
        PlanRoot root(&history);
        if (GeneratePlan(root, Shape()) != kDataOk) state.SkipWithError("plan not generated");
        if (path.empty()) path = WriteBookingFile(root, lines);
        CBookingImporter importer(&root, {});
        importer.SetFileName(path);
        for (int k = 0; k < CBookingImportRecord::kFieldCount; ++k) importer.SetColumn(k, k);
        state.ResumeTiming();
        if (importer.Run(false) != kImportDone) state.SkipWithError("import failed");
        state.PauseTiming();
        imported = root.bookings->GetCount();
        root.Close();
        state.ResumeTiming();
    }
    if (!path.empty()) unlink(path.c_str());
    state.counters["bookings"] = static_cast<double>(imported);
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_ImportBookings)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
