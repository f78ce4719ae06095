#include "ui/res_strings.h"

namespace ui {
namespace {
QELResGetStringFn g_lookup = nullptr;
}

void SetStringSource(QELResGetStringFn lookup) { g_lookup = lookup; }

std::string ResString(unsigned id) {
    const char* text = g_lookup ? g_lookup(id) : nullptr;
    return text ? text : "";
}

}  // namespace ui
