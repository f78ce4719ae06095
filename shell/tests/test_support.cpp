#include "test_support.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "plat/dynlib.h"
#include "plat/resource_strings.h"
#include "settings_store.h"

namespace shelltest {

std::vector<std::string> FixtureLog() {
    std::vector<std::string> lines;
    std::istringstream log(SettingsStore().GetSetting("FixtureLog"));
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
}

bool Logged(const std::string& entry) {
    const auto log = FixtureLog();
    return std::find(log.begin(), log.end(), entry) != log.end();
}

std::string InstallFixture(const testing::TempDirectory& dir, const std::string& variant,
                           const std::string& relativePath) {
    const std::filesystem::path target = dir.File(relativePath);
    std::filesystem::create_directories(target.parent_path());
    std::filesystem::copy_file(std::string(QEL_FIXTURE_DIR) + "/" + variant + ".plugin", target,
                               std::filesystem::copy_options::overwrite_existing);
    return target.string();
}

PluginHostIdentity TestHost() {
    static void* resources = [] {
        void* module = plat::LoadLibrary("libQELRes.so");
        plat::SetResourceModule(module);
        return module;
    }();
    return ReadHostIdentity(resources);
}

}  // namespace shelltest
