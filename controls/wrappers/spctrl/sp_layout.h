#pragma once

// Sizes of the library's controls in a dialog laid out in code.

class QWidget;

// The edits of a period control wide enough for any date or time in the
// shown form; called once the control shows its values.
void FitPeriodEdits(QWidget* period);
