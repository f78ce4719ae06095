#include "ui/qt_prompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

#include "ui/name_only_icons.h"
#include "ui/win_types.h"

namespace ui {
namespace {

QMessageBox::Icon IconOf(unsigned type) {
    switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton ButtonOf(int answer) {
    switch (answer) {
    case IDOK: return QMessageBox::Ok;
    case IDCANCEL: return QMessageBox::Cancel;
    case IDABORT: return QMessageBox::Abort;
    case IDRETRY: return QMessageBox::Retry;
    case IDIGNORE: return QMessageBox::Ignore;
    case IDYES: return QMessageBox::Yes;
    default: return QMessageBox::No;
    }
}

QString StartPath(const FileDialogRequest& request) {
    const QString dir = QString::fromStdString(request.initialDir);
    const QString name = QString::fromStdString(request.fileName);
    if (dir.isEmpty()) return name;
    return name.isEmpty() ? dir : QDir(dir).filePath(name);
}

// Qt's own dialog sizes its columns for short sample texts, which cut the
// sizes and dates of a long locale; they take their texts' width as each
// folder is read, and the dialog grows, within the screen, to show them.
void FitDetailColumns(QFileDialog& dialog) {
    auto* tree = dialog.findChild<QTreeView*>();
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (tree == nullptr || model == nullptr) return;
    QObject::connect(model, &QFileSystemModel::directoryLoaded, tree, [tree, &dialog] {
        for (int column = 1; column < tree->header()->count(); ++column) tree->resizeColumnToContents(column);
        const int missing = tree->header()->length() - tree->viewport()->width();
        if (missing <= 0) return;
        const QScreen* screen = dialog.screen();
        const int room = screen != nullptr ? screen->availableGeometry().width() : dialog.width() + missing;
        dialog.resize(std::min(dialog.width() + missing, std::max(dialog.width(), room)), dialog.height());
    });
}

std::optional<std::string> RunFileDialog(QWidget* parent, const FileDialogRequest& request,
                                         bool save) {
    NameOnlyIcons icons;   // outlives the dialog that uses it
    QFileDialog dialog(parent, QString::fromStdString(request.title), StartPath(request),
                       QtFileFilter(request.filter));
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !request.mustExist ? QFileDialog::AnyFile
                                                  : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExt));
    if (!request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    FitDetailColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

}  // namespace

int QtPrompts::MessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                          unsigned type) {
    QMessageBox box(IconOf(type),
                    caption.empty() ? QApplication::applicationDisplayName()
                                    : QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::NoButton, parent);
    const int defaultAnswer = DefaultAnswer(type);
    for (int answer : ButtonAnswers(type)) {
        QPushButton* button = box.addButton(ButtonOf(answer));
        button->setProperty("answer", answer);
        if (answer == defaultAnswer) box.setDefaultButton(button);
    }
    box.exec();
    const QAbstractButton* clicked = box.clickedButton();
    if (clicked) return clicked->property("answer").toInt();
    // Closed with Escape or the window's close box.
    const std::vector<int> answers = ButtonAnswers(type);
    for (int answer : answers)
        if (answer == IDCANCEL) return IDCANCEL;
    return answers.size() == 1 ? answers.front() : IDNO;
}

std::optional<std::string> QtPrompts::OpenFile(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, false);
}

std::optional<std::string> QtPrompts::SaveFile(QWidget* parent, const FileDialogRequest& request) {
    return RunFileDialog(parent, request, true);
}

}  // namespace ui
