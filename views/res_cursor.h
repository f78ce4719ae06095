#pragma once

// The cursors of the resource library as toolkit cursors.

#include <QCursor>

#include "resource_library.h"

// The cursor of id from the installed resource module; the arrow when there
// is no module or no such cursor.
QCursor LoadResCursor(unsigned id);
// The same from a cursor record (null: the arrow).
QCursor CursorFromRecord(const ResCursor* record);
