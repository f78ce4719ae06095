#pragma once

// The outside checkers the output is held against: onsgmls (HTML 4.0
// Transitional DTD), tidy and pngcheck. Each check fails the test with a
// clear message when its tool is not installed.

#include <string>

namespace reports_test {

struct CommandResult {
    int status = -1;
    std::string output;  // standard output and standard error
};
CommandResult RunCommand(const std::string& command);

// The problems the checkers report for a page; empty when it is valid.
std::string HtmlProblems(const std::string& path);
std::string PngProblems(const std::string& path);

// Pages and text of a PDF file by poppler's tools (-1 and "" when they fail).
int PdfPageCount(const std::string& path);
std::string PdfPageText(const std::string& path, int page);

// The texts of the page's TD and TH cells, decoded by Python's HTML parser
// from the declared charset.
std::string CellTextsByPython(const std::string& path);

}  // namespace reports_test
