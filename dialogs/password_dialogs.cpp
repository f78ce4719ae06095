#include "password_dialogs.h"

#include <algorithm>
#include <cstring>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data_status.h"
#include "dialog_ids.h"
#include "dialog_layout.h"
#include "password_check.h"
#include "plan_data.h"
#include "plat/checked_format.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "ui/data_exchange.h"

namespace {

QString Text(unsigned id) { return QString::fromStdString(plat::LoadResString(id)); }

// A prompt over one masked entry, then OK and Cancel.
void BuildPromptDialog(ui::DialogBase* dialog, unsigned captionId) {
    dialog->setWindowTitle(Text(captionId));
    QVBoxLayout* layout = dlg::AddDialogLayout(dialog);
    dlg::AddLabel(layout, IDC_PASSWORD_PROMPT);
    dlg::AddPasswordEdit(layout, IDC_PASSWORD_ENTRY, kMaxPasswordBytes);
    dlg::AddOkCancel(dialog, layout);
}

}  // namespace

CPasswordConfirmDlg::CPasswordConfirmDlg(QWidget* parent) : DialogBase(parent) {
    BuildPromptDialog(this, dlg_ids::CAPTION_PASSWORD_CONFIRM);
}

void CPasswordConfirmDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_Text(dx, IDC_PASSWORD_PROMPT, prompt);
    ui::DDX_Text(dx, IDC_PASSWORD_ENTRY, entered);
}

void CPasswordConfirmDlg::OnOK() {
    if (!UpdateData(true)) return;
    if (entered != expected) {
        Refuse(IDC_PASSWORD_ENTRY, dlg_ids::PASSWORD_MISMATCH);
        return;
    }
    EndDialog(ui::IDOK);
}

CFilePasswordDlg::CFilePasswordDlg(bool readOnly, QWidget* parent)
    : DialogBase(parent), readOnly_(readOnly) {
    setWindowTitle(Text(dlg_ids::CAPTION_PASSWORDS));
    QVBoxLayout* layout = dlg::AddDialogLayout(this);
    auto* check = new QCheckBox(Text(dlg_ids::LABEL_PROTECT));
    ui::SetControlId(check, IDC_PASSWORD_PROTECT);
    layout->addWidget(check);
    connect(check, &QCheckBox::clicked, this, [check] { ui::NotifyParent(check, ui::BN_CLICKED); });
    QLabel* first = dlg::AddLabel(layout, IDC_PASSWORD_FIRST_LABEL, dlg_ids::LABEL_PASSWORD_FIRST);
    dlg::AddPasswordEdit(layout, IDC_PASSWORD_FIRST, kMaxPasswordBytes, first);
    QLabel* second = dlg::AddLabel(layout, IDC_PASSWORD_SECOND_LABEL, dlg_ids::LABEL_PASSWORD_SECOND);
    dlg::AddPasswordEdit(layout, IDC_PASSWORD_SECOND, kMaxPasswordBytes, second);
    dlg::AddOkCancel(this, layout);
}

void CFilePasswordDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_Check(dx, IDC_PASSWORD_PROTECT, protect);
    ui::DDX_Text(dx, IDC_PASSWORD_FIRST, password1);
    ui::DDX_Text(dx, IDC_PASSWORD_SECOND, password2);
}

void CFilePasswordDlg::OnInitDialog() {
    original1_ = password1;
    original2_ = password2;
    DialogBase::OnInitDialog();
    GetDlgItem(ui::IDOK)->setEnabled(!readOnly_);
    EnableControls();
}

void CFilePasswordDlg::EnableControls() {
    const bool on = static_cast<QCheckBox*>(GetDlgItem(IDC_PASSWORD_PROTECT))->isChecked();
    for (int id : {IDC_PASSWORD_FIRST, IDC_PASSWORD_SECOND, IDC_PASSWORD_FIRST_LABEL,
                   IDC_PASSWORD_SECOND_LABEL}) {
        GetDlgItem(id)->setEnabled(on);
    }
}

bool CFilePasswordDlg::OnCommand(int id, unsigned code, QWidget*) {
    if (id != IDC_PASSWORD_PROTECT || code != ui::BN_CLICKED) return false;
    EnableControls();
    return true;
}

bool CFilePasswordDlg::ConfirmPassword(bool first) {
    CPasswordConfirmDlg confirm(this);
    confirm.prompt = plat::LoadResString(first ? dlg_ids::PASSWORD_CONFIRM_FIRST : dlg_ids::PASSWORD_CONFIRM_SECOND);
    confirm.expected = first ? password1 : password2;
    return confirm.DoModal() == ui::IDOK;
}

void CFilePasswordDlg::OnOK() {
    if (readOnly_ || !UpdateData(true)) return;
    if (protect != 0) {
        if (password1.empty()) {
            Refuse(IDC_PASSWORD_FIRST, dlg_ids::PASSWORD_FIRST_EMPTY);
            return;
        }
        if (password1 != original1_ && !ConfirmPassword(true)) {
            GotoDlgCtrl(GetDlgItem(IDC_PASSWORD_FIRST));
            return;
        }
        if (password2 != original2_ && !ConfirmPassword(false)) {
            GotoDlgCtrl(GetDlgItem(IDC_PASSWORD_SECOND));
            return;
        }
    }
    EndDialog(ui::IDOK);
}

CPasswordEntryDlg::CPasswordEntryDlg(const std::string& fileName, CPlanData* data, QWidget* parent)
    : DialogBase(parent),
      prompt_(plat::FormatChecked(plat::LoadResString(dlg_ids::PASSWORD_ENTRY_PROMPT), {dlg::WrappableName(fileName)})),
      data_(data) {
    BuildPromptDialog(this, dlg_ids::CAPTION_PASSWORD_ENTRY);
}

void CPasswordEntryDlg::DoDataExchange(ui::DataExchange& dx) {
    ui::DDX_Text(dx, IDC_PASSWORD_PROMPT, prompt_);
    ui::DDX_Text(dx, IDC_PASSWORD_ENTRY, password);
}

void CPasswordEntryDlg::OnInitDialog() {
    DialogBase::OnInitDialog();
    if (data_ == nullptr || data_->GetPasswordDigests(digests_) != kDataOk) {
        std::fill(std::begin(digests_), std::end(digests_), 0);
    }
}

void CPasswordEntryDlg::OnOK() {
    if (!UpdateData(true)) return;
    const PasswordMatch match = MatchPassword(password, digests_);
    if (match == PasswordMatch::None) {
        Refuse(IDC_PASSWORD_ENTRY, dlg_ids::PASSWORD_WRONG);
        return;
    }
    readOnly = match == PasswordMatch::Second;
    EndDialog(ui::IDOK);
}

bool EditFilePassword(CPlanData* data, QWidget* parent) {
    if (data == nullptr || data->properties == nullptr) return false;
    CPlanProperties* properties = data->properties;
    CFilePasswordDlg dialog(properties->IsWriteProtected(), parent);
    dialog.protect = properties->passwordFlag != 0 ? 1 : 0;
    dialog.password1.assign(properties->password1, strnlen(properties->password1, sizeof properties->password1));
    dialog.password2.assign(properties->password2, strnlen(properties->password2, sizeof properties->password2));
    if (dialog.DoModal() != ui::IDOK) return false;

    if (data->BeginTransaction(plat::LoadResString(ids::UNDO_PASSWORDS).c_str()) != kDataOk) return false;
    if (properties->BeginChange() != kDataOk) {
        data->CancelTransaction();
        return false;
    }
    const bool protect = dialog.protect != 0;
    properties->passwordFlag = protect ? 1 : 0;
    properties->SetPassword1(protect ? dialog.password1 : std::string());
    properties->SetPassword2(protect ? dialog.password2 : std::string());
    return data->CommitTransaction() == kDataOk;
}
