// A resource library that knows one caption of the controls.

#include "controls_api.h"
#include "resource_library.h"

QEL_API const char* QELRes_GetString(unsigned id) { return id == SPCC_STR_CALENDAR_WEEK ? "Woche" : ""; }
