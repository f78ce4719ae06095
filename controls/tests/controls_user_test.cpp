#include <QApplication>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "control_fixture.h"
#include "plat/locale_info.h"

namespace {

using spcc_test::ControlTest;
using spcc_test::Notification;
using Notifications = std::vector<Notification>;

QWidget* OpenPopup() {
    QApplication::processEvents();
    return QApplication::activePopupWidget();
}

TEST_F(ControlTest, TypingInAPeriodPartNotifiesOnceAndSettingItDoesNot) {
    for (int kind : {SPCC_DATEPERIOD, SPCC_TIMEPERIOD}) {
        parent.notifications.clear();
        QWidget* control = Make(kind, 1062);
        const unsigned set = kind == SPCC_DATEPERIOD ? WM_SP_DATEPERIOD_SETDATE : WM_SP_TIMEPERIOD_SETTIME;
        const unsigned shown = kind == SPCC_DATEPERIOD ? WM_SP_DATEPERIOD_GETPART : WM_SP_TIMEPERIOD_GETPART;
        ui::SendMessage(control, set, 1, kind == SPCC_DATEPERIOD ? 2451545 : 510);
        EXPECT_TRUE(parent.notifications.empty());

        QLineEdit* to = control->findChildren<QLineEdit*>()[1];
        to->setFocus();
        to->end(false);
        QTest::keyClick(to, Qt::Key_Backspace);
        EXPECT_EQ(parent.notifications, (Notifications{{1062, ui::EN_CHANGE}}));
        // What the part shows is read while the user types.
        // "1.1.200" is 1 January 200, "08:3" is 8:03.
        EXPECT_EQ(ui::SendMessage(control, shown, 1), kind == SPCC_DATEPERIOD ? 1794109 : 483);
    }
}

// A part that has the focus when its control goes loses it while the
// control is destroyed; nothing of the control may run then.
TEST_F(ControlTest, PeriodDestroyedWhileAPartHasTheFocus) {
    for (int kind : {SPCC_DATEPERIOD, SPCC_TIMEPERIOD}) {
        QWidget* control = Make(kind, 1062);
        parent.show();
        QApplication::setActiveWindow(&parent);
        QLineEdit* part = control->findChildren<QLineEdit*>()[0];
        part->setFocus();
        part->setText("8");
        ASSERT_TRUE(part->hasFocus());
        delete control;
    }
}

TEST_F(ControlTest, PickingADayFromTheDropDownCalendarNotifiesOnce) {
    QWidget* dates = Make(SPCC_DATEPERIOD);
    parent.show();
    ui::SendMessage(dates, WM_SP_DATEPERIOD_SETDATE, 0, 2451545);
    QTest::mouseClick(dates->findChildren<QToolButton*>()[0], Qt::LeftButton);
    QWidget* popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    auto* calendar = popup->findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    QWidget* days = QApplication::focusWidget();
    ASSERT_NE(days, nullptr);
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(parent.notifications, (Notifications{{1016, ui::EN_CHANGE}}));
    EXPECT_EQ(ui::SendMessage(dates, WM_SP_DATEPERIOD_GETDATE, 0), 2451546);
    EXPECT_EQ(dates->findChildren<QLineEdit*>()[0]->text(), "2.1.2000");
}

class TreeComboTest : public ControlTest {
protected:
    void SetUp() override {
        combo = Make(SPCC_TREECOMBO, 1038);
        tree = reinterpret_cast<QTreeWidget*>(ui::SendMessage(combo, WM_SP_TREECOMBO_GETTREE));
        for (const char* name : {"Alpha", "Beta", "Gamma"}) {
            const SPTreeInsertRecord r{nullptr, name, 0};
            items.push_back(reinterpret_cast<QTreeWidgetItem*>(
                ui::SendMessage(combo, WM_SP_TREECOMBO_INSERTITEM, 0, reinterpret_cast<ui::LPARAM>(&r))));
        }
        ui::SendMessage(combo, WM_SP_TREECOMBO_UPDATE, 1, 0);
        tree->setCurrentItem(items[0]);
        parent.show();
    }

    void ClickInPopup(QTreeWidgetItem* item) {
        QTest::mouseClick(combo, Qt::LeftButton);
        ASSERT_NE(OpenPopup(), nullptr);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }

    QWidget* combo = nullptr;
    QTreeWidget* tree = nullptr;
    std::vector<QTreeWidgetItem*> items;
};

TEST_F(TreeComboTest, TheCallersSelectionIsShownWithoutNotice) {
    EXPECT_EQ(static_cast<QPushButton*>(combo)->text(), "Alpha");
    tree->setCurrentItem(items[2]);
    EXPECT_EQ(static_cast<QPushButton*>(combo)->text(), "Gamma");
    tree->clear();
    EXPECT_EQ(static_cast<QPushButton*>(combo)->text(), "");
    EXPECT_TRUE(parent.notifications.empty());
}

TEST_F(TreeComboTest, EachPickOfAnotherItemNotifiesOnce) {
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(tree->currentItem(), items[1]);
    EXPECT_EQ(parent.notifications, (Notifications{{1038, ui::CBN_SELCHANGE}}));

    ClickInPopup(items[2]);
    EXPECT_EQ(tree->currentItem(), items[2]);
    EXPECT_EQ(OpenPopup(), nullptr);
    EXPECT_EQ(parent.notifications.size(), 2u);

    ClickInPopup(items[2]);   // the same item again
    EXPECT_EQ(parent.notifications.size(), 2u);
}

TEST_F(TreeComboTest, ClosingTheDropDownWithoutAPickKeepsTheItem) {
    QTest::mouseClick(combo, Qt::LeftButton);
    QWidget* popup = OpenPopup();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(tree, Qt::Key_Down);   // moves through the list only
    EXPECT_TRUE(parent.notifications.empty());
    popup->hide();
    EXPECT_EQ(tree->currentItem(), items[0]);
    EXPECT_TRUE(parent.notifications.empty());
}

class CalendarTest : public ControlTest {
protected:
    void SetUp() override {
        calendar = Make(SPCC_CALENDAR, 1000);
        ui::SendMessage(calendar, WM_SP_CALENDAR_SETDATE, 0, 2461134);   // Friday 3 April 2026
        parent.show();
    }
    void Click(const char* caption) {
        for (QPushButton* b : calendar->findChildren<QPushButton*>())
            if (b->text() == caption) return QTest::mouseClick(b, Qt::LeftButton);
        ADD_FAILURE() << "no button " << caption;
    }
    ui::LRESULT Date() const { return ui::SendMessage(calendar, WM_SP_CALENDAR_GETDATE); }

    QWidget* calendar = nullptr;
};

TEST_F(CalendarTest, EachPickSendsItsCodeOnce) {
    struct Case { const char* button; unsigned code; ui::LRESULT date; };
    // The week starts on the system locale's first day (0 Monday ... 6
    // Sunday); the shown Friday is day 4 of a week from Monday.
    const int firstDay = plat::LoadSystemLocale().firstDayOfWeek;
    const ui::LRESULT weekStart = 2461134 - (4 - firstDay + 7) % 7;
    const ui::LRESULT today = QDate::currentDate().toJulianDay();
    const Case cases[] = {
        {"Month", SPCN_CALENDAR_MONTH, 2461134},
        {"Year", SPCN_CALENDAR_YEAR, 2461134},
        {"Week", SPCN_CALENDAR_WEEK, weekStart},
        {"Today", SPCN_CALENDAR_TODAY, today},
        {"Cancel", SPCN_CALENDAR_CANCEL, today},
    };
    for (const Case& c : cases) {
        parent.notifications.clear();
        Click(c.button);
        EXPECT_EQ(parent.notifications, (Notifications{{1000, c.code}})) << c.button;
        EXPECT_EQ(Date(), c.date) << c.button;
    }
}

TEST_F(CalendarTest, EnterTakesTheDayAndEscapeCancels) {
    auto* days = calendar->findChild<QTableView*>();
    ASSERT_NE(days, nullptr);
    QTest::keyClick(days, Qt::Key_Left);
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(parent.notifications, (Notifications{{1000, SPCN_CALENDAR_DAY}}));
    EXPECT_EQ(Date(), 2461133);

    parent.notifications.clear();
    QTest::keyClick(calendar, Qt::Key_Escape);
    EXPECT_EQ(parent.notifications, (Notifications{{1000, SPCN_CALENDAR_CANCEL}}));
}

}  // namespace
