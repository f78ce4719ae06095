#pragma once

// Del pressed where the program's keys arrive (the focus widget, else the
// main window), the question whether to delete answered yes.

#include <QApplication>
#include <QTest>

#include "booking_list.h"
#include "when_modal.h"

// True when the program asked.
inline bool PressDeleteAndConfirm(QWidget* mainWindow) {
    bool asked = false;
    dlgtest::WhenModal<CBookingDeleteDlg>([&](CBookingDeleteDlg* dialog) {
        asked = true;
        dialog->accept();
    });
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus != nullptr ? focus : mainWindow, Qt::Key_Delete);
    return asked;
}
