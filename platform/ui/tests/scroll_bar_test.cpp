#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWheelEvent>
#include <vector>

#include "ui/scroll_bar.h"
#include "wheel_event.h"

namespace {

struct Fixture {
    QScrollBar bar{Qt::Vertical};
    std::vector<std::pair<int, int>> calls;
    bool follow = false;   // the window moves the position as asked
    ui::ScrollBarAdapter adapter{&bar, [this](int code, int pos) {
        calls.emplace_back(code, pos);
        if (follow && code == ui::SB_PAGEDOWN) adapter.SetScrollPos(adapter.GetScrollPos() + 10);
        if (follow && code == ui::SB_THUMBPOSITION) adapter.SetScrollPos(pos);
    }};
};

TEST(ScrollBar, RangeAndPageMapToTheReachablePositions) {
    Fixture f;
    f.adapter.SetScrollInfo({0, 99, 10, 95, 0}, ui::SIF_RANGE | ui::SIF_PAGE | ui::SIF_POS);
    EXPECT_EQ(f.bar.maximum(), 90);
    EXPECT_EQ(f.bar.pageStep(), 10);
    EXPECT_EQ(f.adapter.GetScrollPos(), 90);   // clamped to max - page + 1
    EXPECT_EQ(f.adapter.SetScrollPos(-3), 90);
    EXPECT_EQ(f.bar.value(), 0);
    EXPECT_TRUE(f.calls.empty());   // the window's own changes report nothing
}

TEST(ScrollBar, UserActionsReportCodesAndMoveOnlyWhenTheWindowMoves) {
    Fixture f;
    f.adapter.SetScrollInfo({0, 99, 10, 0, 0}, ui::SIF_ALL);
    f.bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    f.bar.triggerAction(QAbstractSlider::SliderSingleStepSub);
    f.bar.triggerAction(QAbstractSlider::SliderToMaximum);
    const std::vector<std::pair<int, int>> expected{
        {ui::SB_PAGEDOWN, 0}, {ui::SB_LINEUP, 0}, {ui::SB_BOTTOM, 0}};
    EXPECT_EQ(f.calls, expected);
    EXPECT_EQ(f.bar.value(), 0);

    f.follow = true;
    f.bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(f.bar.value(), 10);
}

TEST(ScrollBar, DraggingTheThumbTracksThenSetsThePosition) {
    for (bool follow : {false, true}) {
        Fixture f;
        f.follow = follow;
        f.adapter.SetScrollInfo({0, 99, 10, 0, 0}, ui::SIF_ALL);
        f.bar.setSliderDown(true);
        f.bar.setSliderPosition(40);
        EXPECT_EQ(f.adapter.GetScrollInfo().trackPos, 40);
        EXPECT_EQ(f.adapter.GetScrollPos(), 0);
        f.bar.setSliderDown(false);
        const std::vector<std::pair<int, int>> expected{
            {ui::SB_THUMBTRACK, 40}, {ui::SB_THUMBPOSITION, 40}, {ui::SB_ENDSCROLL, follow ? 40 : 0}};
        EXPECT_EQ(f.calls, expected);
        EXPECT_EQ(f.bar.value(), follow ? 40 : 0);
    }
}

TEST(ScrollBar, NothingToScrollHidesOrDisablesTheBar) {
    Fixture f;
    f.bar.show();
    f.adapter.SetScrollInfo({0, 4, 10, 0, 0}, ui::SIF_RANGE | ui::SIF_PAGE);
    EXPECT_FALSE(f.bar.isVisible());
    f.adapter.SetScrollInfo({0, 0, 10, 0, 0}, ui::SIF_RANGE | ui::SIF_PAGE | ui::SIF_DISABLENOSCROLL);
    EXPECT_TRUE(f.bar.isVisible());
    EXPECT_FALSE(f.bar.isEnabled());
    f.adapter.SetScrollInfo({0, 40, 10, 0, 0}, ui::SIF_RANGE | ui::SIF_PAGE);
    EXPECT_TRUE(f.bar.isEnabled());
}

// A slider move the window did not ask for (the bar's own wheel handling
// makes one) leaves the thumb where the window's position is.
TEST(ScrollBar, AMoveTheWindowDidNotMakeLeavesTheThumbAtThePosition) {
    Fixture f;
    f.adapter.SetScrollInfo({0, 99, 10, 20, 0}, ui::SIF_ALL);
    f.bar.setSliderPosition(35);
    f.bar.triggerAction(QAbstractSlider::SliderMove);
    EXPECT_TRUE(f.calls.empty());
    EXPECT_EQ(f.bar.sliderPosition(), 20);
    EXPECT_EQ(f.bar.value(), 20);
}

// The wheel over the bar is the window's: it goes on to the bar's parent,
// unaccepted, and neither the bar nor the position moves.
TEST(ScrollBar, TheWheelOverTheBarGoesToItsWindow) {
    struct Window : QWidget {
        std::vector<int> deltas;
        void wheelEvent(QWheelEvent* e) override {
            deltas.push_back(e->angleDelta().y());
            e->accept();
        }
    } window;
    auto* bar = new QScrollBar(Qt::Vertical, &window);
    std::vector<int> codes;
    ui::ScrollBarAdapter adapter(bar, [&](int code, int) { codes.push_back(code); });
    adapter.SetScrollInfo({0, 99, 10, 20, 0}, ui::SIF_ALL);
    for (int delta : {-120, 120, -1, 10000}) TurnWheel(bar, delta);
    EXPECT_EQ(window.deltas, (std::vector<int>{-120, 120, -1, 10000}));
    EXPECT_TRUE(codes.empty());
    EXPECT_EQ(bar->value(), 20);
    EXPECT_EQ(bar->sliderPosition(), 20);
}

}  // namespace
