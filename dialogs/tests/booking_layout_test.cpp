#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "booking_dialog.h"
#include "booking_fixture.h"
#include "booking_list.h"

namespace {

// Every text half as long again as the program's own, like a wordier language.
const char* LongTexts(unsigned id) {
    static std::string text;
    const std::string own = QELRes_GetString(id);
    text = own.empty() ? own : own + " " + own.substr(0, own.size() / 2);
    return text.c_str();
}

// Controls that show a text of their own: each at least as large as its text needs.
void ExpectWhole(QWidget* dialog, const char* what) {
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        const bool texty = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w);
        if (!texty) continue;
        const QSize need = w->minimumSizeHint().expandedTo(w->sizeHint());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) continue;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(edit->text()))
                << what << " " << w->objectName().toStdString();
            continue;
        }
        EXPECT_GE(w->width(), need.width()) << what << " " << w->objectName().toStdString();
        EXPECT_GE(w->height(), w->minimumSizeHint().height()) << what << " " << w->objectName().toStdString();
    }
}

class BookingLayoutTest : public dlgtest::BookingFixture {
protected:
    void SetUp() override {
        BookingFixture::SetUp();
        plat::SetResourceStringSource(LongTexts);
        font = QApplication::font();
    }
    void TearDown() override {
        QApplication::setFont(font);
        BookingFixture::TearDown();
    }
    QFont font;
};

TEST_F(BookingLayoutTest, DialogsFitLongerTextsAtAnyFontSize) {
    CResource* crane = plan.Resource("Tower crane with a long name", 0);
    CTask* wall = plan.Task("Wall", 0);
    CBooking* booking = plan.Booking(crane, wall, 2460556, 480, 2460700, 600);
    for (const int points : {8, 14, 24}) {
        QFont big = font;
        big.setPointSize(points);
        QApplication::setFont(big);
        const std::function<std::unique_ptr<QWidget>()> makers[] = {
            [&] {
                auto d = std::make_unique<CBookingDlg>(false, data, Settings());
                d->task = wall;
                d->resources = {crane};
                d->fromDate = CDate::FromJulianDay(2460556);
                d->toDate = CDate::FromJulianDay(2460700);
                d->fromTime = CTimeOfDay(8, 0);
                d->toTime = CTimeOfDay(17, 30);
                return std::unique_ptr<QWidget>(std::move(d));
            },
            [&] {
                auto d = std::make_unique<CBookingListDlg>(true, false, nullptr);
                d->bookings = {booking};
                return std::unique_ptr<QWidget>(std::move(d));
            },
            [&] {
                auto d = std::make_unique<CBookingConflictsDlg>();
                d->bookings = {booking};
                return std::unique_ptr<QWidget>(std::move(d));
            },
            [&] {
                auto d = std::make_unique<CBookingDeleteDlg>();
                d->resourceName = crane->name;
                d->startText = BookingDateTimeText(2460556, 480);
                return std::unique_ptr<QWidget>(std::move(d));
            },
        };
        for (const auto& make : makers) {
            std::unique_ptr<QWidget> dialog = make();
            dialog->show();
            dialog->adjustSize();
            QApplication::processEvents();
            ExpectWhole(dialog.get(), (std::to_string(points) + " pt " + dialog->metaObject()->className()).c_str());
        }
    }
}

}  // namespace
