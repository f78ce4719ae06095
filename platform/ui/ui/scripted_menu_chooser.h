#pragma once

// A menu chooser for tests: choices come from a script, in order, and every
// menu shown is recorded. An unscripted menu is dismissed (0) and counted.

#include <deque>
#include <vector>

#include "ui/popup_menu.h"

namespace ui {

class ScriptedMenuChooser : public MenuChooser {
public:
    // Installs itself as this copy's chooser for its lifetime.
    ScriptedMenuChooser();
    ~ScriptedMenuChooser() override;
    ScriptedMenuChooser(const ScriptedMenuChooser&) = delete;
    ScriptedMenuChooser& operator=(const ScriptedMenuChooser&) = delete;

    void Pick(unsigned id) { choices_.push_back(id); }
    // The items of every menu shown, in order.
    const std::vector<std::vector<MenuItem>>& shown() const { return shown_; }
    int unscripted() const { return unscripted_; }

    unsigned Choose(QWidget* owner, QPoint screen, const std::vector<MenuItem>& items) override;

private:
    MenuChooser* previous_;
    std::deque<unsigned> choices_;
    std::vector<std::vector<MenuItem>> shown_;
    int unscripted_ = 0;
};

}  // namespace ui
