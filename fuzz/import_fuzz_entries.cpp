#include "import_fuzz_entries.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "import/booking_importer.h"
#include "import/import_setup.h"
#include "import/import_table.h"
#include "import/name_group_importer.h"
#include "plan_root.h"

namespace {

[[noreturn]] void Broken(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// One file per process, rewritten for every input, in memory where the
// system offers it; it goes at exit.
const std::string& InputPath() {
    static const std::string path = [] {
        const bool memory = ::access("/dev/shm", W_OK) == 0;
        std::string directory = memory ? "/dev/shm/qel-fuzz-import-XXXXXX" : "/tmp/qel-fuzz-import-XXXXXX";
        if (::mkdtemp(directory.data()) == nullptr) Broken("no temporary folder");
        static std::string file = directory + "/input";
        static std::string folder = directory;
        std::atexit([] {
            std::remove(file.c_str());
            ::rmdir(folder.c_str());
        });
        return file;
    }();
    return path;
}

void WriteInput(std::string_view bytes) {
    std::FILE* file = std::fopen(InputPath().c_str(), "wb");
    if (file == nullptr || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) Broken("input not written");
    std::fclose(file);
}

template <class Collection>
void AddNamed(PlanRoot& root, Collection* collection, const char* name) {
    root.BeginTransaction("Add");
    auto* record = collection->Create();
    record->SetName(name);
    if (collection->Add(record) != kDataOk) Broken("plan not set up");
    root.CommitTransaction();
}

// The dialog offers the fields of the first line as the import reads it.
void CheckFirstLine(char separator) {
    std::string first;
    ImportTable table;
    if (!ReadImportFirstLine(InputPath(), first) || !ReadImportTable(InputPath(), separator, false, table))
        Broken("input not read");
    const char separators[] = {separator, '\n'};
    std::vector<std::string_view> fromFirst, fromTable;
    SplitImportLine(first, std::string_view(separators, 2), fromFirst);
    if (table.LineCount() > 0) table.GetLine(0, fromTable);
    else if (!first.empty()) Broken("a first line in an empty file");
    else return;
    if (fromFirst != fromTable) Broken("the first line differs from the table's");
}

int ImportFile(uint8_t form, uint8_t unassigned, std::string_view bytes) {
    WriteInput(bytes);
    const char separator = SeparatorOfIndex((form >> 2) & 3);
    CheckFirstLine(separator);

    PlanRoot root(nullptr);
    AddNamed(root, root.resources, "Anna");
    AddNamed(root, root.tasks, "Build");
    AddNamed(root, root.resourceGroups, "Crew");
    const int kind = form & 3;
    std::unique_ptr<CImporter> importer;
    if (kind == 1) importer = std::make_unique<CResourceImporter>(&root, SettingGetter());
    else if (kind == 2) importer = std::make_unique<CTaskImporter>(&root, SettingGetter());
    else importer = std::make_unique<CBookingImporter>(&root, SettingGetter());
    std::vector<ImportField> fields;
    importer->GetFieldList(fields);
    importer->SetFileName(InputPath());
    importer->SetSeparator(separator);
    importer->SetFirstLineNames((form & 0x10) != 0);
    for (std::size_t k = 0; k < fields.size(); ++k)
        importer->SetColumn(static_cast<int>(k), (unassigned >> k) & 1 ? -1 : static_cast<int>(k));

    const auto written = [&root, kind] {
        return kind == 1 ? root.resources->GetCount() : kind == 2 ? root.tasks->GetCount() : root.bookings->GetCount();
    };
    const int items = written();
    const int result = importer->Run(false);
    const int after = written();
    const std::vector<ImportError>& errors = importer->LastErrors();
    if (result == kImportDone) {
        if (after - items != static_cast<int>(importer->RecordCount())) Broken("an import wrote other than its records");
        if (!errors.empty()) Broken("an import with errors was written");
    } else if (result == kImportInvalid) {
        if (after != items) Broken("an invalid file changed the plan");
        const std::size_t total = importer->LastErrorTotal();
        if (total == 0 || errors.size() != std::min(total, kMaxImportListRows)) Broken("errors not listed");
        for (std::size_t i = 1; i < errors.size(); ++i)
            if (errors[i].line < errors[i - 1].line) Broken("errors out of line order");
    } else {
        Broken("an import failed without a reason");
    }
    return result;
}

// Whatever the file held before, a description saved over it loads back.
int SaveOverDescription(uint8_t choice, std::string_view bytes) {
    WriteInput(bytes);
    for (int count : {2, 8}) {
        ImportDescription loaded;
        if (LoadImportDescription(InputPath(), count, loaded) == DescriptionLoad::Loaded &&
            loaded.columns.size() != static_cast<std::size_t>(count))
            Broken("a description loaded with another count");
    }
    ImportDescription saved{"Bookings", choice % 3, (choice & 4) != 0, {}};
    const int count = choice & 8 ? 8 : 2;
    for (int k = 0; k < count; ++k) saved.columns.push_back((choice >> 4) + k - 2);
    if (!SaveImportDescription(InputPath(), saved)) Broken("a description was not saved");
    ImportDescription loaded;
    if (LoadImportDescription(InputPath(), count, loaded) != DescriptionLoad::Loaded ||
        loaded.separatorIndex != saved.separatorIndex || loaded.firstLineNames != saved.firstLineNames ||
        loaded.columns != saved.columns)
        Broken("a saved description did not load back");
    return 0;
}

}  // namespace

int FuzzImportInput(const uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 2, size - 2);
    if (data[0] & 0x80) return SaveOverDescription(data[1], rest);
    return ImportFile(data[0], data[1], rest);
}
