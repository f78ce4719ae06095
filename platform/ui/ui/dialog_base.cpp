#include "ui/dialog_base.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ui/prompts.h"

namespace ui {

namespace {

// The last widget of the window's focus chain that takes the focus at all;
// setTabOrder ignores the others.
QWidget* LastFocusable(QWidget* window) {
    QWidget* last = window->previousInFocusChain();
    while (last != window && last->focusPolicy() == Qt::NoFocus) last = last->previousInFocusChain();
    return last;
}

}  // namespace

QWidget* DataExchange::Control(int id) {
    if (failed_) return nullptr;
    QWidget* control = dialog_.GetDlgItem(id);
    if (!control) failed_ = true;
    return control;
}

void DataExchange::Fail(int controlId, unsigned stringId, std::initializer_list<plat::FormatArg> args) {
    if (failed_) return;
    failed_ = true;
    dialog_.Refuse(controlId, stringId, args);
}

DialogBase::DialogBase(QWidget* parent) : MessageWidget<QDialog>(parent) {}

int DialogBase::DoModal() { return exec(); }

bool DialogBase::UpdateData(bool save) {
    DataExchange dx(*this, save);
    DoDataExchange(dx);
    return !dx.failed();
}

void DialogBase::EndDialog(int result) { done(result); }

LRESULT DialogBase::SendDlgItemMessage(int id, unsigned message, WPARAM wParam, LPARAM lParam) {
    return SendMessage(GetDlgItem(id), message, wParam, lParam);
}

void DialogBase::GotoDlgCtrl(QWidget* control) {
    if (!control) return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(control)) text->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control)) spin->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

void DialogBase::Refuse(int controlId, unsigned stringId, std::initializer_list<plat::FormatArg> args) {
    MessageBoxById(this, stringId, MB_OK | MB_ICONSTOP, args);
    QWidget* control = GetDlgItem(controlId);
    // A composite control takes the focus through its focus proxy.
    GotoDlgCtrl(control && control->focusProxy() ? control->focusProxy() : control);
}

void DialogBase::accept() { OnOK(); }

void DialogBase::reject() { OnCancel(); }

void DialogBase::DoDataExchange(DataExchange&) {}

void DialogBase::OnInitDialog() { UpdateData(false); }

void DialogBase::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void DialogBase::OnCancel() { EndDialog(IDCANCEL); }

bool DialogBase::OnCommand(int, unsigned, QWidget*) { return false; }

bool DialogBase::OnMessage(unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_COMMAND) return false;
    // A dialog is the end of a notification's road, handled or not.
    result = OnCommand(int(LowWord(wParam)), HighWord(wParam), reinterpret_cast<QWidget*>(lParam));
    return true;
}

void DialogBase::setVisible(bool visible) {
    if (visible && !initialised_) {
        initialised_ = true;
        OnInitDialog();
        // Controls that OnInitDialog adds come after OK and Cancel in the
        // focus chain; Tab reaches the buttons only after every field.
        for (int id : {IDOK, IDCANCEL}) {
            QWidget* button = GetDlgItem(id);
            QWidget* last = LastFocusable(this);
            if (button != nullptr && last != button && last != this) setTabOrder(last, button);
        }
    }
    MessageWidget<QDialog>::setVisible(visible);
}

}  // namespace ui
