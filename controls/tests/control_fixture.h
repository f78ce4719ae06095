#pragma once

// A dialog stand-in that owns the controls under test and records the
// notifications they send, with fixed pictures. The library keeps its own
// locale and clock (those of the system), which a test cannot replace.

#include <gtest/gtest.h>

#include <QWidget>
#include <vector>

#include "controls_api.h"
#include "ui/message.h"

namespace spcc_test {

struct Notification {
    int id;
    unsigned code;
    friend bool operator==(const Notification&, const Notification&) = default;
};

class RecordingParent : public ui::MessageWidget<QWidget> {
public:
    std::vector<Notification> notifications;

protected:
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM, ui::LRESULT& result) override {
        if (message != WM_COMMAND) return false;
        notifications.push_back({int(ui::LowWord(wParam)), ui::HighWord(wParam)});
        result = 0;
        return true;
    }
};

class ControlTest : public ::testing::Test {
protected:
    ControlTest() {
        spcc_setdateformat("d.M.yyyy");
        spcc_settimeformat("HH:mm");
    }
    ~ControlTest() override {
        spcc_setdateformat(nullptr);
        spcc_settimeformat(nullptr);
    }

    QWidget* Make(int kind, int id = 1016) {
        QWidget* w = spcc_createcontrol(kind, &parent, id);
        EXPECT_NE(w, nullptr);
        return w;
    }

    RecordingParent parent;
};

}  // namespace spcc_test
