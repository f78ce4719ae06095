#include "ui/prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>

#include "plat/dynlib.h"
#include "plat/resource_strings.h"
#include "ui/qt_prompts.h"
#include "ui/win_types.h"

namespace ui {
namespace {

// Every module that links this library has its own copy of it, hidden from
// the others. A test that runs plugins inside its own executable exports
// QELUI_PromptsSlot, and every copy then keeps its service in that one
// slot, so the test's scripted answers reach the plugins too. The program
// exports nothing of the kind: each copy keeps its own.
Prompts*& Slot() {
    using SlotFn = Prompts** (*)();
    static Prompts* own = nullptr;
    static Prompts** const slot = [] {
        const auto shared = reinterpret_cast<SlotFn>(plat::GetSymbol(plat::ProgramModule(), "QELUI_PromptsSlot"));
        return shared != nullptr ? shared() : &own;
    }();
    return *slot;
}

}  // namespace

Prompts& CurrentPrompts() {
    static QtPrompts qtPrompts;
    Prompts* installed = Slot();
    return installed != nullptr ? *installed : qtPrompts;
}

void SetPrompts(Prompts* prompts) { Slot() = prompts; }

int MessageBoxById(QWidget* parent, unsigned stringId, unsigned type,
                   std::initializer_list<plat::FormatArg> args) {
    const std::string text = plat::FormatChecked(plat::LoadResString(stringId), args);
    return CurrentPrompts().MessageBox(parent, text, std::string(), type);
}

std::string UserFolder(std::initializer_list<std::string> candidates) {
    for (const std::string& folder : candidates) {
        if (!folder.empty() && QFileInfo(QString::fromStdString(folder)).isDir()) return folder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents.toStdString();
    return QDir::homePath().toStdString();
}

std::vector<int> ButtonAnswers(unsigned type) {
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE: return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}

int DefaultAnswer(unsigned type) {
    const std::vector<int> answers = ButtonAnswers(type);
    const std::size_t index = (type & MB_DEFMASK) >> 8;
    return answers[index < answers.size() ? index : 0];
}

namespace {

// A name that ends with its patterns in parentheses, "Pages (*.html *.htm)",
// already shows them.
bool NameShowsPatterns(const QString& name, const QStringList& patterns) {
    if (patterns.isEmpty() || !name.endsWith(')')) return false;
    const qsizetype open = name.lastIndexOf('(');
    if (open < 0) return false;
    const QString shown = name.mid(open + 1, name.size() - open - 2);
    static const QRegularExpression kSeparators(QStringLiteral("[;\\s]+"));
    QStringList trimmed;
    for (const QString& pattern : patterns) trimmed << pattern.trimmed();
    return shown.split(kSeparators, Qt::SkipEmptyParts) == trimmed;
}

}  // namespace

QString QtFileFilter(std::string_view filter) {
    const QString text = QString::fromUtf8(filter.data(), qsizetype(filter.size()));
    if (!text.contains('|')) return text;   // already a Qt filter list
    const QStringList parts = text.split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString name = parts[i].trimmed();
        const QStringList patternList = parts[i + 1].split(';', Qt::SkipEmptyParts);
        const QString patterns = patternList.join(' ');
        if (name.isEmpty() && patterns.isEmpty()) break;
        if (NameShowsPatterns(name, patternList)) entries << name;
        else entries << QStringLiteral("%1 (%2)").arg(name, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

}  // namespace ui
