// The help pages name the program's menu items as the program shows them:
// every "Menu > Item" of a page leads to an item of the real program's menu
// bar (its plugins' items included), and a key given beside an item that
// shows a shortcut is that shortcut.

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "main_app.h"
#include "main_frame.h"
#include "settings_store.h"

namespace {

// A menu text as the user reads it: no mnemonic mark, no shortcut, no
// trailing dots or blanks.
std::string Shown(QString text) {
    text = text.section('\t', 0, 0).remove('&').trimmed();
    while (text.endsWith('.')) text.chop(1);
    return text.trimmed().toStdString();
}

std::string ShortcutOf(const QAction* item) {
    const QString text = item->text();
    return text.contains('\t') ? text.section('\t', 1).toStdString() : std::string();
}

// The item a path of menu texts leads to, or null.
QAction* FindItem(const QMenuBar& bar, const std::vector<std::string>& path) {
    QList<QAction*> items = bar.actions();
    QAction* found = nullptr;
    for (const std::string& name : path) {
        if (found != nullptr) {
            if (found->menu() == nullptr) return nullptr;
            emit found->menu()->aboutToShow();
            items = found->menu()->actions();
        }
        found = nullptr;
        for (QAction* item : items)
            if (!item->isSeparator() && Shown(item->text()) == name) found = item;
        if (found == nullptr) return nullptr;
    }
    return found;
}

TEST(HelpMenusTest, EveryMenuPathOfTheHelpIsInTheProgram) {
    SettingsStore().Clear();
    apptest::ProgramDirectory dir;
    dir.UseRealPlugins();
    CMainApp app(dir.Environment());
    ASSERT_TRUE(app.InitInstance());
    const QMenuBar& bar = *app.MainFrame()->menuBar();

    // <b>File &gt; Print Report</b>, perhaps followed by (<kbd>Ctrl</kbd>+<kbd>P</kbd>).
    const std::regex reference("<b>([^<]*&gt;[^<]*)</b>(\\s*\\(((?:<kbd>[^<]+</kbd>\\+?)+)\\))?");
    int references = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QEL_HELP_DIR)) {
        std::ostringstream text;
        text << std::ifstream(entry.path()).rdbuf();
        const std::string page = text.str();
        for (std::sregex_iterator it(page.begin(), page.end(), reference), end; it != end; ++it, ++references) {
            std::vector<std::string> path;
            const std::string words = std::regex_replace((*it)[1].str(), std::regex("\\s+"), " ");
            std::size_t from = 0;
            for (std::size_t at; (at = words.find(" &gt; ", from)) != std::string::npos; from = at + 6)
                path.push_back(words.substr(from, at - from));
            path.push_back(words.substr(from));
            const QAction* item = FindItem(bar, path);
            EXPECT_NE(item, nullptr) << entry.path().filename() << ": " << words;
            // Some keys work without being shown in the menu (Ctrl+F).
            if (item == nullptr || !(*it)[3].matched || ShortcutOf(item).empty()) continue;
            const std::string keys = std::regex_replace((*it)[3].str(), std::regex("</?kbd>"), "");
            EXPECT_EQ(ShortcutOf(item), keys) << entry.path().filename() << ": " << words;
        }
    }
    EXPECT_GT(references, 20);
    app.ExitInstance();
    SettingsStore().Clear();
}

}  // namespace
