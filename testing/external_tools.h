#pragma once

// Outside programs that tests hold output against (poppler's tools and
// the like), run through the shell.

#include <string>

namespace testing {

struct CommandResult {
    int status = -1;     // exit status; -1 when the command did not run or end
    std::string output;  // standard output
};
CommandResult RunCommand(const std::string& command);

// The path in single quotes for the shell.
std::string ShellQuoted(const std::string& path);

// True when the tool is on PATH; otherwise the test fails, naming the
// Debian package to install.
bool HaveTool(const char* tool, const char* package);

// Pages and text of one page of a PDF file (-1 and "" when that fails).
int PdfPageCount(const std::string& path);
std::string PdfPageText(const std::string& path, int page);

}  // namespace testing
