#pragma once

// The import submenu of the host's first menu and the state of its commands.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plugin_records.h"

class QMenuBar;

// The host's Export item: the submenu goes in front of it.
inline constexpr unsigned kHostExportCommandId = 32787;

// Copies text into a fixed field of size bytes, cut to leave room for the
// terminating NUL.
void CopyTextField(char* field, std::size_t size, const std::string& text);

// PLUGIN_UPDATE_DISABLED without a plan or on a write-protected one.
std::uint8_t ImportCommandState(CPlanData* root);

struct ImportMenuCommand {
    std::string commandText;   // name and description of the registered command
    std::string menuText;
    PluginCommandCallback run;
    PluginUpdateCallback update;
};

// Registers each command and lists those the host accepted (id > 0) in a
// new submenu titled title, placed in the first popup of bar at its Export
// item, or at its end. 0 without a menu bar, else 1.
int InsertImportMenu(QMenuBar* bar, const std::string& title, const std::vector<ImportMenuCommand>& commands,
                     const std::function<std::int32_t(const PluginCommand&)>& registerCommand);
