#pragma once

// Wrapper classes of the control library's controls. A wrapper is a member
// of its dialog; it either creates its control (Create) or is attached to a
// dialog item that was created with spcc_createcontrol (DDX_Control). Its
// methods send the library's messages; the destructor destroys the control.

#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <string>

#include "controls_api.h"
#include "ui/win_types.h"

class QComboBox;
class QTreeWidget;

class CSPCtrl {
public:
    virtual ~CSPCtrl();
    CSPCtrl(const CSPCtrl&) = delete;
    CSPCtrl& operator=(const CSPCtrl&) = delete;

    int kind() const { return kind_; }
    // A new control of this wrapper's kind as a child of parent.
    QWidget* Create(QWidget* parent, int id);
    void Attach(QWidget* control) { wnd_ = control; }
    QWidget* GetSafeHwnd() const { return wnd_; }
    ui::LRESULT SendMessage(unsigned message, ui::WPARAM wParam = 0, ui::LPARAM lParam = 0) const;

protected:
    explicit CSPCtrl(int kind) : kind_(kind) {}

private:
    int kind_;
    QPointer<QWidget> wnd_;
};

class CSPCheckGroupCtrl : public CSPCtrl {
public:
    CSPCheckGroupCtrl() : CSPCtrl(SPCC_CHECKGROUP) {}
    void AddItem(const std::string& text) const;
    bool GetCheck(int index) const;
    void SetCheck(int index, bool check) const;
};

// Driven by messages alone (WM_SP_CALENDAR_*).
class CSPCalendarCtrl : public CSPCtrl {
public:
    CSPCalendarCtrl() : CSPCtrl(SPCC_CALENDAR) {}
};

class CSPDatePeriodCtrl : public CSPCtrl {
public:
    CSPDatePeriodCtrl() : CSPCtrl(SPCC_DATEPERIOD) {}
    // The part's caption; false when the control refuses it.
    bool SetFormat(const std::string& format, int part, int reserved = 0, int length = 12) const;
};

class CSPTimePeriodCtrl : public CSPCtrl {
public:
    CSPTimePeriodCtrl() : CSPCtrl(SPCC_TIMEPERIOD) {}
    bool SetFormat(const std::string& format, int part, int reserved = 0, int length = 12) const;
};

class CSPLongEditCtrl : public CSPCtrl {
public:
    CSPLongEditCtrl() : CSPCtrl(SPCC_LONGEDIT) {}
    // The control keeps its value from lower to upper.
    void SetLimits(int lower, int upper) const;
};

class CSPDoubleEditCtrl : public CSPCtrl {
public:
    CSPDoubleEditCtrl() : CSPCtrl(SPCC_DOUBLEEDIT) {}
    // No value below lower; the arrow keys move by step, Page Up and Page
    // Down by pageStep.
    void SetLowerAndSteps(double lower, double step, double pageStep) const;
};

class CSPColorPickerCtrl : public CSPCtrl {
public:
    CSPColorPickerCtrl() : CSPCtrl(SPCC_COLORPICKER) {}
};

class CSPFontComboBoxCtrl : public CSPCtrl {
public:
    CSPFontComboBoxCtrl() : CSPCtrl(SPCC_FONTCOMBO) {}
    QComboBox* GetCombo() const;
};

class CSPHyperlinkCtrl : public CSPCtrl {
public:
    CSPHyperlinkCtrl() : CSPCtrl(SPCC_HYPERLINK) {}
};

// The inner tree carries each item's data at Qt::UserRole (as qintptr).
class CSPTreeComboBoxCtrl : public CSPCtrl {
public:
    using Item = void*;
    CSPTreeComboBoxCtrl() : CSPCtrl(SPCC_TREECOMBO) {}
    QTreeWidget* GetTree() const;
    // Null parent: a root item. Returns the new item.
    Item InsertItem(Item parent, const std::string& text, std::intptr_t data) const;
    void DeleteAllItems() const;
    // Shows the filled tree (WM_SP_TREECOMBO_UPDATE).
    void Update() const;
    // The caller's choice; the control does not notify it.
    void SelectItem(Item item) const;
    Item GetSelectedItem() const;
    static std::intptr_t GetItemData(Item item);
};

class CSPAssignGridCtrl : public CSPCtrl {
public:
    CSPAssignGridCtrl() : CSPCtrl(SPCC_ASSIGNGRID) {}
    bool AddItem(const std::string& text, bool required) const;
    // "" for an item that does not exist.
    std::string GetItemText(int item) const;
};
