#pragma once

// What the set-up exports hand to the library: the pictures of the shown
// dates and times, the separators of numbers and the resource library for
// the controls' captions.

#include <string>

#include "number_text.h"

namespace spcc {

const std::string& DatePicture();
const std::string& TimePicture();
void SetDatePicture(const char* picture);
void SetTimePicture(const char* picture);
// The separators handed over, else those of the locale the library reads.
NumberSeparators Separators();
// A null or empty decimal separator goes back to the locale's.
void SetSeparators(const char* decimal, const char* group);
// The resource text, or the fallback when the resource library has none.
std::string Caption(unsigned id, const char* fallback);
// The year of today by the platform clock, for dates typed without one.
int CurrentYear();

}  // namespace spcc
