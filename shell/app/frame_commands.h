#pragma once

// The main window's commands beyond the file commands, by identifier. Each
// area of the program registers its own (booking, item, view, filter,
// report and option commands); an item of the menus or the toolbar whose
// identifier has no registered command stays disabled.

#include <functional>
#include <map>

#include "host_objects.h"

struct FrameCommand {
    std::function<void()> run;
    std::function<bool()> enabled;   // empty: always enabled
    std::function<bool()> checked;   // empty: never checked
};

class CFrameCommandTable {
public:
    void Set(unsigned id, FrameCommand command) { commands_[id] = std::move(command); }
    const FrameCommand* Find(unsigned id) const {
        const auto it = commands_.find(id);
        return it == commands_.end() ? nullptr : &it->second;
    }
    bool IsEnabled(unsigned id) const {
        const FrameCommand* command = Find(id);
        return command != nullptr && command->run && (!command->enabled || command->enabled());
    }
    bool IsChecked(unsigned id) const {
        const FrameCommand* command = Find(id);
        return command != nullptr && command->checked && command->checked();
    }
    // Runs the command when it is enabled; false when it did not run.
    bool Run(unsigned id) const {
        if (!IsEnabled(id)) return false;
        Find(id)->run();
        return true;
    }

private:
    std::map<unsigned, FrameCommand> commands_;
};

// The built-in named commands of the host interface that run in the main
// window: true when the command did its work (a dialog the user cancelled
// counts as done where the command says so).
class CNamedCommandTable {
public:
    using Handler = std::function<bool(void* arg)>;
    void Set(HostCommand command, Handler handler) { handlers_[command] = std::move(handler); }
    // False when no handler is registered: nothing was done.
    bool Run(HostCommand command, void* arg) const {
        const auto it = handlers_.find(command);
        return it != handlers_.end() && it->second && it->second(arg);
    }

private:
    std::map<HostCommand, Handler> handlers_;
};

class CMainFrame;

// Each area fills the table with its own commands when the frame is made.
void RegisterBookingFrameCommands(CMainFrame& frame);
void RegisterItemFrameCommands(CMainFrame& frame);
void RegisterViewFrameCommands(CMainFrame& frame);
void RegisterOptionFrameCommands(CMainFrame& frame);
void RegisterReportFrameCommands(CMainFrame& frame);
void RegisterFilterFrameCommands(CMainFrame& frame);
void RegisterHelpFrameCommands(CMainFrame& frame);
