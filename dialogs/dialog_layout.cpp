#include "dialog_layout.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "plat/resource_strings.h"
#include "ui/dialog_base.h"
#include "ui/text_limit.h"

namespace dlg {

QLabel* AddLabel(QBoxLayout* layout, int id, unsigned stringId) {
    auto* label = new QLabel(stringId != 0 ? QString::fromStdString(plat::LoadResString(stringId)) : QString());
    label->setWordWrap(true);
    ui::SetControlId(label, id);
    layout->addWidget(label);
    return label;
}

QLineEdit* AddPasswordEdit(QBoxLayout* layout, int id, unsigned maxBytes) {
    auto* edit = new QLineEdit;
    edit->setEchoMode(QLineEdit::Password);
    ui::SetByteLimit(edit, maxBytes);
    ui::SetControlId(edit, id);
    layout->addWidget(edit);
    return edit;
}

void AddOkCancel(ui::DialogBase* dialog, QBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    ui::SetControlId(buttons->button(QDialogButtonBox::Ok), ui::IDOK);
    ui::SetControlId(buttons->button(QDialogButtonBox::Cancel), ui::IDCANCEL);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

}  // namespace dlg
