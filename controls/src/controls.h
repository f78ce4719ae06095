#pragma once

// The control kinds of the library, one maker each.

class QWidget;

namespace spcc {

QWidget* CreateCheckGroup(QWidget* parent);
QWidget* CreateCalendar(QWidget* parent);
QWidget* CreateDatePeriod(QWidget* parent);
QWidget* CreateTimePeriod(QWidget* parent);
QWidget* CreateLongEdit(QWidget* parent);
QWidget* CreateDoubleEdit(QWidget* parent);
QWidget* CreateColorPicker(QWidget* parent);
QWidget* CreateFontCombo(QWidget* parent);
QWidget* CreateHyperlink(QWidget* parent);
QWidget* CreateTreeCombo(QWidget* parent);
QWidget* CreateAssignGrid(QWidget* parent);

}  // namespace spcc
