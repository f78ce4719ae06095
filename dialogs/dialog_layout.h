#pragma once

// Building blocks of the dialogs laid out in code: every control carries
// its dialog item id, every text comes from the resource library.

class QBoxLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace ui {
class DialogBase;
}

namespace dlg {

QLabel* AddLabel(QBoxLayout* layout, int id, unsigned stringId = 0);
// A masked edit that takes at most maxBytes bytes of UTF-8.
QLineEdit* AddPasswordEdit(QBoxLayout* layout, int id, unsigned maxBytes);
// OK (IDOK) and Cancel (IDCANCEL) on a row of their own, wired to the dialog.
void AddOkCancel(ui::DialogBase* dialog, QBoxLayout* layout);

}  // namespace dlg
