// The cursors of the views, drawn as text so that they stay
// readable and need no image files: 'X' black, '.' white, ' ' transparent.

#include <algorithm>
#include <iterator>

#include "resource_library.h"

namespace {

struct CursorEntry {
    unsigned id;
    ResCursor cursor;
};

constexpr CursorEntry kCursors[] = {
    // Moving a booking: the four-way arrow with a bar under it.
    {kCursorMoving,
     {7, 7,
      {"      .X.       ", "     .XXX.      ", "    .XXXXX.     ", "    ...X...     ",
       "  ..  .X.  ..   ", " .X.  .X.  .X.  ", ".XXXXXXXXXXXXX. ", " .X.  .X.  .X.  ",
       "  ..  .X.  ..   ", "    ...X...     ", "    .XXXXX.     ", "     .XXX.      ",
       "      .X.       ", " .............  ", " .XXXXXXXXXXX.  ", " .............  "}}},
    // Over a bar's body: the four-way arrow.
    {kCursorOverBooking,
     {7, 7,
      {"      .X.       ", "     .XXX.      ", "    .XXXXX.     ", "    ...X...     ",
       "  ..  .X.  ..   ", " .X.  .X.  .X.  ", ".XXXXXXXXXXXXX. ", " .X.  .X.  .X.  ",
       "  ..  .X.  ..   ", "    ...X...     ", "    .XXXXX.     ", "     .XXX.      ",
       "      .X.       ", "                ", "                ", "                "}}},
    // Over a bar's border: the two-way arrow across a line.
    {kCursorOverBorder,
     {7, 7,
      {"      ...       ", "      .X.       ", "      .X.       ", "   .. .X. ..    ",
       "  .X. .X. .X.   ", " .XX. .X. .XX.  ", ".XXXXX.X.XXXXX. ", " .XX. .X. .XX.  ",
       "  .X. .X. .X.   ", "   .. .X. ..    ", "      .X.       ", "      .X.       ",
       "      ...       ", "                ", "                ", "                "}}},
    // Over a calendar column border: a two-way arrow left and right of a double line.
    {kCursorOverColumnBorder,
     {7, 7,
      {"     .X.X.      ", "     .X.X.      ", "     .X.X.      ", "   . .X.X. .    ",
       "  .X..X.X..X.   ", " .XX..X.X..XX.  ", ".XXXXXX.XXXXXX. ", " .XX..X.X..XX.  ",
       "  .X..X.X..X.   ", "   . .X.X. .    ", "     .X.X.      ", "     .X.X.      ",
       "     .X.X.      ", "     .....      ", "                ", "                "}}},
    // Over a calendar row border: a two-way arrow above and below a double line.
    {kCursorOverRowBorder,
     {7, 7,
      {"      .X.       ", "     .XXX.      ", "    .XXXXX.     ", "   ...XXX...    ",
       "      .X.       ", "............... ", ".XXXXXXXXXXXXX. ", "............... ",
       ".XXXXXXXXXXXXX. ", "............... ", "      .X.       ", "   ...XXX...    ",
       "    .XXXXX.     ", "     .XXX.      ", "      .X.       ", "                "}}},
};

constexpr bool Sorted() {
    for (std::size_t i = 1; i < std::size(kCursors); ++i)
        if (kCursors[i - 1].id >= kCursors[i].id) return false;
    return true;
}
static_assert(Sorted());

}  // namespace

QEL_API const ResCursor* QELRes_GetCursor(unsigned id) {
    const auto* end = std::end(kCursors);
    const auto* it = std::find_if(std::begin(kCursors), end, [&](const CursorEntry& e) { return e.id == id; });
    return it != end ? &it->cursor : nullptr;
}
