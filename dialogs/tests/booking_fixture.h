#pragma once

// A real document, the program's own texts, settings from a table,
// scripted prompts and the host's booking commands, for the booking dialogs.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QTest>

#include "booking_list.h"
#include "data_library.h"
#include "plan_builder.h"
#include "plat/resource_strings.h"
#include "resource_library.h"
#include "support/setting_values.h"
#include "ui/dialog_base.h"
#include "ui/scripted_prompts.h"

namespace dlgtest {

// The host's booking commands, done on the real document.
class BookingCommands : public IBookingListCommands {
public:
    explicit BookingCommands(CPlanData* data) : data_(data) {}
    bool EditBooking(CBooking* booking) override {
        calls.push_back("edit " + std::string(booking->resource->name));
        if (!editChanges) return false;
        Change([&] {
            booking->BeginChange();
            booking->startDay -= 7;
        });
        return true;
    }
    bool DeleteBookings(const std::vector<CBooking*>& bookings) override {
        calls.push_back("delete " + std::to_string(bookings.size()));
        Change([&] {
            for (CBooking* booking : bookings) booking->Delete();
        });
        return true;
    }
    bool CopyBookingToClipboard(CBooking* booking) override {
        calls.push_back("copy " + std::string(booking->resource->name));
        return true;
    }
    bool CutBooking(CBooking* booking) override {
        calls.push_back("cut " + std::string(booking->resource->name));
        Change([&] { booking->Delete(); });
        return true;
    }
    std::vector<std::string> calls;
    bool editChanges = false;

private:
    template <class F>
    void Change(F change) {
        EXPECT_EQ(data_->BeginTransaction("Change"), kDataOk);
        change();
        EXPECT_EQ(data_->CommitTransaction(), kDataOk);
    }
    CPlanData* data_;
};

class BookingFixture : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetResourceStringSource(QELRes_GetString);
        ASSERT_NE(data, nullptr) << library.error();
    }
    void TearDown() override { plat::SetResourceStringSource(nullptr); }

    SettingGetter Settings() {
        return [this](std::string_view key) {
            const auto it = settings.find(std::string(key));
            return it != settings.end() ? it->second : std::string();
        };
    }
    static std::string Text(unsigned id) { return plat::LoadResString(id); }
    // The texts of the messages shown so far.
    std::vector<std::string> Shown() {
        std::vector<std::string> texts;
        for (const auto& asked : prompts.asked()) texts.push_back(asked.text);
        return texts;
    }
    static void Click(ui::DialogBase* dialog, int id) {
        QTest::mouseClick(static_cast<QAbstractButton*>(dialog->GetDlgItem(id)), Qt::LeftButton);
    }

    DataLibrary library;
    CPlanData* data = library.data();
    PlanBuilder plan{data};
    std::map<std::string, std::string> settings;
    ui::ScriptedPrompts prompts;
};

}  // namespace dlgtest
