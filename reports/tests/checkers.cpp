#include "checkers.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <regex>

#include "plat/files.h"
#include "reports/html_text.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"

namespace reports_test {
namespace {

using ::testing::HaveTool;
using ::testing::RunCommand;
using ::testing::ShellQuoted;

constexpr const char* kCatalogs[] = {
    "/usr/share/xml/w3c-sgml-lib/schema/dtd/sgml.soc",
    "/usr/share/sgml/w3c-sgml-lib/schema/dtd/sgml.soc",
};

std::string HtmlCatalog() {
    for (const char* catalog : kCatalogs)
        if (plat::GetPathKind(catalog) == plat::PathKind::File) return catalog;
    ADD_FAILURE() << "the SGML catalog of the W3C DTDs is missing; install w3c-sgml-lib";
    return {};
}

// OpenSP as Debian builds it holds characters in 16 bits, so it cannot
// represent a reference to a character beyond U+FFFF, although the HTML 4
// SGML declaration admits every character up to U+10FFFF. That one message
// is the checker's limit, not a fault of the page (tidy and Python's parser
// still read those references); every other message counts.
std::string WithoutWideCharacterLimit(const std::string& output) {
    static const std::regex kLimit(
        "[^\\n]*:E: cannot convert character reference to number (\\d+) because character not in "
        "internal character set\\n?");
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

}  // namespace

std::string HtmlProblems(const std::string& path) {
    if (!HaveTool("onsgmls", "opensp") || !HaveTool("tidy", "tidy")) return "checkers missing";
    const std::string catalog = HtmlCatalog();
    if (catalog.empty()) return "catalog missing";
    std::string problems;
    const std::string encoding = DeclaresUtf8(::testing::ReadFile(path)) ? "UTF-8" : "ISO-8859-1";
    const auto sgml = RunCommand("SP_CHARSET_FIXED=YES SP_ENCODING=" + encoding + " onsgmls -s -c " +
                                 ShellQuoted(catalog) + " " + ShellQuoted(path) + " 2>&1");
    const std::string sgmlProblems = WithoutWideCharacterLimit(sgml.output);
    if (!sgmlProblems.empty() || (sgml.status != 0 && sgml.output.empty()))
        problems += "onsgmls: " + sgmlProblems + "\n";
    // tidy: 0 clean, 1 warnings only, 2 errors.
    const auto tidy = RunCommand("tidy -q -e " + ShellQuoted(path) + " 2>&1");
    if (tidy.status > 1 || tidy.status < 0) problems += "tidy: " + tidy.output + "\n";
    return problems;
}

std::string PngProblems(const std::string& path) {
    if (!HaveTool("pngcheck", "pngcheck")) return "pngcheck missing";
    const auto check = RunCommand("pngcheck -q " + ShellQuoted(path) + " 2>&1");
    return check.status == 0 ? std::string() : "pngcheck: " + check.output;
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
    if (!plat::WriteFileAtomic(script, kScript, &error)) return "cannot write the script: " + error;
    const auto run = RunCommand("python3 " + ShellQuoted(script) + " " + ShellQuoted(path));
    std::remove(script.c_str());
    return run.output;
}

}  // namespace reports_test
