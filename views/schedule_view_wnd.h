#pragma once

// The schedule view: the label column, a divider the user drags, the chart
// pane, and the vertical scroll bar that moves the labels and the grid
// together by lines.

#include <QWidget>

#include "support/calendar_values.h"
#include "ui/message.h"
#include "ui/scroll_bar.h"
#include "view_base.h"
#include "view_tooltip_wnd.h"

class CScheduleChartWnd;
class CScheduleLabelWnd;
class CScheduleModel;
class QScrollBar;

class CScheduleViewWnd : public ui::MessageWidget<QWidget>, public CViewBase {
public:
    explicit CScheduleViewWnd(QWidget* parent);

    static void LoadLayout(const std::string& iniPath);
    static void SaveLayout(const std::string& iniPath);
    bool IsResourceMode() const;
    void SetResourceMode(bool resourceMode);
    int OnKeyDown(int virtualKey, int modifiers);

    void LoadSettings();
    void Layout();
    void ApplySettings(bool repaint);
    void UpdateRows(bool repaint);
    void OnVScroll(int code, int thumbPos);

    int FirstVisibleLine() const { return vScroll_.GetScrollPos(); }
    int LineHeight() const { return lineHeight_; }
    int LabelWidth() const { return labelWidth_; }
    CScheduleChartWnd* Chart() const { return chart_; }
    CScheduleLabelWnd* Labels() const { return label_; }
    const CScheduleModel& Model() const;
    CScheduleModel& Model();
    void RedrawRows();
    // The status panes after the rows or columns moved under the mouse.
    void RefreshStatusBar();
    const CViewTooltipWnd& Tooltip() const { return tooltip_; }

    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) override;

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    int ClientWidth() const;
    bool OnDivider(int x) const;
    void EndDrag(bool apply);
    // The name of the row at the thumb's track position, beside the bar.
    void ShowTrackTip(int line);
    // What a report of the view shows: the visible period and the
    // collapsed groups, into the settings.
    void WriteReportSettings() const;

    CDateTime firstVisible_;
    CDateTime pendingGoto_{CDate::FromJulianDay(CDate::kInvalid)};
    int vScrollMax_ = 0;
    int lineHeight_ = 1;
    bool dragging_ = false;
    int dragLeft_ = 0;
    int dragRight_ = 0;
    int dragX_ = 0;
    CScheduleLabelWnd* label_;
    CScheduleChartWnd* chart_;
    QScrollBar* bar_;
    QWidget* dragFeedback_;
    ui::ScrollBarAdapter vScroll_;
    CViewTooltipWnd tooltip_;
    int labelWidth_ = 150;
    int dividerWidth_ = 5;
    int gridWidthMin_ = 20;
};
