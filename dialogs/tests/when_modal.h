#pragma once

// Drives a dialog that runs modally (in its own event loop), or a popup
// (a menu, a drop-down), from a test.

#include <functional>
#include <memory>
#include <string>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

namespace dlgtest {

// "QFileDialog 'Open'" or "no window", for failure messages.
inline std::string Describe(const QWidget* window) {
    if (window == nullptr) return "no window";
    return std::string(window->metaObject()->className()) + " '" + window->windowTitle().toStdString() + "'";
}

// Closes a modal dialog or a popup that a test failed to expect.
inline void CloseUnexpected(QWidget* window) {
    if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
    else if (window != nullptr) window->close();
}

namespace detail {

// Polls until find gives a window, then runs act on it once. Gives up after
// timeoutMs, naming what was expected and what showed instead, and closes
// the modal dialog or popup that stands in the way, so a test fails instead
// of hanging.
template <class Window>
void WhenShown(std::function<Window*()> find, std::function<void(Window*)> act, std::string expected,
               int timeoutMs) {
    auto* timer = new QTimer(qApp);   // freed with the application if never run
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, find, act, expected, clock, timeoutMs] {
        if (Window* window = find()) {
            timer->stop();
            timer->deleteLater();
            act(window);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
            QWidget* shown = QApplication::activePopupWidget() != nullptr ? QApplication::activePopupWidget()
                                                                          : QApplication::activeModalWidget();
            ADD_FAILURE() << "expected " << expected << " within " << timeoutMs << " ms; showing: " << Describe(shown);
            CloseUnexpected(shown);
        }
    });
    timer->start(10);
}

}  // namespace detail

// Runs act on the first dialog of that class (and of that window title,
// when one is given) that becomes modal, from the event loop of whatever
// modal dialog is running then.
template <class Dialog>
void WhenModal(std::function<void(Dialog*)> act, const QString& title = {}, int timeoutMs = 5000) {
    const std::function<Dialog*()> find = [title]() -> Dialog* {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        const bool ours = dialog != nullptr && dialog->isVisible() && (title.isEmpty() || dialog->windowTitle() == title);
        return ours ? dialog : nullptr;
    };
    const std::string expected =
        std::string(Dialog::staticMetaObject.className()) + (title.isEmpty() ? "" : " '" + title.toStdString() + "'");
    detail::WhenShown<Dialog>(find, std::move(act), expected, timeoutMs);
}

// Runs act on the first popup of that class (a menu, the drop-down of a
// combo box) that shows.
template <class Popup>
void WhenPopup(std::function<void(Popup*)> act, int timeoutMs = 5000) {
    const std::function<Popup*()> find = []() -> Popup* {
        auto* popup = qobject_cast<Popup*>(QApplication::activePopupWidget());
        return popup != nullptr && popup->isVisible() ? popup : nullptr;
    };
    detail::WhenShown<Popup>(find, std::move(act), std::string(Popup::staticMetaObject.className()) + " popup",
                             timeoutMs);
}

// While it lives, a modal dialog or popup that stays up longer than
// patienceMs fails the test and is closed: a dialog nobody expected then
// cannot hang the test.
class ModalWatchdog {
public:
    explicit ModalWatchdog(int patienceMs = 15000) : patienceMs_(patienceMs) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Check(); });
        timer_.start(100);
    }

private:
    void Check() {
        QWidget* shown = QApplication::activePopupWidget() != nullptr ? QApplication::activePopupWidget()
                                                                      : QApplication::activeModalWidget();
        if (shown != watched_) {
            watched_ = shown;
            since_.start();
        } else if (shown != nullptr && since_.elapsed() > patienceMs_) {
            ADD_FAILURE() << "nothing answered " << Describe(shown) << " for " << patienceMs_ << " ms";
            watched_ = nullptr;
            CloseUnexpected(shown);
        }
    }

    int patienceMs_;
    QTimer timer_;
    QPointer<QWidget> watched_;
    QElapsedTimer since_;
};

}  // namespace dlgtest
