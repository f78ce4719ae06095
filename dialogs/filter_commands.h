#pragma once

// The document's saved filters: saving under a new name, overwriting one,
// deleting one. Each change is one named undo step, refused on a
// write-protected document; a refusal leaves the document as it was.
// The public filter of the views is never one of them.

#include <string>

#include "filter_choice.h"

class QWidget;

// The new saved filter, or null (write-protected, an empty name, refused).
// The name is cut to its limit on a character boundary.
CFilter* NewFilter(CPlanData* data, const std::string& name, const FilterChoice& choice);
// The filter takes the choice; its name and id stay.
bool ModifyFilter(CPlanData* data, CFilter* filter, const FilterChoice& choice);
// Asks first, with No as the default answer; false when not deleted.
bool DeleteFilter(CPlanData* data, CFilter* filter, QWidget* parent);
