#include <gtest/gtest.h>

#include <QWidget>

#include "ui/message.h"

namespace {

constexpr unsigned kAdd = WM_USER + 7;

// Answers kAdd with wParam + lParam and records the commands it sees.
class Receiver : public ui::MessageWidget<QWidget> {
public:
    using MessageWidget::MessageWidget;
    std::vector<std::pair<ui::WPARAM, QWidget*>> commands;

    bool OnMessage(unsigned msg, ui::WPARAM w, ui::LPARAM l, ui::LRESULT& result) override {
        if (msg == kAdd) {
            result = ui::LRESULT(w) + l;
            return true;
        }
        if (msg == WM_COMMAND) {
            commands.emplace_back(w, reinterpret_cast<QWidget*>(l));
            return true;
        }
        return false;
    }
};

TEST(Message, ResultComesBackAndUnhandledGivesZero) {
    Receiver receiver;
    QWidget plain;
    EXPECT_EQ(ui::SendMessage(&receiver, kAdd, 40, 2), 42);
    EXPECT_EQ(ui::SendMessage(&receiver, kAdd, 0, -5), -5);
    ui::LRESULT result = 99;
    EXPECT_FALSE(ui::TrySendMessage(&receiver, kAdd + 1, 1, 1, &result));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ui::SendMessage(&plain, kAdd, 1, 1), 0);
    EXPECT_EQ(ui::SendMessage(nullptr, kAdd, 1, 1), 0);
}

TEST(Message, NotificationReachesTheNearestHandlingAncestor) {
    Receiver dialog;
    auto* group = new QWidget(&dialog);   // a plain container in between
    auto* control = new QWidget(group);
    ui::SetControlId(control, 1016);

    ui::NotifyParent(control, ui::EN_CHANGE);

    ASSERT_EQ(dialog.commands.size(), 1u);
    EXPECT_EQ(ui::LowWord(dialog.commands[0].first), 1016u);
    EXPECT_EQ(ui::HighWord(dialog.commands[0].first), ui::EN_CHANGE);
    EXPECT_EQ(dialog.commands[0].second, control);
    EXPECT_EQ(ui::FindControl(&dialog, 1016), control);
    EXPECT_EQ(ui::ControlId(group), -1);
}

}  // namespace
