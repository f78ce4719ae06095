#pragma once

// The texts of a command on the menu and on the toolbar, from its resource
// string ("status prompt\nName", the name with its mnemonic "&").

#include <string>

// The name after the status prompt, then a tab and the shortcut when there is one.
std::string CommandMenuText(const std::string& resourceText, const std::string& shortcut);
// The name as a button or tool tip shows it: no mnemonic, no trailing dots.
std::string CommandButtonText(const std::string& resourceText);
// How a menu shows a key with the modifier mask of the key dispatch
// ("Ctrl+Shift+N"); "" for a key without a name here.
std::string ShortcutText(int virtualKey, int modifiers);
