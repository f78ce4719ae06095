#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/import_table.h"
#include "testing/temp_directory.h"

namespace {

// Text as UTF-16 with its byte-order mark (ASCII and Latin-1 only).
std::string Utf16(std::string_view latin1, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : latin1) {
        const char unit[2] = {c, '\0'};
        bytes += bigEndian ? unit[1] : unit[0];
        bytes += bigEndian ? unit[0] : unit[1];
    }
    return bytes;
}

using Fields = std::vector<std::string>;

std::vector<Fields> Rows(const ImportTable& table) {
    std::vector<Fields> rows;
    std::vector<std::string_view> line;
    for (std::size_t i = 0; i < table.LineCount(); ++i) {
        table.GetLine(i, line);
        rows.emplace_back(line.begin(), line.end());
    }
    return rows;
}

TEST(SplitImportLine, SeparatorTable) {
    struct Case {
        std::string line;
        Fields expected;
    };
    const Case cases[] = {
        {"a;;b", {"a", "", "b"}},
        {"a;", {"a"}},
        {";a", {"", "a"}},
        {"", {""}},
        {";", {""}},
        {";;", {"", ""}},
        {"a;b;", {"a", "b"}},
        {"a;b;;", {"a", "b", ""}},
        {"\"a;b\"", {"\"a", "b\""}},   // no quoting
        {"a\rb;c\r", {"a\rb", "c\r"}},
        {std::string("a\0b;c", 5), {std::string("a\0b", 3), "c"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string_view> fields;
        SplitImportLine(c.line, ";\n", fields);
        EXPECT_EQ(Fields(fields.begin(), fields.end()), c.expected) << c.line;
    }
}

// Line ends: LF, or CR LF (the CR belongs to the line end); a CR anywhere
// else is data. A final line end adds no line; an empty line is a line.
TEST(ImportTable, LinesAndLineEnds) {
    struct Case {
        std::string text;
        bool skipFirst;
        std::vector<Fields> expected;
    };
    const Case cases[] = {
        {"", false, {}},
        {"a;b\nc;d\n", false, {{"a", "b"}, {"c", "d"}}},
        {"a;b\r\nc;d\r\n", false, {{"a", "b"}, {"c", "d"}}},
        {"a;b\r\nc;d\ne;f", false, {{"a", "b"}, {"c", "d"}, {"e", "f"}}},
        {"a;b\rc;d\n", false, {{"a", "b\rc", "d"}}},
        {"a;b\r\r\n", false, {{"a", "b\r"}}},
        {"a\n\nb\n", false, {{"a"}, {""}, {"b"}}},
        {"names;x\n", true, {}},
        {"names;x\r\na;b", true, {{"a", "b"}}},
        {"a\r", false, {{"a\r"}}},
    };
    for (const Case& c : cases) {
        ImportTable table;
        table.Assign(c.text, ';', c.skipFirst);
        EXPECT_EQ(Rows(table), c.expected) << c.text;
    }
}

TEST(DecodeImportText, ByteOrderMarksUtf8AndWindows1252) {
    struct Case {
        std::string bytes, text;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"\xEF\xBB\xBFM\xC3\xBCller", "M\xC3\xBCller"},
        {"M\xFCller \x80", "M\xC3\xBCller \xE2\x82\xAC"},
        {"abc\xC3", "abc\xC3\x83"},
        {std::string("\xFF\xFEM\0\xFC\0\x3D\xD8\x00\xDE", 10), "M\xC3\xBC\xF0\x9F\x98\x80"},
        {std::string("\xFE\xFF\0M\0\xFC", 6), "M\xC3\xBC"},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeImportText(c.bytes), c.text) << c.bytes;
}

// The first line is cut after decoding: in UTF-16 a line feed is two bytes,
// and a byte 0x0A can be half of another character.
TEST(ReadImportFirstLine, DecodedBeforeItIsCut) {
    struct Case {
        const char* what;
        std::string bytes, line;
    };
    const std::string names = "Resource;Task";
    const Case cases[] = {
        {"UTF-16 LE, LF", Utf16(names + "\nAnna;Build\n", false), names},
        {"UTF-16 LE, CR LF", Utf16(names + "\r\nAnna;Build\r\n", false), names},
        {"UTF-16 BE, LF", Utf16(names + "\nAnna;Build\n", true), names},
        {"UTF-16 BE, CR LF", Utf16(names + "\r\nAnna;Build\r\n", true), names},
        {"UTF-16 LE, U+010A", std::string("\xFF\xFE" "A\0\x0A\x01;\0B\0\n\0", 12), "A\xC4\x8A;B"},
        {"UTF-16 BE, U+0A0D", std::string("\xFE\xFF" "\x0A\x0D\0;\0\n\0x", 10), "\xE0\xA8\x8D;"},
        {"UTF-8 with mark, CR LF", "\xEF\xBB\xBFM\xC3\xBCller;x\r\ny", "M\xC3\xBCller;x"},
        {"Windows-1252", "M\xFCller;x\nM\xFCller", "M\xC3\xBCller;x"},
        {"one line, no line end", "a;b", "a;b"},
        {"empty file", "", ""},
    };
    testing::TempDirectory dir;
    for (const Case& c : cases) {
        std::string line = "stale";
        ASSERT_TRUE(ReadImportFirstLine(dir.Write("first.txt", c.bytes), line)) << c.what;
        EXPECT_EQ(line, c.line) << c.what;
    }
    std::string line;
    EXPECT_FALSE(ReadImportFirstLine(dir.File("missing.txt"), line));
}

}  // namespace
