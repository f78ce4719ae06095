#pragma once

#include "qel_export.h"

// The resource library's one entry point: the text of a string identifier.
// Never null; an unknown identifier gives "".
QEL_API const char* QELRes_GetString(unsigned id);

// The name of the entry point, for lookup with dlsym.
#define QELRES_GETSTRING_SYMBOL "QELRes_GetString"
typedef const char* (*QELResGetStringFn)(unsigned id);

// A cursor of the resource library: kCursorSize rows of kCursorSize
// characters, 'X' black, '.' white, anything else transparent, and the hot
// spot.
inline constexpr int kCursorSize = 16;
struct ResCursor {
    int hotX;
    int hotY;
    const char* rows[kCursorSize];
};

// The views' cursors: moving a booking, over a bar's body, over a bar's
// border; over the calendar's column and row borders.
inline constexpr unsigned kCursorMoving = 0x83;
inline constexpr unsigned kCursorOverBooking = 0x84;
inline constexpr unsigned kCursorOverBorder = 0x85;
inline constexpr unsigned kCursorOverColumnBorder = 0x86;
inline constexpr unsigned kCursorOverRowBorder = 0x87;

// The cursor of an identifier; null for an unknown one.
QEL_API const ResCursor* QELRes_GetCursor(unsigned id);

#define QELRES_GETCURSOR_SYMBOL "QELRes_GetCursor"
typedef const ResCursor* (*QELResGetCursorFn)(unsigned id);
