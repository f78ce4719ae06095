#pragma once

// The integer types and constants of the window-message protocol, with the
// numbers the callers were written against.

#include <cstdint>

#ifndef WM_USER
#define WM_USER 0x0400
#endif
#ifndef WM_COMMAND
#define WM_COMMAND 0x0111
#endif

namespace ui {

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;   // 0x00BBGGRR

constexpr COLORREF MakeColorRef(int r, int g, int b) {
    return COLORREF(r & 0xFF) | (COLORREF(g & 0xFF) << 8) | (COLORREF(b & 0xFF) << 16);
}
constexpr int RedOf(COLORREF c) { return int(c & 0xFF); }
constexpr int GreenOf(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(COLORREF c) { return int((c >> 16) & 0xFF); }

constexpr WPARAM MakeWParam(unsigned low, unsigned high) {
    return WPARAM((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}
constexpr unsigned LowWord(WPARAM w) { return unsigned(w & 0xFFFF); }
constexpr unsigned HighWord(WPARAM w) { return unsigned((w >> 16) & 0xFFFF); }

// Dialog and message-box results.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Notification codes carried in the high word of a WM_COMMAND.
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned CBN_SELCHANGE = 1;
inline constexpr unsigned CBN_SELENDOK = 9;
inline constexpr unsigned EN_CHANGE = 0x300;

}  // namespace ui
