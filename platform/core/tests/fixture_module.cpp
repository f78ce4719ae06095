#include "qel_export.h"

// A symbol to look up and an address whose module is known.
QEL_API int qel_fixture_answer() { return 42; }
