// Every interface header, with nothing else of the project.
#include "controls_api.h"
#include "data_status.h"
#include "host_messages.h"
#include "plan_collections.h"
#include "plan_data.h"
#include "plan_records.h"
#include "plugin_api.h"
#include "plugin_records.h"
#include "qel_export.h"
#include "report_document.h"
#include "resource_library.h"
#include "string_ids.h"
#include "undo_history.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(TextFieldTest, CutOnACharacterBoundaryAndTerminated) {
    struct Case {
        const char* name;
        std::string text;
        std::string expected;   // in a field of 6 bytes: at most 5 and the NUL
    } cases[] = {
        {"fits", "Crane", "Crane"},
        {"empty", "", ""},
        {"ASCII cut", "Cranes!", "Crane"},
        {"two-byte character whole", "abc\u00e9x", "abc\u00e9"},
        {"two-byte character split", "abcd\u00e9", "abcd"},
        {"three-byte character split after one", "abcd\u20ac", "abcd"},
        {"three-byte character split after two", "abc\u20ac", "abc"},
        {"four-byte character split after three", "ab\U0001F600", "ab"},
        {"four-byte character whole", "a\U0001F600b", "a\U0001F600"},
        {"stray continuation bytes kept", "\x80\x80\x80\x80\x80\x80", "\x80\x80\x80\x80\x80"},
        {"truncated sequence before the cut", "ab\xE2\x82" "cd", "ab\xE2\x82" "c"},
    };
    for (const Case& c : cases) {
        char field[6];
        std::memset(field, 'X', sizeof field);
        SetTextField(field, c.text);
        EXPECT_EQ(std::string(field), c.expected) << c.name;
    }
}

TEST(TextFieldTest, RecordNamesStayWithinTheirLimit) {
    CNamedRecord record;
    record.SetName(std::string(98, 'x') + "\u00e9\u00e9");
    EXPECT_EQ(std::string(record.name), std::string(98, 'x'));   // 99 bytes would split the first é
}

}  // namespace
