#pragma once

// The user's profile: where the settings go when no INI file is named, and
// where the recent-file list lives. One INI-format file under the user's
// configuration directory ($XDG_CONFIG_HOME/<organisation>/<application>.ini).

#include <optional>
#include <string>
#include <string_view>

#include <QSettings>

#include "plat/ini_file.h"

class CUserProfile : public plat::Profile {
public:
    CUserProfile(const std::string& organisation, const std::string& application);

    std::optional<std::string> Get(std::string_view section, std::string_view key) override;
    void Set(std::string_view section, std::string_view key, std::string_view value) override;

    QSettings& Settings() { return settings_; }
    std::string FileName() const { return settings_.fileName().toStdString(); }

private:
    QSettings settings_;
};
