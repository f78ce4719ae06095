#pragma once

// The outside checkers the output is held against: onsgmls (HTML 4.0
// Transitional DTD), tidy and pngcheck. Each check fails the test with a
// clear message when its tool is not installed.

#include <string>

namespace reports_test {

// The problems the checkers report for a page; empty when it is valid.
std::string HtmlProblems(const std::string& path);
std::string PngProblems(const std::string& path);

// The texts of the page's TD and TH cells, decoded by Python's HTML parser
// from the declared charset, separated by the character U+001E.
std::string CellTextsByPython(const std::string& path);

}  // namespace reports_test
