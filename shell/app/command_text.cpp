#include "command_text.h"

#include "plat/resource_strings.h"
#include "plugin_records.h"

namespace {

std::string KeyName(int virtualKey) {
    constexpr int kF1 = 0x70;
    constexpr int kF24 = 0x87;
    constexpr int kDelete = 0x2E;
    if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
        return std::string(1, char(virtualKey));
    if (virtualKey >= kF1 && virtualKey <= kF24) return "F" + std::to_string(virtualKey - kF1 + 1);
    if (virtualKey == kDelete) return "Del";
    return "";
}

}  // namespace

std::string CommandMenuText(const std::string& resourceText, const std::string& shortcut) {
    const std::string name = plat::CommandNameOf(resourceText);
    return shortcut.empty() ? name : name + "\t" + shortcut;
}

std::string CommandButtonText(const std::string& resourceText) {
    const std::string name = plat::CommandNameOf(resourceText);
    std::string text;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '&' && i + 1 < name.size()) ++i;   // "&&" stands for one "&"
        text += name[i];
    }
    while (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

std::string ShortcutText(int virtualKey, int modifiers) {
    const std::string key = KeyName(virtualKey);
    if (key.empty()) return "";
    std::string text;
    if ((modifiers & KEY_MODIFIER_CTRL) != 0) text += "Ctrl+";
    if ((modifiers & KEY_MODIFIER_ALT) != 0) text += "Alt+";
    if ((modifiers & KEY_MODIFIER_SHIFT) != 0) text += "Shift+";
    return text + key;
}
