#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <string_view>

#include "plat/dynlib.h"
#include "plat/version_block.h"
#include "resource_library.h"
#include "string_ids.h"

namespace {

// The argument kinds of every format text, as its callers pass them:
// i integer, f real number, s text.
const std::map<unsigned, std::string> kFormats = {
    {ids::TITLE_CAPTION, "s"},
    {ids::DURATION_HOURS, "f"},
    {ids::DURATION_WORKING_DAYS, "f"},
    {ids::DURATION_HOURS_MINUTES, "ii"},
    {ids::DURATION_MINUTES, "i"},
    {ids::MENU_UNDO, "s"},
    {ids::MENU_REDO, "s"},
    {ids::FILE_NOT_FOUND, "s"},
    {ids::SAVE_OLDER_FORMAT, "s"},
    {ids::SAVE_FAILED, "s"},
    {41551, "ss"},
    {ids::REOPEN_DISCARDS, "s"},
    {ids::OPEN_CANNOT, "s"},
    {ids::OPEN_FAILED, "s"},
    {ids::PRINT_OUTPUT_FAILED, "s"},
    {ids::NUMBER_NOT_A_NUMBER, "s"},
    {ids::NUMBER_OUT_OF_RANGE, "ss"},
    {ids::OPEN_READ_ONLY, "s"},
    {ids::LIBRARY_NOT_LOADED, "s"},
    {ids::LIBRARY_NO_ENTRY, "s"},
    {ids::PROGRAM_DIRECTORY_INFO, "s"},
    {ids::RECENT_FILE_ITEM, "is"},
    {ids::RESOURCE_SAME_NAME, "s"},
    {ids::TASK_SAME_NAME, "s"},
    {ids::CONFIRM_DELETE_RESOURCE, "s"},
    {250, "s"},
    {600, "s"},
    {601, "s"},
    {602, "s"},
    {603, "s"},
    {5400, "s"},
    {ids::CONFIRM_DELETE_RESOURCE_GROUP, "s"},
    {ids::CONFIRM_DELETE_TASK, "s"},
    {ids::CONFIRM_DELETE_TASK_GROUP, "s"},
    {ids::CONFIRM_DELETE_FILTER, "s"},
    {ids::SCHEDULE_ROW_TRACK_TIP, "s"},
    {ids::SCHEDULE_COLUMN_TRACK_TIP, "s"},
    {5372, "s"},   // a saved filter of that name exists
    {ids::COPY_FILE_DONE, "s"},
    {ids::COPY_FILE_FAILED, "s"},
    {ids::COPY_FILE_REPLACE, "s"},
    {ids::COPY_FILE_SAME, "s"},
    {ids::HELP_NOT_OPENED, "s"},
    {ids::SAVE_CHANGES, "s"},
    {ids::OPEN_TEXTS_SHORTENED, "s"},
    {ids::REPORT_BOOKING_LIST_SUBTITLE, "ss"},
    {ids::REPORT_CALENDAR_PERIOD_CUT, "ss"},
    {ids::REPORT_SCHEDULE_PERIOD_TOO_WIDE, "s"},
    {ids::CALENDAR_WEEK_TOOLTIP, "s"},
    {ids::CALENDAR_OVERFLOW_DAY, "s"},
    {ids::CALENDAR_OVERFLOW_COUNT, "i"},
    {ids::REPORT_FILE_NOT_WRITTEN, "ss"},
    {ids::IMPORT_NO_RECORDS, "s"},
    {ids::IMPORT_DONE, "i"},
    {ids::IMPORT_ERRORS_IN_ALL, "ii"},
    {ids::IMPORT_CANNOT_READ, "s"},
    {ids::IMPORT_COLUMN_NUMBER, "i"},
    {ids::IMPORT_FIRST_LINE_UNREADABLE, "s"},
    {ids::IMPORT_DESCRIPTION_NOT_WRITTEN, "s"},
};

// Header and footer texts of reports: their placeholders (%ds, %dl, %ts,
// %pc, %pt, %ti) are replaced by the reports, never read by a formatter.
const std::set<unsigned> kPlaceholderTexts = {
    ids::REPORT_HTML_FOOTER,
    ids::REPORT_FOOTER_LEFT,
    ids::REPORT_FOOTER_RIGHT,
};

// The kinds of the conversions of a printf format, or "?" at the first
// conversion the formatter does not know.
std::string ConversionKinds(std::string_view format) {
    std::string kinds;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        ++i;
        if (i < format.size() && format[i] == '%') continue;
        while (i < format.size() && std::string_view("-+ #0").find(format[i]) != std::string_view::npos) ++i;
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) ++i;
        if (i < format.size() && format[i] == '.') {
            ++i;
            while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) ++i;
        }
        while (i < format.size() && (format[i] == 'h' || format[i] == 'l')) ++i;
        const char c = i < format.size() ? format[i] : '\0';
        if (std::string_view("diuxXc").find(c) != std::string_view::npos && c != '\0') {
            kinds += 'i';
        } else if (c == 'f' || c == 'e' || c == 'g') {
            kinds += 'f';
        } else if (c == 's') {
            kinds += 's';
        } else {
            return "?";
        }
    }
    return kinds;
}

TEST(StringTable, EveryFormatTakesItsDocumentedArguments) {
    int formats = 0;
    for (unsigned id = 0; id <= 0xFFFF; ++id) {
        const std::string text = QELRes_GetString(id);
        if (kPlaceholderTexts.count(id) != 0) {
            EXPECT_TRUE(std::regex_match(text, std::regex("([^%]|%(ds|dl|ts|pc|pt|ti))*"))) << "string " << id << ": " << text;
            continue;
        }
        const std::string kinds = ConversionKinds(text);
        const auto documented = kFormats.find(id);
        if (documented == kFormats.end()) {
            EXPECT_EQ(kinds, "") << "string " << id << " has conversions nobody documented: " << text;
        } else {
            EXPECT_EQ(kinds, documented->second) << "string " << id << ": " << text;
            ++formats;
        }
    }
    EXPECT_EQ(formats, static_cast<int>(kFormats.size())) << "a documented format is missing";
}

TEST(StringTable, UnknownIdentifiersGiveEmptyText) {
    for (unsigned id : {0u, 1u, 169u, 3605u, 0xE001u, 0xFFFFFFFFu}) {
        const char* text = QELRes_GetString(id);
        ASSERT_NE(text, nullptr);
        EXPECT_STREQ(text, "") << id;
    }
}

TEST(StringTable, LibraryAndPluginFileNames) {
    const struct {
        unsigned id;
        const char* text;
    } cases[] = {
        {ids::LIBRARY_CONTROLS, "libControls.so"},
        {ids::LIBRARY_REPORT_DOCUMENT, "libReportDocument.so"},
        {ids::LIBRARY_DATA, "libData.so"},
        {ids::PLUGIN_VIEWS, "Views.plugin"},
        {ids::PLUGIN_IMPORT, "Import.plugin"},
        {ids::PLUGIN_REPORTS, "Reports.plugin"},
        {ids::PLUGIN_FILE_EXTENSION, ".plugin"},
        {ids::SETTINGS_FILE_EXTENSION, ".settings"},
    };
    for (const auto& c : cases) EXPECT_STREQ(QELRes_GetString(c.id), c.text) << c.id;
}

TEST(StringTable, CommandPromptsCarryATooltip) {
    for (unsigned id : {1025u, 31790u, 32768u, 32791u, 32802u}) {
        const std::string text = QELRes_GetString(id);
        const auto newline = text.find('\n');
        ASSERT_NE(newline, std::string::npos) << id;
        EXPECT_GT(newline, 0u) << id;
        EXPECT_LT(newline + 1, text.size()) << id;
    }
}

}  // namespace

namespace {

TEST(ResourceLibrary, CarriesItsVersionBlock) {
    void* module = plat::LoadLibrary("libQELRes.so");
    ASSERT_NE(module, nullptr) << plat::LastLibraryError();
    const plat::VersionBlock* block = plat::FindVersionBlock(module);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->language, 0x0409);
    EXPECT_EQ(plat::VersionValue(module, "ProductName"), "QELRes");
}

}  // namespace

TEST(ResourceLibrary, ViewCursorsAreWholeImages) {
    for (unsigned id :
         {kCursorMoving, kCursorOverBooking, kCursorOverBorder, kCursorOverColumnBorder, kCursorOverRowBorder}) {
        const ResCursor* cursor = QELRes_GetCursor(id);
        ASSERT_NE(cursor, nullptr) << id;
        EXPECT_TRUE(cursor->hotX >= 0 && cursor->hotX < kCursorSize && cursor->hotY >= 0 && cursor->hotY < kCursorSize);
        for (const char* row : cursor->rows) {
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(std::string_view(row).size(), static_cast<std::size_t>(kCursorSize)) << id;
            EXPECT_EQ(std::string_view(row).find_first_not_of("X. "), std::string_view::npos) << id;
        }
    }
    EXPECT_EQ(QELRes_GetCursor(0x82), nullptr);
    EXPECT_EQ(QELRes_GetCursor(0x88), nullptr);
}
