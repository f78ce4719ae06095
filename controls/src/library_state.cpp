#include "library_state.h"

#include <optional>

#include "plat/clock.h"
#include "plat/locale_info.h"
#include "plat/resource_strings.h"

namespace spcc {
namespace {

struct State {
    std::string datePicture;
    std::string timePicture;
    std::optional<NumberSeparators> separators;
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

NumberSeparators Separators() {
    if (state().separators) return *state().separators;
    const plat::LocaleInfo& locale = plat::CurrentLocale();
    return {locale.decimalSeparator, locale.groupSeparator};
}

void SetSeparators(const char* decimal, const char* group) {
    if (decimal == nullptr || *decimal == '\0') state().separators.reset();
    else state().separators = NumberSeparators{decimal, group != nullptr ? group : ""};
}

std::string Caption(unsigned id, const char* fallback) {
    std::string text = plat::LoadResString(id);
    return text.empty() ? fallback : text;
}

int CurrentYear() { return plat::Now().year; }

}  // namespace spcc
