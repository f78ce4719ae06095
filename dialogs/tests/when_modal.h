#pragma once

// Drives a dialog that runs modally (in its own event loop) from a test.

#include <functional>
#include <memory>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace dlgtest {

// Runs act on the first dialog of that class that becomes modal, from the
// event loop of whatever modal dialog is running then. Gives up after a while
// and closes the active modal dialog, so a test fails instead of hanging.
template <class Dialog>
void WhenModal(std::function<void(Dialog*)> act) {
    auto* timer = new QTimer(qApp);   // freed with the application if never run
    auto polls = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, polls] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Dialog*>(modal); dialog && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        } else if (++*polls > 500) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "the expected dialog never became modal";
            if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
        }
    });
    timer->start(10);
}

}  // namespace dlgtest
