#pragma once

// The main window's commands beyond the file commands, by identifier. Each
// area of the program registers its own (booking, item, view, filter,
// report and option commands); an item of the menus or the toolbar whose
// identifier has no registered command stays disabled.

#include <functional>
#include <map>

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

class CMainFrame;

// Each area fills the table with its own commands when the frame is made.
void RegisterBookingFrameCommands(CMainFrame& frame);
void RegisterItemFrameCommands(CMainFrame& frame);
void RegisterViewFrameCommands(CMainFrame& frame);
void RegisterOptionFrameCommands(CMainFrame& frame);
