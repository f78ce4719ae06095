#pragma once

// Window messages between widgets: one event type carrying (message, wParam,
// lParam, result), delivered synchronously. A receiver implements
// MessageTarget::OnMessage; MessageWidget<Base> routes the event to it.

#include <QEvent>
#include <QWidget>

#include "ui/win_types.h"

namespace ui {

class MessageEvent : public QEvent {
public:
    // A fixed number rather than a registered one: every deliverable links its
    // own copy of this library, and all of them must agree on the type.
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + 0x400);

    MessageEvent(unsigned message, WPARAM wParam, LPARAM lParam)
        : QEvent(kType), message_(message), wParam_(wParam), lParam_(lParam) {}

    unsigned message() const { return message_; }
    WPARAM wParam() const { return wParam_; }
    LPARAM lParam() const { return lParam_; }

    LRESULT result = 0;
    bool handled = false;

private:
    unsigned message_;
    WPARAM wParam_;
    LPARAM lParam_;
};

class MessageTarget {
public:
    virtual ~MessageTarget() = default;
    // True when the message was handled; result is then the answer.
    virtual bool OnMessage(unsigned message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;

protected:
    // For event(): true when e was a message event (handled or not).
    bool DeliverMessage(QEvent* e);
};

template <class Base>
class MessageWidget : public Base, public MessageTarget {
public:
    using Base::Base;

protected:
    bool event(QEvent* e) override { return DeliverMessage(e) || Base::event(e); }
};

// Sends a message and returns the receiver's result (0 when the target is
// null or does not handle it).
LRESULT SendMessage(QWidget* target, unsigned message, WPARAM wParam = 0, LPARAM lParam = 0);
// The same, telling whether the target handled it.
bool TrySendMessage(QWidget* target, unsigned message, WPARAM wParam, LPARAM lParam,
                    LRESULT* result);

// Control identifiers are kept as the widget's object name ("1038").
void SetControlId(QWidget* control, int id);
int ControlId(const QWidget* control);   // -1 when it has none
QWidget* FindControl(const QWidget* root, int id);

// WM_COMMAND (code in the high word, the control's id in the low word, the
// control as lParam) to the nearest ancestor that handles it.
void NotifyParent(QWidget* control, unsigned code);

}  // namespace ui
