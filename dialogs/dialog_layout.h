#pragma once

// Building blocks of the dialogs laid out in code: every control carries
// its dialog item id, every text comes from the resource library.

#include <string>

class QBoxLayout;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QVBoxLayout;
class QWidget;

namespace ui {
class DialogBase;
}

namespace dlg {

// The dialog's layout, top to bottom. The dialog always takes the size its
// controls ask for, so no text is cut, however long or large.
QVBoxLayout* AddDialogLayout(QWidget* dialog);
// A name (a file's path) that a label wraps wherever its line ends, not only
// at spaces, so that no part of it is pushed out of sight.
std::string WrappableName(const std::string& name);
// A text shown as it is ("&" included), wrapped to as many lines as it needs.
QLabel* AddLabel(QBoxLayout* layout, int id, unsigned stringId = 0);
// A masked edit that takes at most maxBytes bytes of UTF-8. The label
// names it: the label's "&" marks the mnemonic that moves to the edit.
QLineEdit* AddPasswordEdit(QBoxLayout* layout, int id, unsigned maxBytes, QLabel* label = nullptr);
// Wide enough for its widest item, so no name is cut.
void FitTreeWidth(QTreeWidget* tree);
// OK (IDOK) and Cancel (IDCANCEL) on a row of their own, wired to the dialog.
void AddOkCancel(ui::DialogBase* dialog, QBoxLayout* layout);

}  // namespace dlg
