#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include "view_tooltip_wnd.h"

namespace {

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

class TooltipWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.resize(200, 100);
        owner.show();
        ASSERT_TRUE(tooltip.Create(&owner));
        screen = owner.screen()->availableGeometry();
    }
    QWidget owner;
    CViewTooltipWnd tooltip;
    QRect screen;
};

TEST_F(TooltipWndTest, CreatedHiddenAndNeverTakesTheFocus) {
    EXPECT_TRUE(tooltip.isHidden());
    EXPECT_EQ(tooltip.parentWidget(), &owner);
    tooltip.ShowAt(10, 10, "a<!&>b", 0);
    EXPECT_TRUE(tooltip.isVisible());
    EXPECT_TRUE(tooltip.testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(tooltip.focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(tooltip.pos(), QPoint(10, 10));
}

TEST_F(TooltipWndTest, TheSameTextAtTheSamePlaceDoesNotRepaint) {
    PaintCounter counter;
    tooltip.installEventFilter(&counter);
    tooltip.ShowAt(20, 30, "a<!&>b", 0);
    QApplication::processEvents();
    ASSERT_GT(counter.paints, 0);
    counter.paints = 0;
    tooltip.ShowAt(20, 30, "a<!&>b", 0);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    tooltip.ShowAt(21, 30, "a<!&>b", 0);
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0);
}

TEST_F(TooltipWndTest, KeepsItsSizeWhileShownAndStartsAfreshAfterHide) {
    tooltip.ShowAt(10, 10, "a rather long first text\nand a second line", 0);
    const QSize first = tooltip.size();
    tooltip.UpdateText("short");
    EXPECT_EQ(tooltip.size(), first);
    EXPECT_EQ(tooltip.Text(), "short");
    tooltip.Hide();
    EXPECT_TRUE(tooltip.isHidden());
    EXPECT_EQ(tooltip.Text(), "");
    tooltip.ShowAt(10, 10, "short", 0);
    EXPECT_LT(tooltip.width(), first.width());
    EXPECT_LT(tooltip.height(), first.height());
}

TEST_F(TooltipWndTest, NewTextKeepsThePlacement) {
    tooltip.ShowAt(400, 300, "centred above the point", kTooltipCentreX | kTooltipBottomAtY);
    const QRect first = tooltip.geometry();
    EXPECT_EQ(first.bottom() + 1, 300);
    tooltip.UpdateText("x");
    EXPECT_EQ(tooltip.geometry(), first);
}

TEST_F(TooltipWndTest, StaysOnTheScreen) {
    tooltip.ShowAt(screen.right() - 5, 10, "a text near the right edge", 0);
    EXPECT_EQ(tooltip.geometry().right(), screen.right());
    tooltip.ShowAt(10, 10, std::string(100000, 'x'), 0);
    EXPECT_TRUE(screen.contains(tooltip.geometry())) << tooltip.geometry().width();
    std::string lines;
    for (int i = 0; i < 20000; ++i) lines += "line<!&>cell\n";
    tooltip.ShowAt(10, 10, lines, 0);
    EXPECT_TRUE(screen.contains(tooltip.geometry()));
    tooltip.grab();
}

}  // namespace
