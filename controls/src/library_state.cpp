#include "library_state.h"

#include "plat/clock.h"
#include "plat/dynlib.h"
#include "resource_library.h"

namespace spcc {
namespace {

struct State {
    std::string datePicture;
    std::string timePicture;
    QELResGetStringFn getString = nullptr;
};

State& state() {
    static State s;
    return s;
}

}  // namespace

const std::string& DatePicture() { return state().datePicture; }
const std::string& TimePicture() { return state().timePicture; }
void SetDatePicture(const char* picture) { state().datePicture = picture ? picture : ""; }
void SetTimePicture(const char* picture) { state().timePicture = picture ? picture : ""; }

void SetResourceModule(void* module) {
    state().getString = module ? reinterpret_cast<QELResGetStringFn>(
                                     plat::GetSymbol(module, QELRES_GETSTRING_SYMBOL))
                               : nullptr;
}

std::string Caption(unsigned id, const char* fallback) {
    const char* text = state().getString ? state().getString(id) : nullptr;
    return text && *text ? text : fallback;
}

int CurrentYear() { return plat::Now().year; }

}  // namespace spcc
