#pragma once

// The calendar view's window. Its content comes later; it is registered
// with the host so the views can be switched, and handles no message yet.

#include <QWidget>

class CCalendarViewWnd : public QWidget {
public:
    explicit CCalendarViewWnd(QWidget* parent) : QWidget(parent) {
        setObjectName("CCalendarViewWnd");
        hide();
    }
};
