#pragma once

#include "qel_export.h"

// The resource library's one entry point: the text of a string identifier.
// Never null; an unknown identifier gives "".
QEL_API const char* QELRes_GetString(unsigned id);

// The name of the entry point, for lookup with dlsym.
#define QELRES_GETSTRING_SYMBOL "QELRes_GetString"
typedef const char* (*QELResGetStringFn)(unsigned id);
