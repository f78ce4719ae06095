#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollBar>
#include <QStackedWidget>

#include "app_fixture.h"
#include "app_ids.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "plugin_api.h"
#include "report_document.h"
#include "report_preview.h"
#include "report_printing.h"
#include "settings_store.h"
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
    // Where the window system delivers a key: the focus widget, else the window.
    void SendKey(int key) {
        QWidget* focus = QApplication::focusWidget();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(focus != nullptr ? focus : frame, &press);
    }
    // The window shows the views with its bars, and no preview is left.
    void ExpectViewsShown() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Preview(), nullptr);
        EXPECT_EQ(ShownPage(), static_cast<QWidget*>(frame->View()));
        EXPECT_TRUE(frame->menuBar()->isVisible());
        EXPECT_TRUE(frame->ToolBar()->isVisible());
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

    // A report that no longer fills ends the preview.
    g_report.fail = true;
    Press(preview, CNewPreviewView::ID_RELAYOUT);
    ExpectViewsShown();
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

// While the preview shows, keys scroll it and are not offered to the plugins.
TEST_F(ReportRunTest, KeysDuringThePreviewStayWithIt) {
    ASSERT_EQ(DoReport(true), 1);
    dir.ClearTrace();
    QScrollBar* bar = Preview()->findChild<QAbstractScrollArea*>()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), bar->minimum());   // three pages one below the other
    const int top = bar->value();
    ui::SendMessage(Preview(), WM_PREVIEW_SCROLL, 1);
    EXPECT_GT(bar->value(), top);
    ui::SendMessage(Preview(), WM_PREVIEW_SCROLL, 0);
    EXPECT_EQ(bar->value(), top);
    for (int key : {Qt::Key_Down, Qt::Key_End, Qt::Key_F1}) SendKey(key);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_TRUE(dir.Trace().empty());
    Press(Preview(), CNewPreviewView::ID_CLOSE);
    SendKey(Qt::Key_F12);
    EXPECT_EQ(dir.Trace(), std::vector<std::string>{"KeyDispatch 123 0"});
}

// A report that fails to fill prints nothing and leaves no file; the
// command answers 0 and the window is as it was.
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
    EXPECT_TRUE(prompts.asked().empty());
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
