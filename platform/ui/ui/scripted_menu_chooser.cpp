#include "ui/scripted_menu_chooser.h"

namespace ui {

ScriptedMenuChooser::ScriptedMenuChooser() : previous_(InstalledMenuChooser()) { SetMenuChooser(this); }

ScriptedMenuChooser::~ScriptedMenuChooser() { SetMenuChooser(previous_); }

unsigned ScriptedMenuChooser::Choose(QWidget*, QPoint, const std::vector<MenuItem>& items) {
    shown_.push_back(items);
    if (choices_.empty()) {
        ++unscripted_;
        return 0;
    }
    const unsigned id = choices_.front();
    choices_.pop_front();
    return id;
}

}  // namespace ui
