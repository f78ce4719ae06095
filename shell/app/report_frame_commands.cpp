// Report runs of the main window: "DoReport" prints a plugin's report or
// shows its print preview in place of the views; the print command runs the
// last report again as printing.

#include <memory>

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QStackedWidget>

#include "app_ids.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "report_preview.h"
#include "report_printing.h"
#include "settings_store.h"
#include "string_ids.h"
#include "ui/prompts.h"

namespace {

bool QtPrintDialog(QWidget* parent, QPrinter& printer, int pageCount) {
    QPrintDialog dialog(&printer, parent);
    if (pageCount > 0) dialog.setMinMax(1, pageCount);
    else dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialogFn& InstalledPrintDialog() {
    static PrintDialogFn dialog;
    return dialog;
}

class CReportHost : public QObject {
public:
    explicit CReportHost(CMainFrame& frame) : QObject(&frame), frame_(frame) {
        setObjectName("ReportHost");
        // The views on the first page, the preview on the second while it shows.
        stack_ = new QStackedWidget(&frame);
        QWidget* views = frame.takeCentralWidget();
        stack_->addWidget(views);
        frame.setCentralWidget(stack_);
    }

    bool RunReport(bool preview, bool keep, const ReportRequest* request) {
        if (!keep && request != nullptr) run_.Start(*request);
        if (!run_.CanPrint() || Document() == nullptr) return false;
        return preview ? StartPreview() : Print();
    }
    bool CanPrint() const { return run_.CanPrint() && Document() != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!preview_) return false;
        if (watched == &frame_ && event->type() == QEvent::Close) {
            // Closing the window while the preview shows ends the preview.
            event->ignore();
            EndPreview();
            return true;
        }
        const QEvent::Type type = event->type();
        if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &frame_) {
            return false;
        }
        if (type == QEvent::ShortcutOverride) {
            // No shortcut of the hidden menus or views runs behind the
            // preview; the key still arrives as a key press.
            event->accept();
            return true;
        }
        // The keys the preview takes, whether or not there is anything to
        // scroll; the others (Tab, Space on its bar) go to the preview.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up: ui::SendMessage(preview_, WM_PREVIEW_SCROLL, 0); return true;
        case Qt::Key_Down: ui::SendMessage(preview_, WM_PREVIEW_SCROLL, 1); return true;
        case Qt::Key_Escape: EndPreview(); return true;
        default: return preview_->ScrollByKey(static_cast<QKeyEvent*>(event)->key());
        }
    }

private:
    CReportDocument* Document() const { return Host().reportDocument; }

    QPrinter& Printer() {
        if (Host().printer != nullptr) return *Host().printer;
        if (!ownPrinter_) ownPrinter_ = std::make_unique<QPrinter>();
        return *ownPrinter_;
    }

    bool StartPreview() {
        EndPreview();
        CNewPreviewView::Actions actions;
        actions.print = [this] {
            EndPreview();
            Print();
        };
        actions.close = [this] { EndPreview(); };
        preview_ = new CNewPreviewView(run_, Document(), &Printer(), std::move(actions), stack_);
        stack_->addWidget(preview_);
        frame_.ShowWaitCursor(true);
        const bool filled = preview_->Paginate();
        frame_.ShowWaitCursor(false);
        if (!filled) {
            delete preview_;
            ui::MessageBoxById(&frame_, ids::COMMAND_FAILED, ui::MB_OK | ui::MB_ICONSTOP);
            return false;
        }
        stack_->setCurrentWidget(preview_);
        frame_.menuBar()->hide();
        if (frame_.ToolBar()) frame_.ToolBar()->hide();
        // While the preview shows, keys scroll it rather than going to the
        // plugins, and a command that reaches the window ends it first.
        frame_.SetPreviewMode([this] { EndPreview(); });
        qApp->removeEventFilter(&frame_);
        qApp->installEventFilter(this);
        frame_.installEventFilter(this);
        preview_->setFocus();
        return true;
    }

    void EndPreview() {
        if (!preview_) return;
        stack_->setCurrentIndex(0);
        stack_->removeWidget(preview_);
        // The preview may be in one of its own button handlers.
        preview_->hide();
        preview_->deleteLater();
        preview_ = nullptr;
        frame_.SetPreviewMode({});
        frame_.menuBar()->show();
        if (frame_.ToolBar()) frame_.ToolBar()->show();
        qApp->removeEventFilter(this);
        frame_.removeEventFilter(this);
        qApp->installEventFilter(&frame_);
        if (QWidget* view = frame_.View()->VisibleView()) view->setFocus();
    }

    bool Print() {
        QPrinter& printer = Printer();
        const bool askUser = !BoolSetting("ReportsPrintDirect", false);
        const PrintDialogFn dialog = InstalledPrintDialog() ? InstalledPrintDialog() : PrintDialogFn(QtPrintDialog);
        frame_.ShowWaitCursor(true);
        const ReportPrintResult result = PrintReport(run_, Document(), printer, askUser, dialog, &frame_);
        frame_.ShowWaitCursor(false);
        switch (result) {
        case ReportPrintResult::Printed:
        case ReportPrintResult::Cancelled: return true;
        case ReportPrintResult::NothingPrinted: return false;
        case ReportPrintResult::OutputFailed:
            if (printer.outputFileName().isEmpty()) {
                ui::MessageBoxById(&frame_, ids::COMMAND_FAILED, ui::MB_OK | ui::MB_ICONSTOP);
            } else {
                ui::MessageBoxById(&frame_, ids::PRINT_OUTPUT_FAILED, ui::MB_OK | ui::MB_ICONSTOP,
                                   {printer.outputFileName().toStdString()});
            }
            return false;
        }
        return false;
    }

    CMainFrame& frame_;
    QStackedWidget* stack_ = nullptr;
    QPointer<CNewPreviewView> preview_;
    CReportRun run_;
    std::unique_ptr<QPrinter> ownPrinter_;
};

}  // namespace

void SetReportPrintDialog(PrintDialogFn dialog) { InstalledPrintDialog() = std::move(dialog); }

void RegisterReportFrameCommands(CMainFrame& frame) {
    auto* host = new CReportHost(frame);
    frame.NamedCommands().Set(HostCommand::DoReport, [host](void* arg) {
        const auto* request = static_cast<const ReportRequest*>(arg);
        return request != nullptr && host->RunReport((request->flags & 0xFF) != 0, false, request);
    });
    frame.FrameCommands().Set(app_ids::ID_FILE_PRINT,
                              {[host] { host->RunReport(false, true, nullptr); }, [host] { return host->CanPrint(); }, {}});
}
