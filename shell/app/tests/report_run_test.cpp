#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPrinter>
#include <QPointer>
#include <QScrollBar>
#include <QShortcut>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>

#include "app_fixture.h"
#include "app_ids.h"
#include "help_frame_commands.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "plan_builder.h"
#include "plan_dump.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "report_document.h"
#include "report_preview.h"
#include "report_printing.h"
#include "settings_store.h"
#include "single_instance.h"
#include "string_ids.h"
#include "testing/external_tools.h"
#include "testing/temp_directory.h"
#include "ui/painter.h"
#include "ui/scripted_prompts.h"

namespace {

// What the fixture report does when the host calls it.
struct FixtureReport {
    int pages = 3;
    bool fail = false;
    int fills = 0;
    int relayoutAnswer = 0;
    int relayouts = 0;
    int exportAnswer = 0;
    int exports = 0;
};
FixtureReport g_report;

std::int32_t FixturePrint(CReportDocument* document, QelDC* printer, QelDC* attributes) {
    ++g_report.fills;
    if (g_report.fail) return 1;
    document->BeginPrinting(&printer->painter(), attributes->painter().device());
    for (int page = 1; page <= g_report.pages; ++page) {
        if (page > 1) document->NewPage();
        const std::string text = "Fixture page " + std::to_string(page);
        document->DrawText(text.c_str(), 0, 0, 5000, 500, 0, 0, 0, 0);
    }
    document->EndPrinting();
    return 0;
}

std::int32_t FixtureRelayout(QelWnd) {
    ++g_report.relayouts;
    return g_report.relayoutAnswer;
}

std::int32_t FixtureExport() {
    ++g_report.exports;
    return g_report.exportAnswer;
}

class ReportRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        SettingsStore().Clear();
        g_report = FixtureReport{};
        app = std::make_unique<CMainApp>(dir.Environment());
        ASSERT_TRUE(app->InitInstance());
        frame = app->MainFrame();
        frame->show();
        SetReportPrintDialog([this](QWidget*, QPrinter& printer, int pageCount) {
            ++dialogs;
            dialogPageCount = pageCount;
            printer.setOutputFileName(QString::fromStdString(pdf));
            return dialogAnswer;
        });
    }
    void TearDown() override {
        SetReportPrintDialog({});
        app->ExitInstance();
        SettingsStore().Clear();
    }

    std::int32_t DoReport(bool preview) {
        ReportRequest request{preview ? REPORT_REQUEST_PREVIEW : 0, FixturePrint, FixtureRelayout, FixtureExport};
        return QELA_Command("DoReport", &request);
    }
    CNewPreviewView* Preview() const { return frame->findChild<CNewPreviewView*>("CNewPreviewView"); }
    QWidget* ShownPage() const { return static_cast<QStackedWidget*>(frame->centralWidget())->currentWidget(); }
    void Press(CNewPreviewView* preview, unsigned id) {
        QAction* button = preview->Button(id);
        ASSERT_NE(button, nullptr);
        ASSERT_TRUE(button->isEnabled()) << id;
        button->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Where the window system delivers a key: the focus widget, else the
    // window. True when something took the key.
    bool SendKey(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(KeyTarget(), &press);
        return press.isAccepted();
    }
    QWidget* KeyTarget() const {
        QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus : frame;
    }
    // The window shows the views with its bars, and no preview is left.
    void ExpectViewsShown() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Preview(), nullptr);
        EXPECT_EQ(ShownPage(), static_cast<QWidget*>(frame->View()));
        EXPECT_TRUE(frame->menuBar()->isVisible());
        EXPECT_TRUE(frame->ToolBar()->isVisible());
    }
    // The one question asked so far told that the command failed.
    void ExpectCommandFailedOnce() {
        ASSERT_EQ(prompts.asked().size(), 1u);
        EXPECT_EQ(prompts.asked()[0].text, plat::LoadResString(ids::COMMAND_FAILED));
        EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
    }
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(out.path())) {
            names.push_back(entry.path().filename().string());
        }
        return names;
    }

    ui::ScriptedPrompts prompts;
    apptest::ProgramDirectory dir;
    testing::TempDirectory out;
    std::string pdf = out.path() + "/report.pdf";
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    int dialogs = 0;
    int dialogPageCount = -1;
    bool dialogAnswer = true;
};

// The preview shows the pages the report filled; printing from it writes
// the same pages, each with its own text, and brings the views back.
TEST_F(ReportRunTest, PreviewThenPrintToPdf) {
    ASSERT_TRUE(testing::HaveTool("pdfinfo", "poppler-utils"));
    EXPECT_FALSE(frame->FrameCommands().IsEnabled(app_ids::ID_FILE_PRINT));
    ASSERT_EQ(DoReport(true), 1);
    CNewPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(ShownPage(), static_cast<QWidget*>(preview));
    EXPECT_FALSE(frame->menuBar()->isVisible());
    EXPECT_FALSE(frame->ToolBar()->isVisible());
    EXPECT_EQ(preview->PageCount(), 3);
    EXPECT_EQ(preview->PageDisplay(), "1/3");

    Press(preview, CNewPreviewView::ID_PRINT);
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(dialogPageCount, 3);   // the dialog offers the pages the preview showed
    EXPECT_EQ(testing::PdfPageCount(pdf), 3);
    for (int page = 1; page <= 3; ++page) {
        EXPECT_NE(testing::PdfPageText(pdf, page).find("Fixture page " + std::to_string(page)), std::string::npos);
    }
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"report.pdf"});
    ExpectViewsShown();

    // The print command runs the same report again.
    std::filesystem::remove(pdf);
    g_report.pages = 2;
    ASSERT_TRUE(frame->FrameCommands().Run(app_ids::ID_FILE_PRINT));
    EXPECT_EQ(testing::PdfPageCount(pdf), 2);
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(ReportRunTest, PagingAndRelayout) {
    ASSERT_EQ(DoReport(true), 1);
    CNewPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    struct Step {
        unsigned button;
        const char* display;
        bool firstEnabled;
        bool lastEnabled;
    } steps[] = {
        {CNewPreviewView::ID_NEXT_PAGE, "2/3", true, true},
        {CNewPreviewView::ID_LAST_PAGE, "3/3", true, false},
        {CNewPreviewView::ID_PREVIOUS_PAGE, "2/3", true, true},
        {CNewPreviewView::ID_FIRST_PAGE, "1/3", false, true},
        {CNewPreviewView::ID_ZOOM_IN, "1/3", false, true},
        {CNewPreviewView::ID_ZOOM_OUT, "1/3", false, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.display);
        Press(preview, step.button);
        EXPECT_EQ(preview->PageDisplay(), step.display);
        EXPECT_EQ(preview->Button(CNewPreviewView::ID_FIRST_PAGE)->isEnabled(), step.firstEnabled);
        EXPECT_EQ(preview->Button(CNewPreviewView::ID_PREVIOUS_PAGE)->isEnabled(), step.firstEnabled);
        EXPECT_EQ(preview->Button(CNewPreviewView::ID_LAST_PAGE)->isEnabled(), step.lastEnabled);
        EXPECT_EQ(preview->Button(CNewPreviewView::ID_NEXT_PAGE)->isEnabled(), step.lastEnabled);
    }

    // A re-layout the report declines keeps the pages; one it accepts fills
    // the document again, and a shorter report moves to its last page.
    Press(preview, CNewPreviewView::ID_LAST_PAGE);
    const int fills = g_report.fills;
    g_report.pages = 2;
    g_report.relayoutAnswer = 1;
    Press(preview, CNewPreviewView::ID_RELAYOUT);
    EXPECT_EQ(g_report.relayouts, 1);
    EXPECT_EQ(g_report.fills, fills);
    EXPECT_EQ(preview->PageDisplay(), "3/3");
    g_report.relayoutAnswer = 0;
    ui::SendMessage(preview, WM_PREVIEW_RELAYOUT);   // the message does what the button does
    EXPECT_EQ(g_report.relayouts, 2);
    EXPECT_EQ(g_report.fills, fills + 1);
    EXPECT_EQ(preview->PageDisplay(), "2/2");
    EXPECT_FALSE(preview->Button(CNewPreviewView::ID_LAST_PAGE)->isEnabled());

    // A report that no longer fills ends the preview and says so.
    g_report.fail = true;
    Press(preview, CNewPreviewView::ID_RELAYOUT);
    ExpectViewsShown();
    ExpectCommandFailedOnce();
}

// The report fills its pages once for the preview and again only when it
// is laid out anew: showing, painting, resizing, zooming and paging the
// preview draw the pages already filled.
TEST_F(ReportRunTest, PreviewFillsOncePerLayout) {
    ASSERT_EQ(DoReport(true), 1);
    CNewPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(g_report.fills, 1);
    const std::function<void()> looks[] = {
        [&] { EXPECT_FALSE(preview->grab().isNull()); },
        [&] { frame->resize(frame->width() + 40, frame->height() + 30); },
        [&] { Press(preview, CNewPreviewView::ID_ZOOM_IN); },
        [&] { Press(preview, CNewPreviewView::ID_NEXT_PAGE); },
        [&] { preview->hide(), preview->show(); },
        [&] { ui::SendMessage(preview, WM_PREVIEW_SCROLL, 1); },
    };
    for (const auto& look : looks) {
        look();
        QCoreApplication::processEvents();
        EXPECT_FALSE(frame->grab().isNull());
    }
    EXPECT_EQ(g_report.fills, 1);
    Press(preview, CNewPreviewView::ID_RELAYOUT);
    EXPECT_EQ(g_report.fills, 2);
    EXPECT_FALSE(frame->grab().isNull());
    EXPECT_EQ(g_report.fills, 2);
}

TEST_F(ReportRunTest, ExportClosesThePreviewWhenItSucceeds) {
    ASSERT_EQ(DoReport(true), 1);
    g_report.exportAnswer = 1;
    Press(Preview(), CNewPreviewView::ID_EXPORT);
    EXPECT_EQ(g_report.exports, 1);
    ASSERT_NE(Preview(), nullptr);
    g_report.exportAnswer = 0;
    Press(Preview(), CNewPreviewView::ID_EXPORT);
    EXPECT_EQ(g_report.exports, 2);
    ExpectViewsShown();
}

// A request without re-layout or export callbacks leaves those buttons off.
TEST_F(ReportRunTest, ButtonsFollowTheRequestsCallbacks) {
    ReportRequest request{REPORT_REQUEST_PREVIEW, FixturePrint, nullptr, nullptr};
    ASSERT_EQ(QELA_Command("DoReport", &request), 1);
    ASSERT_NE(Preview(), nullptr);
    EXPECT_FALSE(Preview()->Button(CNewPreviewView::ID_RELAYOUT)->isEnabled());
    EXPECT_FALSE(Preview()->Button(CNewPreviewView::ID_EXPORT)->isEnabled());
    EXPECT_TRUE(Preview()->Button(CNewPreviewView::ID_PRINT)->isEnabled());
}

// The close button, and closing the window, end the preview; the window stays.
TEST_F(ReportRunTest, ClosingEndsThePreview) {
    ASSERT_EQ(DoReport(true), 1);
    Press(Preview(), CNewPreviewView::ID_CLOSE);
    ExpectViewsShown();

    ASSERT_EQ(DoReport(true), 1);
    EXPECT_FALSE(frame->close());
    EXPECT_TRUE(frame->isVisible());
    ExpectViewsShown();
    EXPECT_TRUE(prompts.asked().empty());   // no question to save
}

// While the preview shows, its keys scroll it, whether or not there is
// anything to scroll, and are never offered to the plugins; Escape ends it.
TEST_F(ReportRunTest, KeysDuringThePreviewStayWithIt) {
    ASSERT_EQ(DoReport(true), 1);
    dir.ClearTrace();
    auto* area = Preview()->findChild<QAbstractScrollArea*>();
    QScrollBar* vertical = area->verticalScrollBar();
    QScrollBar* horizontal = area->horizontalScrollBar();
    ASSERT_GT(vertical->maximum(), vertical->minimum());   // three pages one below the other
    const int top = vertical->value();
    ui::SendMessage(Preview(), WM_PREVIEW_SCROLL, 1);
    EXPECT_GT(vertical->value(), top);
    ui::SendMessage(Preview(), WM_PREVIEW_SCROLL, 0);
    EXPECT_EQ(vertical->value(), top);

    // Fitted into the window the pages cannot move sideways: the keys are still taken.
    ASSERT_EQ(horizontal->maximum(), horizontal->minimum());
    for (int key : {Qt::Key_Left, Qt::Key_Right}) EXPECT_TRUE(SendKey(key)) << key;
    EXPECT_EQ(horizontal->value(), horizontal->minimum());

    for (int i = 0; i < 4; ++i) Press(Preview(), CNewPreviewView::ID_ZOOM_IN);
    ASSERT_GT(horizontal->maximum(), horizontal->minimum());
    enum class Moves { ToStart, ToEnd, Back, On };
    struct Case {
        int key;
        QScrollBar* bar;
        bool fromEnd;
        Moves moves;
    } cases[] = {
        {Qt::Key_End, vertical, false, Moves::ToEnd},
        {Qt::Key_Home, vertical, true, Moves::ToStart},
        {Qt::Key_Down, vertical, false, Moves::On},
        {Qt::Key_Up, vertical, true, Moves::Back},
        {Qt::Key_Right, horizontal, false, Moves::On},
        {Qt::Key_Left, horizontal, true, Moves::Back},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key).toString().toStdString());
        const int from = c.fromEnd ? c.bar->maximum() : c.bar->minimum();
        c.bar->setValue(from);
        EXPECT_TRUE(SendKey(c.key));
        switch (c.moves) {
        case Moves::ToStart: EXPECT_EQ(c.bar->value(), c.bar->minimum()); break;
        case Moves::ToEnd: EXPECT_EQ(c.bar->value(), c.bar->maximum()); break;
        case Moves::Back: EXPECT_LT(c.bar->value(), from); break;
        case Moves::On: EXPECT_GT(c.bar->value(), from); break;
        }
    }
    vertical->setValue(vertical->minimum());
    for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_F1}) SendKey(key);
    EXPECT_EQ(vertical->value(), vertical->maximum());
    EXPECT_TRUE(dir.Trace().empty());

    EXPECT_TRUE(SendKey(Qt::Key_Escape));
    ExpectViewsShown();
    SendKey(Qt::Key_F12);
    EXPECT_EQ(dir.Trace(), std::vector<std::string>{"KeyDispatch 123 0"});
}

// Every way a command reaches the program while the preview shows loses
// nothing: the menus' keys are the preview's (the menus and the toolbar are
// hidden), and a command that still arrives ends the preview first and then
// runs on the views as usual, its save question included.
TEST_F(ReportRunTest, CommandsDuringThePreviewLoseNothing) {
    ASSERT_TRUE(testing::HaveTool("pdfinfo", "poppler-utils"));
    dlgtest::PlanBuilder(frame->Data()).Resource("Alice", 0);
    ASSERT_TRUE(frame->Data()->IsModified());
    int helpOpened = 0;
    SetHelpOpener([&helpOpened](const std::string&) { return ++helpOpened, true; });
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));

    auto key = [this](int code, Qt::KeyboardModifiers held = Qt::NoModifier) {
        return [this, code, held] { QTest::keyClick(KeyTarget(), Qt::Key(code), held); };
    };
    auto frameCommand = [this](unsigned id) { return [this, id] { ui::SendMessage(frame, WM_COMMAND, id); }; };
    ReportRequest previewAgain{REPORT_REQUEST_PREVIEW, FixturePrint, FixtureRelayout, FixtureExport};
    ReportRequest printNow{0, FixturePrint, FixtureRelayout, FixtureExport};
    int shortcutRuns = 0;
    QShortcut shortcut(QKeySequence(Qt::CTRL | Qt::Key_K), frame);
    QObject::connect(&shortcut, &QShortcut::activated, [&shortcutRuns] { ++shortcutRuns; });
    std::string dialogShown;
    bool dialogOverTheViews = false;
    enum class Shows { SamePreview, NewPreview, Views };
    struct Row {
        const char* what;
        std::function<void()> run;
        Shows shows;
        int questions;   // to save the plan, answered Cancel
    };
    const Row rows[] = {
        {"Ctrl+N", key(Qt::Key_N, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Ctrl+O", key(Qt::Key_O, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Ctrl+S", key(Qt::Key_S, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Ctrl+Z", key(Qt::Key_Z, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Ctrl+Y", key(Qt::Key_Y, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Ctrl+F", key(Qt::Key_F, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Ctrl+Shift+A", key(Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier), Shows::SamePreview, 0},
        {"Ctrl+C", key(Qt::Key_C, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Ctrl+X", key(Qt::Key_X, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Ctrl+V", key(Qt::Key_V, Qt::ControlModifier), Shows::SamePreview, 0},
        {"Delete", key(Qt::Key_Delete), Shows::SamePreview, 0},
        {"F1", key(Qt::Key_F1), Shows::SamePreview, 0},
        {"Alt+F, the hidden File menu", key(Qt::Key_F, Qt::AltModifier), Shows::SamePreview, 0},
        {"Alt+E, the hidden Edit menu", key(Qt::Key_E, Qt::AltModifier), Shows::SamePreview, 0},
        {"a plugin's shortcut on the window", [&] {
             key(Qt::Key_K, Qt::ControlModifier)();
             EXPECT_EQ(shortcutRuns, 0);
         }, Shows::SamePreview, 0},
        // A plugin's menu item or a view sends the frame a command.
        {"New", frameCommand(app_ids::ID_FILE_NEW), Shows::Views, 1},
        {"Exit", frameCommand(app_ids::ID_APP_EXIT), Shows::Views, 1},
        {"a view switch", [&] {
             frameCommand(app_ids::ID_VIEW_FIRST + 1)();
             EXPECT_EQ(GetSetting("ViewActive"), "1");
         }, Shows::Views, 0},
        // A plugin's named commands.
        {"DoReport, preview", [&] { EXPECT_EQ(QELA_Command("DoReport", &previewAgain), 1); }, Shows::NewPreview, 0},
        {"DoReport, print", [&] {
             EXPECT_EQ(QELA_Command("DoReport", &printNow), 1);
             EXPECT_EQ(testing::PdfPageCount(pdf), 3);
         }, Shows::Views, 0},
        {"AddResource", [&] {
             QTimer::singleShot(0, [&] {
                 auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                 if (dialog == nullptr) return;
                 dialogShown = dialog->metaObject()->className();
                 dialogOverTheViews = ShownPage() == static_cast<QWidget*>(frame->View());
                 dialog->reject();
             });
             QELA_Command("AddResource", nullptr);
             EXPECT_EQ(dialogShown, "CItemDlg");
             EXPECT_TRUE(dialogOverTheViews);
         }, Shows::Views, 0},
        // A second start of the program brings this one to the front.
        {"a second start", [this] {
             std::atomic<bool> done = false;
             bool activated = false;
             std::thread second([&] {
                 const std::string name = plat::LoadResString(ids::APP_TITLE);
                 activated = CSingleInstance(name, dir.Environment().runtimeDirectory).ActivatePrevious();
                 done = true;
             });
             EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 20000));
             second.join();
             EXPECT_TRUE(activated);
         }, Shows::SamePreview, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (Preview() == nullptr) { ASSERT_EQ(DoReport(true), 1); }
        QPointer<CNewPreviewView> before = Preview();
        const int fills = g_report.fills;
        dir.ClearTrace();
        ui::ScriptedPrompts asked;
        for (int i = 0; i < row.questions; ++i) asked.AnswerMessage(ui::IDCANCEL);
        row.run();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        EXPECT_EQ(int(asked.asked().size()), row.questions);
        EXPECT_TRUE(asked.allAnswered());
        EXPECT_EQ(helpOpened, 0);
        for (const std::string& line : dir.Trace()) EXPECT_NE(line.rfind("KeyDispatch", 0), 0u) << line;
        EXPECT_TRUE(frame->Data()->IsModified());
        EXPECT_EQ(dlgtest::All<CResource>(frame->Data()->resources).size(), 1u);
        EXPECT_TRUE(frame->isVisible());
        switch (row.shows) {
        case Shows::SamePreview:
            EXPECT_EQ(Preview(), before.data());
            EXPECT_EQ(ShownPage(), static_cast<QWidget*>(Preview()));
            EXPECT_EQ(g_report.fills, fills);
            break;
        case Shows::NewPreview:
            EXPECT_TRUE(before.isNull());
            ASSERT_NE(Preview(), nullptr);
            EXPECT_EQ(ShownPage(), static_cast<QWidget*>(Preview()));
            EXPECT_EQ(g_report.fills, fills + 1);
            break;
        case Shows::Views: ExpectViewsShown(); break;
        }
    }
    SetHelpOpener({});
}

// A report that fails to fill prints nothing and leaves no file; the
// command answers 0 and the window is as it was. A preview that cannot
// start says so (a failed print leaves that to the report).
TEST_F(ReportRunTest, FailingReportLeavesNothingBehind) {
    g_report.fail = true;
    for (bool preview : {true, false}) {
        SCOPED_TRACE(preview);
        EXPECT_EQ(DoReport(preview), 0);
        ExpectViewsShown();
        EXPECT_TRUE(FolderEntries().empty());
    }
    ReportRequest noCallback{0, nullptr, nullptr, nullptr};
    EXPECT_EQ(QELA_Command("DoReport", &noCallback), 0);
    EXPECT_FALSE(frame->FrameCommands().IsEnabled(app_ids::ID_FILE_PRINT));
    EXPECT_EQ(dialogs, 1);   // only the print run asked for a printer
    ExpectCommandFailedOnce();
}

TEST_F(ReportRunTest, PrintOptions) {
    ASSERT_TRUE(testing::HaveTool("pdfinfo", "poppler-utils"));
    struct Case {
        const char* name;
        bool direct;         // "ReportsPrintDirect"
        bool answer;         // the dialog's answer
        int from, to;        // page range; 0 0 for all pages
        std::int32_t result;
        int dialogs;
        int pdfPages;        // -1: no file
    } cases[] = {
        {"dialog", false, true, 0, 0, 1, 1, 3},
        {"cancelled", false, false, 0, 0, 1, 1, -1},
        {"direct", true, true, 0, 0, 1, 0, 3},
        {"range", true, true, 2, 3, 1, 0, 2},
        {"range past the end", true, true, 4, 5, 0, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(pdf);
        dialogs = 0;
        dialogAnswer = c.answer;
        SetSetting("ReportsPrintDirect", c.direct ? "1" : "0");
        QPrinter& printer = *app->Printer();
        printer.setOutputFileName(c.direct ? QString::fromStdString(pdf) : QString());
        printer.setPrintRange(c.from > 0 ? QPrinter::PageRange : QPrinter::AllPages);
        if (c.from > 0) printer.setFromTo(c.from, c.to);
        EXPECT_EQ(DoReport(false), c.result);
        EXPECT_EQ(dialogs, c.dialogs);
        EXPECT_EQ(std::filesystem::exists(pdf) ? testing::PdfPageCount(pdf) : -1, c.pdfPages);
        EXPECT_LE(FolderEntries().size(), 1u);
    }
    EXPECT_TRUE(prompts.asked().empty());
}

// A PDF file gets the permissions of the program's other files: those of
// the file it replaces, else 0666 less the umask.
TEST_F(ReportRunTest, PdfFileTakesTheUsualPermissions) {
    struct Case {
        mode_t umask;
        int oldMode;   // -1: no file before
        int mode;
    } cases[] = {
        {022, -1, 0644},
        {002, -1, 0664},
        {077, -1, 0600},
        {022, 0640, 0640},
    };
    SetSetting("ReportsPrintDirect", "1");
    app->Printer()->setOutputFileName(QString::fromStdString(pdf));
    const mode_t saved = ::umask(022);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        std::filesystem::remove(pdf);
        if (c.oldMode >= 0) {
            out.Write("report.pdf", "old");
            std::filesystem::permissions(pdf, std::filesystem::perms(c.oldMode));
        }
        ::umask(c.umask);
        EXPECT_EQ(DoReport(false), 1);
        ::umask(022);
        EXPECT_EQ(static_cast<int>(std::filesystem::status(pdf).permissions()), c.mode);
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"report.pdf"});
    }
    ::umask(saved);
}

// An output file that cannot be written is reported, and nothing is left.
TEST_F(ReportRunTest, UnwritableOutputIsReported) {
    pdf = out.path() + "/missing/report.pdf";
    EXPECT_EQ(DoReport(false), 0);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_NE(prompts.asked()[0].text.find(pdf), std::string::npos);
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
    EXPECT_TRUE(FolderEntries().empty());
}

}  // namespace
