#include "import_fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    FuzzImportInput(data, size);
    return 0;
}
