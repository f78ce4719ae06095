// Keys typed into an open menu, context menu or list of the real program go
// to that menu alone: nothing reaches the plugins or scrolls the views.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "data_library.h"
#include "host_messages.h"
#include "main_app.h"
#include "main_frame.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "plan_builder.h"
#include "plan_data.h"
#include "plugin_api.h"
#include "plugin_manager.h"
#include "settings_store.h"
#include "support/calendar_values.h"
#include "ui/key_codes.h"
#include "ui/message.h"
#include "ui/scroll_bar.h"
#include "when_modal.h"

namespace {

constexpr unsigned kVScroll = 0x0115;

int Day(int day, int month = 1, int year = 2025) { return DateToJulianDay(month, day, year); }

// What the user sees of the schedule: its first day and its first line.
struct Position {
    int firstDay;
    int firstLine;
    friend bool operator==(const Position&, const Position&) = default;
};

std::ostream& operator<<(std::ostream& out, const Position& p) {
    return out << "day " << p.firstDay << ", line " << p.firstLine;
}

class MenuKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.UseRealPlugins();   // and the tracing plugin, which logs the keys it is offered
        app = apptest::StartShown(dir, 900, 500);
        ASSERT_TRUE(app);
        frame = app->MainFrame();
        SetSetting("ViewOpenFileToday", "0");
        SetSetting("ViewScheduleBaseUnit", "4");
        SetSetting("ViewActive", "0");
        QELA_OnViewChanged();
        BuildPlan();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        // Into the middle of the plan, so that every arrow key would move it.
        CDateTime march(CDate::FromJulianDay(Day(3, 3)));
        ui::SendMessage(Schedule(), WM_PLUGIN_GOTO_DATE, 1, reinterpret_cast<ui::LPARAM>(&march));
        for (int i = 0; i < 5; ++i) ui::SendMessage(Schedule(), kVScroll, ui::SB_LINEDOWN, 0);
        Schedule()->setFocus();
        start = Now();
        ASSERT_EQ(start.firstDay, Day(3, 3));
        ASSERT_EQ(start.firstLine, 5);
    }
    void TearDown() override { apptest::EndUnsaved(app); }

    void BuildPlan() {
        dlgtest::PlanBuilder plan(frame->Data());
        plan.Period(Day(1), Day(30, 6));
        CTask* work = plan.Task("Work", 0);
        for (int i = 0; i < 40; ++i) {
            CResource* resource = plan.Resource(("R" + std::to_string(i)).c_str(), i);
            plan.Booking(resource, work, Day(6), 480, Day(6), 1020);
        }
    }

    QWidget* Schedule() const { return frame->View()->findChild<QWidget*>("CScheduleViewWnd"); }
    Position Now() const {
        CDateTime at(CDate::FromJulianDay(0));
        ui::SendMessage(Schedule(), WM_PLUGIN_GOTO_DATE, 0, reinterpret_cast<ui::LPARAM>(&at));
        int line = -1;
        for (QScrollBar* bar : Schedule()->findChildren<QScrollBar*>())
            if (bar->orientation() == Qt::Vertical) line = bar->value();
        return {at.date.GetJulianDay(), line};
    }
    // A key as the window system hands it over while a menu is open: to the
    // main window, whose focus widget is offered it first.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(frame->windowHandle(), key, modifiers);
    }
    // A key into an open menu: the schedule must not move.
    void MenuKey(Qt::Key key) {
        Key(key);
        EXPECT_EQ(Now(), start) << "after key 0x" << std::hex << key;
    }
    std::vector<std::string> KeysOffered() const {
        std::vector<std::string> keys;
        for (const std::string& line : dir.Trace())
            if (line.rfind("KeyDispatch", 0) == 0) keys.push_back(line);
        return keys;
    }
    std::vector<QMenu*> BarMenus() const {
        std::vector<QMenu*> menus;
        for (QAction* item : frame->menuBar()->actions())
            if (item->menu() != nullptr && item->isVisible()) menus.push_back(item->menu());
        return menus;
    }
    static QWidget* OpenPopup() { return QApplication::activePopupWidget(); }

    apptest::ProgramDirectory dir;
    std::unique_ptr<CMainApp> app;
    CMainFrame* frame = nullptr;
    Position start{};
};

// Up and Down move in a menu and Left and Right to the menus beside it on the
// bar; Escape closes it. The schedule behind never moves.
TEST_F(MenuKeysTest, ArrowKeysInAMenuOfTheBarStayInTheMenus) {
    // Without a menu the arrows do scroll the schedule.
    Key(Qt::Key_Right);
    EXPECT_EQ(Now().firstDay, start.firstDay + 1);
    Key(Qt::Key_Left);
    ASSERT_EQ(Now(), start);

    const std::vector<QMenu*> menus = BarMenus();
    ASSERT_GE(menus.size(), 5u);
    const auto neighbour = [&](std::size_t i, int step) {
        return menus[(i + menus.size() + step) % menus.size()];
    };
    for (std::size_t i = 0; i < menus.size(); ++i) {
        QMenu* menu = menus[i];
        const QKeyCombination mnemonic = QKeySequence::mnemonic(menu->title())[0];
        SCOPED_TRACE(menu->title().toStdString());
        Key(mnemonic.key(), mnemonic.keyboardModifiers());
        ASSERT_EQ(OpenPopup(), menu);
        dir.ClearTrace();

        QAction* first = menu->activeAction();
        MenuKey(Qt::Key_Down);
        EXPECT_EQ(OpenPopup(), menu);
        if (menu->actions().size() > 1) { EXPECT_NE(menu->activeAction(), first); }
        MenuKey(Qt::Key_Up);
        EXPECT_EQ(menu->activeAction(), first);
        MenuKey(Qt::Key_Right);
        EXPECT_EQ(OpenPopup(), neighbour(i, 1));
        MenuKey(Qt::Key_Left);
        EXPECT_EQ(OpenPopup(), menu);
        MenuKey(Qt::Key_Left);
        EXPECT_EQ(OpenPopup(), neighbour(i, -1));
        MenuKey(Qt::Key_Right);
        EXPECT_EQ(OpenPopup(), menu);

        MenuKey(Qt::Key_Escape);
        EXPECT_EQ(OpenPopup(), nullptr);
        // The bar keeps the keys until a second Escape: Right moves along it.
        EXPECT_EQ(QApplication::focusWidget(), frame->menuBar());
        MenuKey(Qt::Key_Right);
        EXPECT_EQ(frame->menuBar()->activeAction(), neighbour(i, 1)->menuAction());
        MenuKey(Qt::Key_Escape);
        EXPECT_TRUE(ui::HasKeyboard(frame));
        EXPECT_EQ(KeysOffered(), std::vector<std::string>{});
    }

    // Alt alone puts the bar under the keys: Right moves along it and Down
    // opens the menu reached.
    dir.ClearTrace();
    Key(Qt::Key_Alt, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), frame->menuBar());
    EXPECT_EQ(frame->menuBar()->activeAction(), menus[0]->menuAction());
    MenuKey(Qt::Key_Right);
    EXPECT_EQ(frame->menuBar()->activeAction(), menus[1]->menuAction());
    MenuKey(Qt::Key_Down);
    EXPECT_EQ(OpenPopup(), menus[1]);
    MenuKey(Qt::Key_Escape);
    MenuKey(Qt::Key_Escape);
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_TRUE(ui::HasKeyboard(frame));
    EXPECT_EQ(KeysOffered(), std::vector<std::string>{});
}

// The context menu of the schedule and the time bar's menu take the arrows
// and Escape the same way, and so does the open list of the base-unit combo.
TEST_F(MenuKeysTest, ArrowKeysInAPopupMenuOrAnOpenListStayInIt) {
    QWidget* grid = frame->View()->findChild<QWidget*>("CScheduleGridWnd");
    QWidget* timeBar = frame->View()->findChild<QWidget*>("CTimeBarWnd");
    ASSERT_NE(grid, nullptr);
    ASSERT_NE(timeBar, nullptr);
    const struct {
        const char* name;
        QWidget* owner;
        QPoint at;
    } popups[] = {
        {"context menu", grid, QPoint(40, 40)},
        {"time bar menu", timeBar, QPoint(5, timeBar->height() / 2)},
    };
    for (const auto& popup : popups) {
        SCOPED_TRACE(popup.name);
        dir.ClearTrace();
        bool driven = false;
        dlgtest::WhenPopup<QMenu>([&](QMenu* menu) {
            for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right}) {
                MenuKey(key);
                EXPECT_EQ(OpenPopup(), menu) << key;
            }
            EXPECT_NE(menu->activeAction(), nullptr);
            MenuKey(Qt::Key_Escape);
            EXPECT_EQ(OpenPopup(), nullptr);
            driven = true;
        });
        // Opens the menu and returns once it is closed.
        QTest::mouseClick(popup.owner, Qt::RightButton, {}, popup.at);
        EXPECT_TRUE(driven);
        EXPECT_EQ(Now(), start);
        EXPECT_EQ(KeysOffered(), std::vector<std::string>{});
    }

    QComboBox* units = frame->ToolBar()->BaseUnitCombo();
    units->setFocus();
    Key(Qt::Key_F4);
    ASSERT_NE(OpenPopup(), nullptr);
    dir.ClearTrace();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right}) {
        MenuKey(key);
        EXPECT_NE(OpenPopup(), nullptr) << key;
    }
    MenuKey(Qt::Key_Escape);
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_EQ(GetSetting("ViewScheduleBaseUnit"), "4");
    EXPECT_EQ(Now(), start);
    EXPECT_EQ(KeysOffered(), std::vector<std::string>{});
}

// The views take no key while a menu of the program has the keyboard, even
// when it is offered to them: the main window is not the one typed into.
TEST_F(MenuKeysTest, TheViewsTakeNoKeyWhileAMenuIsOpen) {
    QMenu menu(frame);
    menu.addAction("Item");
    for (bool open : {true, false}) {
        SCOPED_TRACE(open ? "menu open" : "menu closed");
        if (open) {
            menu.popup(frame->mapToGlobal(QPoint(20, 20)));
            ASSERT_EQ(OpenPopup(), &menu);
        } else {
            menu.close();
            ASSERT_EQ(OpenPopup(), nullptr);
        }
        EXPECT_EQ(PluginManager().OnKeyDispatch(ui::VK_RIGHT, 0), !open);
        EXPECT_EQ(Now().firstDay, open ? start.firstDay : start.firstDay + 1);
    }
}

}  // namespace
