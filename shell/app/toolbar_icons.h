#pragma once

// The icons of the toolbar's commands: the desktop theme's where a standard
// icon exists, else one drawn here in the same style.

#include <QIcon>

QIcon ToolbarIcon(unsigned commandId);
