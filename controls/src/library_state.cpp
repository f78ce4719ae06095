#include "library_state.h"

#include "plat/clock.h"
#include "plat/resource_strings.h"

namespace spcc {
namespace {

struct State {
    std::string datePicture;
    std::string timePicture;
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

std::string Caption(unsigned id, const char* fallback) {
    std::string text = plat::LoadResString(id);
    return text.empty() ? fallback : text;
}

int CurrentYear() { return plat::Now().year; }

}  // namespace spcc
