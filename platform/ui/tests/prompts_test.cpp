#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "plat/resource_strings.h"
#include "ui/prompts.h"
#include "ui/name_only_icons.h"
#include "ui/qt_prompts.h"
#include "ui/scripted_prompts.h"
#include "ui/win_types.h"

namespace {

const char* FakeStrings(unsigned id) {
    switch (id) {
    case 800: return "The file %s was not found.";
    case 801: return "Delete %d bookings?";
    default: return "";
    }
}

TEST(ScriptedPrompts, AnswersInOrderAndRecordsWhatWasAsked) {
    plat::SetResourceStringSource(FakeStrings);
    ui::ScriptedPrompts prompts;
    prompts.AnswerMessage(ui::IDNO);
    prompts.AnswerMessage(ui::IDYES);
    prompts.AnswerFile(std::string("/tmp/a.txt"));
    prompts.AnswerFile(std::nullopt);

    EXPECT_EQ(ui::MessageBoxById(nullptr, 801, ui::MB_YESNO | ui::MB_ICONQUESTION, {3}), ui::IDNO);
    EXPECT_EQ(ui::MessageBoxById(nullptr, 800, ui::MB_OK | ui::MB_ICONSTOP, {"plan.qel"}), ui::IDYES);
    ui::FileDialogRequest request;
    request.title = "Open";
    EXPECT_EQ(ui::CurrentPrompts().OpenFile(nullptr, request), std::optional<std::string>("/tmp/a.txt"));
    EXPECT_EQ(ui::CurrentPrompts().SaveFile(nullptr, request), std::nullopt);

    ASSERT_EQ(prompts.asked().size(), 4u);
    EXPECT_EQ(prompts.asked()[0].text, "Delete 3 bookings?");
    EXPECT_EQ(prompts.asked()[0].type, ui::MB_YESNO | ui::MB_ICONQUESTION);
    EXPECT_EQ(prompts.asked()[1].text, "The file plan.qel was not found.");
    EXPECT_EQ(prompts.asked()[2].kind, ui::ScriptedPrompts::Kind::OpenFile);
    EXPECT_EQ(prompts.asked()[3].kind, ui::ScriptedPrompts::Kind::SaveFile);
    EXPECT_TRUE(prompts.allAnswered());
    EXPECT_EQ(prompts.unscripted(), 0);
    plat::SetResourceStringSource(nullptr);
}

TEST(ScriptedPrompts, UnscriptedQuestionsTakeTheDefaultButtonAndAreCounted) {
    ui::ScriptedPrompts prompts;
    EXPECT_EQ(ui::CurrentPrompts().MessageBox(nullptr, "?", "", ui::MB_YESNO | ui::MB_DEFBUTTON2),
              ui::IDNO);
    EXPECT_EQ(ui::CurrentPrompts().OpenFile(nullptr, {}), std::nullopt);
    EXPECT_EQ(prompts.unscripted(), 2);
}

TEST(ScriptedPrompts, RestoresThePreviousServiceWhenDestroyed) {
    ui::Prompts* before = &ui::CurrentPrompts();
    {
        ui::ScriptedPrompts outer;
        {
            ui::ScriptedPrompts inner;
            EXPECT_EQ(&ui::CurrentPrompts(), &inner);
        }
        EXPECT_EQ(&ui::CurrentPrompts(), &outer);
    }
    EXPECT_EQ(&ui::CurrentPrompts(), before);
}

TEST(Prompts, DefaultAnswerFollowsTheDefaultButton) {
    struct Case { unsigned type; int answer; };
    const Case cases[] = {
        {ui::MB_OK, ui::IDOK},
        {ui::MB_OKCANCEL | ui::MB_DEFBUTTON2, ui::IDCANCEL},
        {ui::MB_YESNO, ui::IDYES},
        {ui::MB_YESNO | ui::MB_DEFBUTTON2, ui::IDNO},
        {ui::MB_YESNOCANCEL | ui::MB_DEFBUTTON3, ui::IDCANCEL},
        {ui::MB_RETRYCANCEL | ui::MB_DEFBUTTON3, ui::IDRETRY},   // no third button
        {ui::MB_ABORTRETRYIGNORE | ui::MB_DEFBUTTON2, ui::IDRETRY},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::DefaultAnswer(c.type), c.answer) << std::hex << c.type;
}

TEST(Prompts, FileFiltersBecomeQtFilterLists) {
    struct Case { const char* in; const char* out; };
    const Case cases[] = {
        // A name that already shows its patterns keeps them once.
        {"Text files (*.txt)|*.txt||", "Text files (*.txt)"},
        {"HTML pages (*.html *.htm)|*.html;*.htm|All files (*.*)|*.*||", "HTML pages (*.html *.htm);;All files (*.*)"},
        {"Pages (*.html;*.htm)|*.html;*.htm||", "Pages (*.html;*.htm)"},
        // Other patterns than the name shows, or an aside in parentheses, are added.
        {"Pages (*.html)|*.html;*.htm||", "Pages (*.html) (*.html *.htm)"},
        {"Plans (old format)|*.qel||", "Plans (old format) (*.qel)"},
        {"Texts|*.txt;*.csv|All files|*.*||", "Texts (*.txt *.csv);;All files (*.*)"},
        {"", ""},
        {"Unterminated|*.a", "Unterminated (*.a)"},
        {"Plans (*.qel);;All files (*)", "Plans (*.qel);;All files (*)"},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::QtFileFilter(c.in).toStdString(), c.out) << c.in;
}

// The size and the date of a file show whole in the open dialog's columns,
// and the columns fit the dialog.
TEST(QtPrompts, FileDialogColumnsHoldTheirWholeTexts) {
    QTemporaryDir dir;
    QFile file(dir.filePath("plan.qel"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(15 * 1024 + 300, 'x'));
    file.close();
    std::vector<std::pair<int, int>> widthAndNeed;   // per detail column
    int headerLength = 0, viewWidth = 0;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        QTreeView* tree = dialog->findChild<QTreeView*>();
        if (tree != nullptr && QTest::qWaitFor([&] { return tree->model()->rowCount(tree->rootIndex()) > 0; }, 5000)) {
            // The columns may never fit; what they hold is checked below either way.
            (void)QTest::qWaitFor([&] { return tree->header()->length() <= tree->viewport()->width(); }, 2000);
            // The widths the view itself wants for the rows' texts.
            const auto* view = static_cast<const QAbstractItemView*>(tree);
            for (int column = 1; column < tree->header()->count(); ++column)
                widthAndNeed.push_back({tree->columnWidth(column), view->sizeHintForColumn(column)});
            headerLength = tree->header()->length();
            viewWidth = tree->viewport()->width();
        }
        dialog->reject();
    });
    ui::QtPrompts prompts;
    ui::FileDialogRequest request;
    request.title = "Open";
    request.filter = "Plans (*.qel)|*.qel||";
    request.initialDir = dir.path().toStdString();
    request.mustExist = true;
    EXPECT_EQ(prompts.OpenFile(nullptr, request), std::nullopt);
    ASSERT_EQ(widthAndNeed.size(), 3u);
    for (const auto& [width, need] : widthAndNeed) EXPECT_GE(width, need);
    EXPECT_LE(headerLength, viewWidth) << "every column in sight";
}

// The file dialogs tell a file's type by its name: the content is not read,
// as some files block a reader for good.
TEST(QtPrompts, FileTypesComeFromTheNameOnly) {
    QTemporaryDir dir;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return QFileInfo(file.fileName());
    };
    const QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const QFileInfo disguised = write("plan.qel", png), image = write("chart.png", png);
    const ui::NameOnlyIcons icons;
    EXPECT_EQ(icons.type(image), QFileIconProvider().type(image));
    EXPECT_EQ(QFileIconProvider().type(disguised), QFileIconProvider().type(image)) << "Qt's own reads the bytes";
    EXPECT_NE(icons.type(disguised), icons.type(image));
    EXPECT_EQ(icons.type(QFileInfo(dir.path())), QFileIconProvider().type(QFileInfo(dir.path())));
}

}  // namespace
