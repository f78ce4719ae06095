#pragma once

// Popup menus go through one replaceable chooser, so the code that shows a
// menu runs headless with a scripted choice. Each deliverable links its own
// copy of this library; a copy with no chooser of its own asks the running
// program's copy when the program exports one (QELUI_TrackPopupMenu, only
// test programs do), so a test that scripts the program also scripts the
// menus of its plugins.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <QPoint>

#include "qel_export.h"

class QWidget;

namespace ui {

inline constexpr unsigned MF_GRAYED = 0x1;
inline constexpr unsigned MF_SEPARATOR = 0x800;

struct MenuItem {
    unsigned id = 0;
    unsigned flags = 0;
    std::string text;   // "&" marks the mnemonic
};

class MenuChooser {
public:
    virtual ~MenuChooser() = default;
    // The chosen item's id, 0 when the menu was dismissed. screen is where
    // the menu opens, in global coordinates.
    virtual unsigned Choose(QWidget* owner, QPoint screen, const std::vector<MenuItem>& items) = 0;
};

// The chooser installed in this copy, null when none is.
MenuChooser* InstalledMenuChooser();
// Null takes the installed chooser away.
void SetMenuChooser(MenuChooser* chooser);
// The installed chooser, or the one showing a real menu.
MenuChooser& OwnMenuChooser();

class PopupMenu {
public:
    void Append(unsigned flags, unsigned id, std::string_view text);
    const std::vector<MenuItem>& Items() const { return items_; }
    bool IsEmpty() const { return items_.empty(); }

    // Shows the menu at screen and waits for the choice: the id of an
    // enabled item that is not a separator, else 0. An empty menu shows
    // nothing and answers 0.
    unsigned Track(QWidget* owner, QPoint screen) const;

private:
    std::vector<MenuItem> items_;
};

}  // namespace ui

// An item of QELUI_TrackPopupMenu.
struct QelPopupItem {
    std::uint32_t id;
    std::uint32_t flags;
    const char* text;
};

typedef std::uint32_t (*QelTrackPopupMenuFn)(QWidget* owner, std::int32_t x, std::int32_t y,
                                             const QelPopupItem* items, std::uint32_t count);
inline constexpr const char* QELUI_TRACK_POPUP_MENU_SYMBOL = "QELUI_TrackPopupMenu";

// The program's chooser (installed or real) for items in order; exported by
// test programs only (library qel_platform_ui_program).
QEL_API std::uint32_t QELUI_TrackPopupMenu(QWidget* owner, std::int32_t x, std::int32_t y,
                                           const QelPopupItem* items, std::uint32_t count);
