#pragma once

// Exchange helpers of the control library's controls: loading writes the
// member into the control, saving reads it back, by the library's messages.

#include <string>

#include "spctrl/sp_controls.h"
#include "support/calendar_values.h"
#include "ui/dialog_base.h"

// Attaches the wrapper to the dialog item (once); a missing item fails
// the exchange.
void DDX_Control(ui::DataExchange& dx, int id, CSPCtrl& control);

// The date's Julian day; the control's 1 (empty) or 0 (invalid) is stored as it comes.
void DDX_SPDatePeriod(ui::DataExchange& dx, int id, CDate& date, int part);
// Minutes, -1 for an empty time; a negative answer empties the time.
void DDX_SPTimePeriod(ui::DataExchange& dx, int id, CTimeOfDay& time, int part);
// Saving refuses a text that is not a number within the edit's limits
// (the message names what the edit takes) and keeps the value as it was.
void DDX_SPLongEdit(ui::DataExchange& dx, int id, int& value);
void DDX_SPDoubleEdit(ui::DataExchange& dx, int id, double& value);
void DDX_SPColorPicker(ui::DataExchange& dx, int id, ui::COLORREF& color);
// Load selects the first entry that begins with the name, without regard to
// case, and leaves the selection alone when none does; save keeps the name
// when nothing is selected.
void DDX_SPFontComboBox(ui::DataExchange& dx, int id, std::string& name);
