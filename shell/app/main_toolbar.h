#pragma once

#include <QToolBar>

class QComboBox;

// The main window's toolbar; it owns the base-unit combo box.
class CMainToolBar : public QToolBar {
public:
    explicit CMainToolBar(QWidget* parent = nullptr);

    QComboBox* BaseUnitCombo() const { return combo_; }

private:
    QComboBox* combo_;
};
