// Replays the committed fuzz corpus through the fuzz entry points, so the
// readers and the import stay clean on every input the fuzzers have found
// interesting.

#include <gtest/gtest.h>

#include <string>

#include "fuzz_entries.h"
#include "import_fuzz_entries.h"
#include "plat/files.h"
#include "testing/temp_directory.h"

namespace {

template <class Entry>
int ReplayDirectory(const std::string& directory, Entry entry) {
    int count = 0;
    for (const plat::DirEntry& file : plat::ReadDirectory(directory)) {
        if (file.isDirectory) continue;
        std::string bytes = testing::ReadFile(directory + "/" + file.name);
        SCOPED_TRACE(file.name);
        entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
        ++count;
    }
    return count;
}

TEST(FuzzCorpus, DocumentInputsReplayCleanly) {
    EXPECT_GT(ReplayDirectory(QEL_CORPUS_DIR "/document", FuzzDocumentInput), 0);
}

TEST(FuzzCorpus, OlderInputsReplayCleanly) {
    EXPECT_GT(ReplayDirectory(QEL_CORPUS_DIR "/older", FuzzOlderInput), 0);
}

TEST(FuzzCorpus, ImportInputsReplayCleanly) {
    EXPECT_GT(ReplayDirectory(QEL_CORPUS_DIR "/import", FuzzImportInput), 0);
}

}  // namespace
