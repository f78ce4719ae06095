#include "context_menu.h"

#include <QPointer>
#include <QWidget>
#include <cstring>
#include <string>
#include <vector>

#include "plugin_base.h"
#include "ui/popup_menu.h"

namespace {

std::vector<PluginContextMenuItem>& Entries() {
    static std::vector<PluginContextMenuItem> entries;
    return entries;
}

}  // namespace

std::int32_t AddContextMenuEntry(const PluginContextMenuItem* item) {
    if (item != nullptr) Entries().push_back(*item);
    return 1;
}

void ShowContextMenu(CViewBase* /*view*/, int x, int y, QWidget* window) {
    Entries().clear();
    if (g_hostApi.onBuildContextMenu != nullptr) g_hostApi.onBuildContextMenu(&AddContextMenuEntry);
    if (Entries().empty()) return;

    ui::PopupMenu menu;
    for (std::size_t i = 0; i < Entries().size(); ++i) {
        const PluginContextMenuItem& item = Entries()[i];
        // The host writes the terminating zero, a plugin may not.
        const std::string text(item.text, strnlen(item.text, sizeof item.text));
        menu.Append(item.flags, static_cast<unsigned>(i + 1), text);
    }
    const QPoint screen = window != nullptr ? window->mapToGlobal(QPoint(x, y)) : QPoint(x, y);
    // A real menu runs an event loop, in which the window may go.
    const QPointer<QWidget> guard(window);
    const unsigned id = menu.Track(window, screen);
    if (guard != nullptr) guard->update();
    if (id == 0 || id > Entries().size()) return;
    // The handler may open another menu, which empties the list.
    const PluginContextMenuItem chosen = Entries()[id - 1];
    if (chosen.handler != nullptr) chosen.handler(chosen.context, chosen.index);
}
