#pragma once

// The help command opens the help pages of the program directory in the
// user's browser; tests put their own opener in its place.

#include <functional>
#include <string>

// Opens a local file in the browser; false when it could not.
using HelpOpener = std::function<bool(const std::string& path)>;
// An empty opener puts the desktop's back.
void SetHelpOpener(HelpOpener opener);
