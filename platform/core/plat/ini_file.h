#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// An INI file held in memory. Sections and keys match without regard to
// (ASCII) case; the first match wins. Values are read whole, blanks around
// them trimmed and one pair of enclosing quotes stripped; lines split at LF
// with a CR before it dropped; ';' starts a comment line; the byte-order
// marks in front of the first line are dropped (and not written back). Text
// that is not UTF-8 is read as Windows-1252.
class IniDocument {
public:
    // A missing file loads as empty and returns true; false on a read error.
    bool Load(const std::string& path);
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Replaces the key's line in place, or appends it to its section (made
    // at the end when missing). A value with leading or trailing blanks or
    // enclosing quotes is written quoted, so it reads back unchanged.
    void Set(std::string_view section, std::string_view key, std::string_view value);
    void RemoveKey(std::string_view section, std::string_view key);
    // Removes the section and its lines; the rest stays as it was.
    void RemoveSection(std::string_view section);
    std::vector<std::string> Sections() const;
    std::vector<std::string> Keys(std::string_view section) const;
    // Writes a temporary file beside path and renames it over path.
    bool Save(const std::string& path) const;

private:
    std::vector<std::string> lines_;
};

// Single-key access in the manner of the private-profile functions: each
// call reads (and a write rewrites) the whole file.
std::optional<std::string> ReadIniValue(const std::string& path, std::string_view section,
                                        std::string_view key);
bool WriteIniValue(const std::string& path, std::string_view section, std::string_view key,
                   std::string_view value);

// The application profile used when no INI file is named. This library has
// no Qt: the program installs its own store (QSettings) at start-up.
class Profile {
public:
    virtual ~Profile() = default;
    virtual std::optional<std::string> Get(std::string_view section, std::string_view key) = 0;
    virtual void Set(std::string_view section, std::string_view key, std::string_view value) = 0;
};

// Null until the program installs one; callers treat null as "nothing stored".
Profile* CurrentProfile();
void SetCurrentProfile(Profile* profile);

}  // namespace plat
