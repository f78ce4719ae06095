// The help pages the program opens: valid HTML, and every link between
// them leads to a page that is there.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "testing/external_tools.h"

namespace {

TEST(HelpPages, ValidAndLinked) {
    ASSERT_TRUE(testing::HaveTool("tidy", "tidy"));
    const std::filesystem::path folder = QEL_HELP_DIR;
    ASSERT_TRUE(std::filesystem::is_regular_file(folder / "index.html"));
    const std::regex link("href=\"([^\"#]+)");
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string page = entry.path().string();
        const testing::CommandResult tidy =
            testing::RunCommand("tidy -e -q " + testing::ShellQuoted(page) + " 2>&1");
        EXPECT_EQ(tidy.status, 0) << page << "\n" << tidy.output;
        std::ostringstream text;
        text << std::ifstream(page).rdbuf();
        const std::string html = text.str();
        for (std::sregex_iterator it(html.begin(), html.end(), link), end; it != end; ++it) {
            EXPECT_TRUE(std::filesystem::is_regular_file(folder / (*it)[1].str())) << page << " -> " << (*it)[1];
        }
    }
}

}  // namespace
