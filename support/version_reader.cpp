#include "support/version_reader.h"

#include <cstdio>

#include "plat/version_block.h"

std::string GetVersionInfoString(const std::string& name, void* module) {
    const plat::VersionBlock* block = plat::FindVersionBlock(module);
    if (block == nullptr) return "";
    if (name.empty()) {
        char translation[16];
        std::snprintf(translation, sizeof translation, "%04hX%04hX", block->language,
                      block->codePage);
        return translation;
    }
    return plat::VersionValue(module, name.c_str());
}
