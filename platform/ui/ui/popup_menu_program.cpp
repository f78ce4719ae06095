// Linked whole into the program only: the copies of the popup menu in the
// plugins find it there and let the program's chooser decide.

#include <QPoint>

#include "ui/popup_menu.h"

// The program's answer for the copies in its plugins.
QEL_API std::uint32_t QELUI_TrackPopupMenu(QWidget* owner, std::int32_t x, std::int32_t y,
                                           const QelPopupItem* items, std::uint32_t count) {
    std::vector<ui::MenuItem> list;
    for (std::uint32_t i = 0; items != nullptr && i < count; ++i) {
        list.push_back({items[i].id, items[i].flags, items[i].text != nullptr ? items[i].text : ""});
    }
    return ui::OwnMenuChooser().Choose(owner, QPoint(x, y), list);
}
