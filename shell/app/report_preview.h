#pragma once

// The print preview inside the main window: a bar of page, zoom, print,
// re-layout, export and close buttons over the pages of the current report
// run, drawn by the report document.

#include <functional>
#include <map>

#include <QWidget>

#include "ui/message.h"

class CReportDocument;
class CReportRun;
class QAction;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QScrollBar;

// Messages to the preview.
inline constexpr unsigned WM_PREVIEW_SCROLL = 1224;     // wParam 0 line up, 1 line down
inline constexpr unsigned WM_PREVIEW_RELAYOUT = 1226;   // the re-layout button's work

class CNewPreviewView : public ui::MessageWidget<QWidget> {
public:
    // Buttons of the bar, by command identifier.
    static constexpr unsigned ID_FIRST_PAGE = 8119;
    static constexpr unsigned ID_LAST_PAGE = 8120;
    static constexpr unsigned ID_EXPORT = 8121;
    static constexpr unsigned ID_RELAYOUT = 8122;
    static constexpr unsigned ID_PREVIOUS_PAGE = 0xE8FF;
    static constexpr unsigned ID_NEXT_PAGE = 0xE900;
    static constexpr unsigned ID_ZOOM_IN = 0xE904;
    static constexpr unsigned ID_ZOOM_OUT = 0xE905;
    static constexpr unsigned ID_PRINT = 0xE107;
    static constexpr unsigned ID_CLOSE = 0xE906;
    static constexpr int kPageDisplayId = 1047;

    struct Actions {
        std::function<void()> print;   // the print button, after the printed flag is set
        std::function<void()> close;   // the close button, or an export that asks for it
    };

    CNewPreviewView(CReportRun& run, CReportDocument* document, QPrinter* printer, Actions actions,
                    QWidget* parent = nullptr);

    // Fills the document again and shows its pages; false when the report
    // could not be filled.
    bool Paginate();
    int CurrentPage() const;
    int PageCount() const;
    bool Printed() const { return printed_; }
    QAction* Button(unsigned id) const;
    QString PageDisplay() const;
    // Scrolls the page view as the navigation keys do; false when the key is
    // not one of them.
    bool ScrollByKey(int key);

protected:
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) override;

private:
    QAction* AddButton(unsigned id, unsigned textId, std::function<void()> run);
    void GoTo(int page);
    void Relayout();
    void Export();
    void UpdateButtons();
    QScrollBar* ScrollBar(Qt::Orientation orientation) const;

    CReportRun& run_;
    CReportDocument* document_;
    Actions actions_;
    QPrintPreviewWidget* pages_ = nullptr;
    QLabel* pageDisplay_ = nullptr;
    std::map<unsigned, QAction*> buttons_;
    bool filled_ = false;
    bool printed_ = false;
};
