#pragma once

// Shows a day in the visible view: at the document's day start when the
// views hide the non-working time, else at 0:00.

#include "support/calendar_values.h"

class CMainFrame;

// True when a view window took the date.
bool GoToDate(CMainFrame& frame, const CDate& date);
// The date the visible view shows first; today when there is no view.
CDate ShownDate(CMainFrame& frame);
