#include "ui/message.h"

#include <QCoreApplication>

namespace ui {

bool MessageTarget::DeliverMessage(QEvent* e) {
    if (e->type() != MessageEvent::kType) return false;
    auto* m = static_cast<MessageEvent*>(e);
    LRESULT result = 0;
    m->handled = OnMessage(m->message(), m->wParam(), m->lParam(), result);
    if (m->handled) m->result = result;
    return true;
}

bool TrySendMessage(QWidget* target, unsigned message, WPARAM wParam, LPARAM lParam,
                    LRESULT* result) {
    if (!target) return false;
    MessageEvent e(message, wParam, lParam);
    QCoreApplication::sendEvent(target, &e);
    if (result) *result = e.handled ? e.result : 0;
    return e.handled;
}

LRESULT SendMessage(QWidget* target, unsigned message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    TrySendMessage(target, message, wParam, lParam, &result);
    return result;
}

void SetControlId(QWidget* control, int id) {
    control->setObjectName(QString::number(id));
}

int ControlId(const QWidget* control) {
    bool ok = false;
    const int id = control ? control->objectName().toInt(&ok) : 0;
    return ok ? id : -1;
}

QWidget* FindControl(const QWidget* root, int id) {
    return root ? root->findChild<QWidget*>(QString::number(id)) : nullptr;
}

void NotifyParent(QWidget* control, unsigned code) {
    const WPARAM w = MakeWParam(unsigned(ControlId(control)), code);
    for (QWidget* p = control->parentWidget(); p; p = p->parentWidget())
        if (TrySendMessage(p, WM_COMMAND, w, reinterpret_cast<LPARAM>(control), nullptr)) return;
}

}  // namespace ui
