#include "plat/version_block.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>

#include "plat/dynlib.h"

namespace plat {

const VersionBlock* FindVersionBlock(void* module) {
    void* handle = module != nullptr ? module : ProgramModule();
    if (handle == nullptr) return nullptr;
    void* symbol = ::dlsym(handle, QEL_VERSION_BLOCK_SYMBOL);
    if (symbol == nullptr) return nullptr;
    // dlsym also searches the module's dependencies; only the module's own block counts.
    link_map* own = nullptr;
    if (::dlinfo(handle, RTLD_DI_LINKMAP, &own) != 0 || own == nullptr) return nullptr;
    Dl_info info{};
    link_map* holder = nullptr;
    if (::dladdr1(symbol, &info, reinterpret_cast<void**>(&holder), RTLD_DL_LINKMAP) == 0 ||
        holder != own) {
        return nullptr;
    }
    return static_cast<const VersionBlock*>(symbol);
}

std::string VersionValue(void* module, const char* name) {
    const VersionBlock* block = FindVersionBlock(module);
    if (block == nullptr || name == nullptr || block->entries == nullptr) return {};
    for (int i = 0; i < block->count; ++i) {
        const VersionEntry& entry = block->entries[i];
        if (entry.name != nullptr && std::strcmp(entry.name, name) == 0) {
            return entry.value != nullptr ? entry.value : "";
        }
    }
    return {};
}

}  // namespace plat
