#pragma once

// Window messages of the views beyond the host's (host_messages.h).

#include "host_messages.h"

inline constexpr unsigned WM_HSCROLL_CODE = 0x0114;
inline constexpr unsigned WM_VSCROLL_CODE = 0x0115;
