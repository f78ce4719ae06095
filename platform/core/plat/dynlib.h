#pragma once

#include <string>

namespace plat {

// dlopen by absolute path (a bare name is taken from the program
// directory), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE. Null on failure.
void* LoadLibrary(const std::string& path);
void* GetSymbol(void* module, const char* name);
void FreeLibrary(void* module);
std::string LastLibraryError();
// The running program's own module (dlopen(nullptr)).
void* ProgramModule();
// The file of the module that holds the given address.
std::string ModulePathOf(const void* address);

}  // namespace plat
