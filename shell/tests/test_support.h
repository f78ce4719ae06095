#pragma once

#include <string>
#include <vector>

#include "plugin.h"
#include "testing/temp_directory.h"

// Helpers of the host's tests.
namespace shelltest {

// The calls the fixture plugins logged, in order.
std::vector<std::string> FixtureLog();
bool Logged(const std::string& entry);

// Copies the fixture plugin variant ("full", "minimal", "noinfo") to
// relativePath below dir and returns the copy's path.
std::string InstallFixture(const testing::TempDirectory& dir, const std::string& variant,
                           const std::string& relativePath);

// What the tests tell plugins about the host; loads the resource library.
PluginHostIdentity TestHost();

}  // namespace shelltest
