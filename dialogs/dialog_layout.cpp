#include "dialog_layout.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "plat/resource_strings.h"
#include "ui/dialog_base.h"
#include "ui/text_limit.h"

namespace dlg {

std::string WrappableName(const std::string& name) {
    constexpr QChar kZeroWidthSpace(0x200B);
    // A run of this many characters without a place to wrap may wrap anywhere.
    constexpr qsizetype kLongestUnbroken = 24;
    const QString text = QString::fromStdString(name);
    QString wrappable;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool runEnds = i == text.size() || text[i].isSpace() || text[i] == '/';
        if (!runEnds) continue;
        const QString run = text.mid(runStart, i - runStart);
        for (qsizetype j = 0; j < run.size(); ++j) {
            wrappable += run[j];
            // Never inside a character: a surrogate pair, a letter and its accent.
            const bool inside = run[j].isHighSurrogate() || (j + 1 < run.size() && run[j + 1].isMark());
            if (run.size() > kLongestUnbroken && j + 1 < run.size() && !inside) wrappable += kZeroWidthSpace;
        }
        if (i == text.size()) break;
        wrappable += text[i];
        // After a folder's slash a line may end.
        if (text[i] == '/' && i + 1 < text.size()) wrappable += kZeroWidthSpace;
        runStart = i + 1;
    }
    return wrappable.toStdString();
}

QVBoxLayout* AddDialogLayout(QWidget* dialog) {
    auto* layout = new QVBoxLayout(dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return layout;
}

void FitTreeWidth(QTreeWidget* tree) {
    tree->resizeColumnToContents(0);
    tree->setMinimumWidth(tree->columnWidth(0) + 2 * tree->frameWidth() +
                          tree->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tree));
}

QLabel* AddLabel(QBoxLayout* layout, int id, unsigned stringId) {
    auto* label = new QLabel(stringId != 0 ? QString::fromStdString(plat::LoadResString(stringId)) : QString());
    // A file name in the text is never taken for markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    ui::SetControlId(label, id);
    layout->addWidget(label);
    return label;
}

QLineEdit* AddPasswordEdit(QBoxLayout* layout, int id, unsigned maxBytes, QLabel* label) {
    auto* edit = new QLineEdit;
    edit->setEchoMode(QLineEdit::Password);
    ui::SetByteLimit(edit, maxBytes);
    ui::SetControlId(edit, id);
    layout->addWidget(edit);
    if (label != nullptr) label->setBuddy(edit);
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
