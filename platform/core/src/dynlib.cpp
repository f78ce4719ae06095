#include "plat/dynlib.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>

#include "plat/files.h"

namespace plat {

void* LoadLibrary(const std::string& path) {
    if (path.empty()) return nullptr;
    // dlopen would search the system paths for a bare name, never the program's directory.
    const std::string file = path.find('/') == std::string::npos ? ProgramDirectory() + path : path;
    return ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}

void* GetSymbol(void* module, const char* name) {
    if (module == nullptr || name == nullptr) return nullptr;
    return ::dlsym(module, name);
}

void FreeLibrary(void* module) {
    if (module != nullptr) ::dlclose(module);
}

std::string LastLibraryError() {
    const char* error = ::dlerror();
    return error != nullptr ? std::string(error) : std::string();
}

void* ProgramModule() { return ::dlopen(nullptr, RTLD_NOW); }

std::string ModulePathOf(const void* address) {
    Dl_info info{};
    if (address == nullptr || ::dladdr(address, &info) == 0) return {};
    if (info.dli_fname == nullptr || info.dli_fname[0] == '\0') return ProgramPath();
    char resolved[PATH_MAX];
    if (::realpath(info.dli_fname, resolved) != nullptr) return resolved;
    return info.dli_fname;
}

}  // namespace plat
