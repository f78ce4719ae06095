#pragma once

#include <QToolBar>

class QAction;
class QComboBox;

// The main window's toolbar: its buttons in a fixed table, the base-unit
// combo box among them.
class CMainToolBar : public QToolBar {
public:
    explicit CMainToolBar(QWidget* parent = nullptr);

    // The command of each of the 24 places, 0 for a separator; the combo
    // box takes the place of ID_BASE_UNIT_COMBO.
    static const unsigned* ButtonTable(int* count);
    // Fills the bar from the table with the frame's command items, giving
    // each its icon.
    template <class Lookup>
    void AddButtons(Lookup&& action) {
        int count = 0;
        const unsigned* table = ButtonTable(&count);
        for (int place = 0; place < count; ++place) AddButton(table[place], action(table[place]));
    }

    QComboBox* BaseUnitCombo() const { return combo_; }

private:
    void AddButton(unsigned id, QAction* item);

    QComboBox* combo_;
};
