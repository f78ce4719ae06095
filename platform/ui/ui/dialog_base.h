#pragma once

// The modal dialog with data exchange: the caller fills public members,
// runs the dialog, and reads them back after IDOK. The dialog moves the
// members into its controls when it opens and out of them on OK; a refused
// input shows a stop-icon message, puts the focus on the offending control
// and keeps the dialog open.

#include <QDialog>
#include <initializer_list>

#include "plat/checked_format.h"

#include "ui/message.h"
#include "ui/win_types.h"

namespace ui {

class DialogBase;

class DataExchange {
public:
    DataExchange(DialogBase& dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    bool saving() const { return saving_; }
    DialogBase& dialog() { return dialog_; }
    bool failed() const { return failed_; }

    // The dialog item with this id; a missing item fails the exchange.
    // Null once the exchange has failed, so the rest of the pass is skipped.
    QWidget* Control(int id);
    // Refuses the input: the message (stop icon, the string formatted with
    // the arguments), the focus on the control, and the exchange fails.
    // Later exchanges of the same pass do nothing.
    void Fail(int controlId, unsigned stringId, std::initializer_list<plat::FormatArg> args = {});

private:
    DialogBase& dialog_;
    bool saving_;
    bool failed_ = false;
};

class DialogBase : public MessageWidget<QDialog> {
    Q_OBJECT
public:
    explicit DialogBase(QWidget* parent = nullptr);

    // Runs the dialog modally; IDOK or IDCANCEL (or what EndDialog gave).
    int DoModal();
    // false when an input was refused (saving) or an item is missing.
    bool UpdateData(bool save = true);
    void EndDialog(int result);

    QWidget* GetDlgItem(int id) const { return FindControl(this, id); }
    LRESULT SendDlgItemMessage(int id, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The focus on the control; an edit also selects all of its text.
    void GotoDlgCtrl(QWidget* control);
    // A refusal outside the exchange (the dialog's own OK checks): the text
    // of the string, formatted with the arguments, as a stop-icon message.
    void Refuse(int controlId, unsigned stringId, std::initializer_list<plat::FormatArg> args = {});

    // QDialog's own entry points lead to OnOK and OnCancel.
    void accept() override;
    void reject() override;
    // The first show loads the controls before the dialog takes its size,
    // so that their texts count in it.
    void setVisible(bool visible) override;

protected:
    virtual void DoDataExchange(DataExchange& dx);
    // Once, when the dialog is first shown; loads the controls by default.
    virtual void OnInitDialog();
    // Saves the controls and closes with IDOK unless an input was refused.
    virtual void OnOK();
    virtual void OnCancel();
    // WM_COMMAND of a control: its id and notification code.
    virtual bool OnCommand(int id, unsigned code, QWidget* control);

    bool OnMessage(unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    bool initialised_ = false;
};

}  // namespace ui
