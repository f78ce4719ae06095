#pragma once

// Exchange helpers for the standard controls, in the manner of the dialogs'
// DoDataExchange: loading writes the member into the control, saving reads
// it back. Texts are UTF-8.

#include <cstddef>
#include <string>

#include "ui/dialog_base.h"

namespace ui {

// QLineEdit, QPlainTextEdit, QLabel, QAbstractButton, editable QComboBox.
void DDX_Text(DataExchange& dx, int id, std::string& value);
// A checkable button: 0 clear, 1 checked.
void DDX_Check(DataExchange& dx, int id, int& value);
// The first radio button of a QButtonGroup: index of the checked one, -1 none.
void DDX_Radio(DataExchange& dx, int id, int& value);
// QComboBox current index, -1 none.
void DDX_CBIndex(DataExchange& dx, int id, int& index);
// QListWidget current row, -1 none.
void DDX_LBIndex(DataExchange& dx, int id, int& index);

}  // namespace ui
