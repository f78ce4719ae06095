#pragma once

// A turn of the mouse wheel over a widget, as the window system delivers
// it: spontaneous, so that it goes up to the parents while nobody takes it
// (one sent by the program itself would stop at the widget).

#include <QApplication>
#include <QSpontaneKeyEvent>
#include <QWheelEvent>

inline void TurnWheel(QWidget* target, int delta) {
    const QPointF at(5, 5);
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(target, &event);
}
