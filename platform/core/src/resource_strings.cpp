#include "plat/resource_strings.h"

#include "plat/dynlib.h"

namespace plat {
namespace {

void* g_module = nullptr;
QELResGetStringFn g_source = nullptr;

}  // namespace

void SetResourceModule(void* module) {
    g_module = module;
}

void* GetResourceModule() {
    return g_module;
}

void SetResourceStringSource(QELResGetStringFn source) {
    g_source = source;
}

std::string LoadResString(unsigned id) {
    return LoadResString(g_module, id);
}

std::string LoadResString(void* module, unsigned id) {
    QELResGetStringFn get = g_source;
    if (get == nullptr && module != nullptr)
        get = reinterpret_cast<QELResGetStringFn>(GetSymbol(module, QELRES_GETSTRING_SYMBOL));
    if (get == nullptr) return "";
    const char* text = get(id);
    return text != nullptr ? text : "";
}

std::string CommandNameOf(const std::string& commandText) {
    const std::size_t newline = commandText.find('\n');
    return newline == std::string::npos ? commandText : commandText.substr(newline + 1);
}

}  // namespace plat
