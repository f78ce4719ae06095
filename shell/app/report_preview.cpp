#include "report_preview.h"

#include <algorithm>

#include <QAbstractScrollArea>
#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "command_text.h"
#include "plat/resource_strings.h"
#include "report_printing.h"
#include "string_ids.h"
#include "ui/prompts.h"

CNewPreviewView::CNewPreviewView(CReportRun& run, CReportDocument* document, QPrinter* printer, Actions actions,
                                 QWidget* parent)
    : ui::MessageWidget<QWidget>(parent), run_(run), document_(document), actions_(std::move(actions)) {
    setObjectName("CNewPreviewView");
    auto* bar = new QToolBar(this);
    bar->setObjectName("PreviewBar");
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    pages_ = new QPrintPreviewWidget(printer, this);
    pages_->setZoomMode(QPrintPreviewWidget::FitInView);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(pages_, 1);

    bar->addAction(AddButton(ID_FIRST_PAGE, ID_FIRST_PAGE, [this] { GoTo(1); }));
    bar->addAction(AddButton(ID_PREVIOUS_PAGE, ids::PREVIEW_PREVIOUS, [this] { GoTo(CurrentPage() - 1); }));
    bar->addAction(AddButton(ID_NEXT_PAGE, ids::PREVIEW_NEXT, [this] { GoTo(CurrentPage() + 1); }));
    bar->addAction(AddButton(ID_LAST_PAGE, ID_LAST_PAGE, [this] { GoTo(PageCount()); }));
    pageDisplay_ = new QLabel(bar);
    ui::SetControlId(pageDisplay_, kPageDisplayId);
    pageDisplay_->setContentsMargins(12, 0, 12, 0);
    bar->addWidget(pageDisplay_);
    bar->addSeparator();
    bar->addAction(AddButton(ID_ZOOM_IN, ids::PREVIEW_ZOOM_IN, [this] { pages_->zoomIn(); }));
    bar->addAction(AddButton(ID_ZOOM_OUT, ids::PREVIEW_ZOOM_OUT, [this] { pages_->zoomOut(); }));
    bar->addSeparator();
    bar->addAction(AddButton(ID_PRINT, ID_PRINT, [this] {
        printed_ = true;
        if (actions_.print) actions_.print();
    }));
    bar->addAction(AddButton(ID_RELAYOUT, ID_RELAYOUT, [this] { Relayout(); }));
    bar->addAction(AddButton(ID_EXPORT, ID_EXPORT, [this] { Export(); }));
    bar->addSeparator();
    bar->addAction(AddButton(ID_CLOSE, ids::PREVIEW_CLOSE, [this] {
        if (actions_.close) actions_.close();
    }));

    // The pages are asked for only when the preview is laid out
    // (Paginate); painting, zooming and paging show what they recorded. So
    // each layout fills the document once, from the report's settings.
    connect(pages_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) {
        QPainter painter(target);
        filled_ = run_.Fill(document_, painter);
        // The pages are drawn at the printer's resolution and shrunk to the
        // screen: unsmoothed, a line thinner than a screen pixel would vanish.
        painter.setRenderHint(QPainter::Antialiasing);
        filled_ = filled_ && run_.Replay(document_, painter, *target);
    });
    connect(pages_, &QPrintPreviewWidget::previewChanged, this, [this] { UpdateButtons(); });
}

QAction* CNewPreviewView::AddButton(unsigned id, unsigned textId, std::function<void()> run) {
    const std::string resourceText = plat::LoadResString(textId);
    auto* button = new QAction(QString::fromStdString(CommandButtonText(resourceText)), this);
    const std::size_t prompt = resourceText.find('\n');
    if (prompt != std::string::npos) button->setStatusTip(QString::fromStdString(resourceText.substr(0, prompt)));
    button->setData(id);
    connect(button, &QAction::triggered, this, std::move(run));
    buttons_[id] = button;
    return button;
}

bool CNewPreviewView::Paginate() {
    filled_ = false;
    pages_->updatePreview();
    UpdateButtons();
    return filled_;
}

int CNewPreviewView::CurrentPage() const { return pages_->currentPage(); }

int CNewPreviewView::PageCount() const { return run_.PageCount(); }

QAction* CNewPreviewView::Button(unsigned id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

QString CNewPreviewView::PageDisplay() const { return pageDisplay_->text(); }

void CNewPreviewView::GoTo(int page) {
    pages_->setCurrentPage(std::clamp(page, 1, std::max(PageCount(), 1)));
    UpdateButtons();
}

void CNewPreviewView::Relayout() {
    const ReportRequest& request = run_.Request();
    if (request.relayout == nullptr || request.relayout(this) != 0) return;
    if (!run_.CanPrint() || document_ == nullptr) return;
    const int current = CurrentPage();
    if (!Paginate()) {
        // Nothing is left to show of a report that no longer fills.
        QWidget* owner = window();
        if (actions_.close) actions_.close();
        ui::MessageBoxById(owner, ids::COMMAND_FAILED, ui::MB_OK | ui::MB_ICONSTOP);
        return;
    }
    // A report laid out to fewer pages keeps the nearest one.
    GoTo(std::min(current, PageCount()));
}

void CNewPreviewView::Export() {
    const ReportRequest& request = run_.Request();
    if (request.exportHtml != nullptr && request.exportHtml() == 0 && actions_.close) actions_.close();
}

void CNewPreviewView::UpdateButtons() {
    const int current = CurrentPage();
    const int count = PageCount();
    pageDisplay_->setText(QString::asprintf("%d/%d", current, count));
    buttons_.at(ID_FIRST_PAGE)->setEnabled(current > 1);
    buttons_.at(ID_PREVIOUS_PAGE)->setEnabled(current > 1);
    buttons_.at(ID_NEXT_PAGE)->setEnabled(current < count);
    buttons_.at(ID_LAST_PAGE)->setEnabled(current < count);
    buttons_.at(ID_PRINT)->setEnabled(run_.CanPrint());
    buttons_.at(ID_RELAYOUT)->setEnabled(run_.Request().relayout != nullptr);
    buttons_.at(ID_EXPORT)->setEnabled(run_.Request().exportHtml != nullptr);
}

QScrollBar* CNewPreviewView::ScrollBar(Qt::Orientation orientation) const {
    auto* area = pages_->findChild<QAbstractScrollArea*>();
    if (area == nullptr) return nullptr;
    return orientation == Qt::Vertical ? area->verticalScrollBar() : area->horizontalScrollBar();
}

bool CNewPreviewView::ScrollByKey(int key) {
    struct Step {
        int key;
        Qt::Orientation orientation;
        QAbstractSlider::SliderAction action;
    };
    static constexpr Step kSteps[] = {
        {Qt::Key_Home, Qt::Vertical, QAbstractSlider::SliderToMinimum},
        {Qt::Key_End, Qt::Vertical, QAbstractSlider::SliderToMaximum},
        {Qt::Key_Left, Qt::Horizontal, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Right, Qt::Horizontal, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_Up, Qt::Vertical, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_Down, Qt::Vertical, QAbstractSlider::SliderSingleStepAdd},
    };
    for (const Step& step : kSteps) {
        if (step.key != key) continue;
        if (QScrollBar* bar = ScrollBar(step.orientation); bar != nullptr && bar->maximum() > bar->minimum()) {
            bar->triggerAction(step.action);
        }
        return true;
    }
    return false;
}

bool CNewPreviewView::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM, ui::LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_PREVIEW_SCROLL:
        if (wParam == 0 || wParam == 1) ScrollByKey(wParam == 0 ? Qt::Key_Up : Qt::Key_Down);
        return true;
    case WM_PREVIEW_RELAYOUT: Relayout(); return true;
    default: return false;
    }
}
