#include "testing/external_tools.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <memory>
#include <regex>

namespace testing {

CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return result;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) result.output.append(buffer, n);
    const int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string ShellQuoted(const std::string& path) {
    std::string quoted = "'";
    for (const char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool HaveTool(const char* tool, const char* package) {
    if (RunCommand(std::string("command -v ") + tool + " >/dev/null").status == 0) return true;
    ADD_FAILURE() << tool << " is not on PATH; install the Debian package " << package
                  << " (scripts/install-deps.sh)";
    return false;
}

int PdfPageCount(const std::string& path) {
    if (!HaveTool("pdfinfo", "poppler-utils")) return -1;
    std::smatch match;
    const std::string info = RunCommand("pdfinfo " + ShellQuoted(path)).output;
    return std::regex_search(info, match, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(match[1]) : -1;
}

std::string PdfPageText(const std::string& path, int page) {
    if (!HaveTool("pdftotext", "poppler-utils")) return {};
    const std::string p = std::to_string(page);
    return RunCommand("pdftotext -f " + p + " -l " + p + " " + ShellQuoted(path) + " -").output;
}

}  // namespace testing
