#pragma once

// What the set-up exports hand to the library: the pictures of the shown
// dates and times and the resource library for the controls' captions.

#include <string>

namespace spcc {

const std::string& DatePicture();
const std::string& TimePicture();
void SetDatePicture(const char* picture);
void SetTimePicture(const char* picture);
// The resource text, or the fallback when the resource library has none.
std::string Caption(unsigned id, const char* fallback);
// The year of today by the platform clock, for dates typed without one.
int CurrentYear();

}  // namespace spcc
