#pragma once

// The context menu every view opens on a right click. Its items are the
// host's and every plugin's, collected through QELA_OnBuildContextMenu; the
// view shows them and runs the chosen item's handler.

#include <cstdint>

#include "plugin_records.h"

class CViewBase;
class QWidget;

// The add-item function handed to the host: appends a copy of item to the
// plugin's list. Always 1; a null item adds nothing.
std::int32_t AddContextMenuEntry(const PluginContextMenuItem* item);

// Collects the items, shows them at (x, y) in window's client coordinates
// and runs the chosen item's handler (a null handler does nothing). No
// items, no menu.
void ShowContextMenu(CViewBase* view, int x, int y, QWidget* window);
