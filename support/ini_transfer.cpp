#include "support/ini_transfer.h"

#include <optional>

#include "plat/ini_file.h"

namespace {

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(from, start)) != std::string_view::npos;
         start = hit + from.size()) {
        out.append(text.substr(start, hit - start));
        out.append(to);
    }
    out.append(text.substr(start));
    return out;
}

}  // namespace

bool IniToStore(const SettingGetter& get, const SettingSetter& set, std::string_view section,
                std::string_view key, const std::string& iniPath) {
    std::string value = get(key);
    if (!iniPath.empty()) {
        if (std::optional<std::string> stored = plat::ReadIniValue(iniPath, section, key))
            value = ReplaceAll(*stored, kIniNewlineMarker, "\n");
    } else if (plat::Profile* profile = plat::CurrentProfile()) {
        if (std::optional<std::string> stored = profile->Get(section, key)) value = *stored;
    }
    set(key, value);
    return true;
}

bool StoreToIni(const SettingGetter& get, std::string_view section, std::string_view key,
                const std::string& iniPath) {
    const std::string value = get(key);
    if (!iniPath.empty())
        return plat::WriteIniValue(iniPath, section, key, ReplaceAll(value, "\n", kIniNewlineMarker));
    if (plat::Profile* profile = plat::CurrentProfile()) profile->Set(section, key, value);
    return true;
}
