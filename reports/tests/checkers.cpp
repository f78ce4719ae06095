#include "checkers.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <regex>

#include "plat/files.h"
#include "reports/html_text.h"
#include "testing/temp_directory.h"

namespace reports_test {
namespace {

using ::testing::ReadFile;

constexpr const char* kCatalogs[] = {
    "/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc",
    "/usr/share/sgml/w3c-sgml-lib/schema/dtd/sgml.soc",
};

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

// OpenSP as Debian builds it holds characters in 16 bits, so it cannot
// represent a reference to a character beyond U+FFFF, although the HTML 4
// SGML declaration admits every character up to U+10FFFF. That one message
// is the checker's limit, not a fault of the page (tidy and Python's parser
// still read those references); every other message counts.
std::string WithoutWideCharacterLimit(const std::string& output) {
    static const std::regex kLimit(
        "[^\n]*:E: cannot convert character reference to number (\\d+) because character not in "
        "internal character set\n?");
    std::string rest;
    std::size_t from = 0;
    for (auto it = std::sregex_iterator(output.begin(), output.end(), kLimit); it != std::sregex_iterator(); ++it) {
        const long number = std::stol((*it)[1]);
        if (number <= 0xFFFF || number > 0x10FFFF) continue;
        rest.append(output, from, static_cast<std::size_t>(it->position()) - from);
        from = static_cast<std::size_t>(it->position() + it->length());
    }
    rest.append(output, from, std::string::npos);
    return rest;
}

// True when the tool is on PATH; otherwise the test fails.
bool HaveTool(const char* tool, const char* package) {
    if (RunCommand(std::string("command -v ") + tool).status == 0) return true;
    ADD_FAILURE() << tool << " is not on PATH; install the Debian package " << package
                  << " (scripts/install-deps.sh)";
    return false;
}

std::string HtmlCatalog() {
    for (const char* catalog : kCatalogs)
        if (plat::GetPathKind(catalog) == plat::PathKind::File) return catalog;
    ADD_FAILURE() << "the SGML catalog of the W3C DTDs is missing; install w3c-sgml-lib";
    return {};
}

}  // namespace

CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    if (!pipe) return result;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe.get())) > 0;) result.output.append(buffer, n);
    const int status = pclose(pipe.release());
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

std::string HtmlProblems(const std::string& path) {
    std::string problems;
    if (!HaveTool("onsgmls", "opensp") || !HaveTool("tidy", "tidy")) return "checkers missing";
    const std::string catalog = HtmlCatalog();
    if (catalog.empty()) return "catalog missing";
    const std::string encoding = DeclaresUtf8(ReadFile(path)) ? "UTF-8" : "ISO-8859-1";
    const CommandResult sgml = RunCommand("SP_CHARSET_FIXED=YES SP_ENCODING=" + encoding + " onsgmls -s -c " +
                                          Quoted(catalog) + " " + Quoted(path));
    const std::string sgmlProblems = WithoutWideCharacterLimit(sgml.output);
    if (!sgmlProblems.empty() || (sgml.status != 0 && sgml.output.empty()))
        problems += "onsgmls: " + sgmlProblems + "\n";
    // tidy: 0 clean, 1 warnings only, 2 errors.
    const CommandResult tidy = RunCommand("tidy -q -e " + Quoted(path));
    if (tidy.status > 1 || tidy.status < 0) problems += "tidy: " + tidy.output + "\n";
    return problems;
}

std::string PngProblems(const std::string& path) {
    if (!HaveTool("pngcheck", "pngcheck")) return "pngcheck missing";
    const CommandResult check = RunCommand("pngcheck -q " + Quoted(path));
    return check.status == 0 ? std::string() : "pngcheck: " + check.output;
}

int PdfPageCount(const std::string& path) {
    if (!HaveTool("pdfinfo", "poppler-utils")) return -1;
    std::smatch match;
    const std::string info = RunCommand("pdfinfo " + Quoted(path)).output;
    return std::regex_search(info, match, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(match[1]) : -1;
}

std::string PdfPageText(const std::string& path, int page) {
    if (!HaveTool("pdftotext", "poppler-utils")) return {};
    const std::string p = std::to_string(page);
    return RunCommand("pdftotext -f " + p + " -l " + p + " " + Quoted(path) + " -").output;
}

std::string CellTextsByPython(const std::string& path) {
    if (!HaveTool("python3", "python3")) return {};
    static constexpr const char* kScript = R"PY(
import html.parser, re, sys
data = open(sys.argv[1], 'rb').read()
charset = 'utf-8' if re.search(rb'charset=utf-8', data, re.I) else 'iso-8859-1'
class Cells(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.depth = 0
        self.out = []
    def handle_starttag(self, tag, attrs):
        if tag in ('td', 'th'):
            self.depth += 1
            self.out.append('')
        elif tag == 'br' and self.depth:
            self.out[-1] += '\n'
    def handle_endtag(self, tag):
        if tag in ('td', 'th'):
            self.depth -= 1
    def handle_data(self, data):
        if self.depth:
            self.out[-1] += data
parser = Cells()
parser.feed(data.decode(charset).replace('\r\n', '\n'))
sys.stdout.buffer.write('\x1e'.join(parser.out).encode('utf-8'))
)PY";
    const std::string script = "/tmp/qel_reports_cells_" + std::to_string(getpid()) + ".py";
    std::string error;
    plat::WriteFileAtomic(script, kScript, &error);
    const CommandResult run = RunCommand("python3 " + Quoted(script) + " " + Quoted(path));
    std::remove(script.c_str());
    return run.output;
}

}  // namespace reports_test
