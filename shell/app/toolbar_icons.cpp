#include "toolbar_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include "app_ids.h"

namespace {

constexpr int kSize = 32;

struct ThemedIcon {
    unsigned id;
    const char* themeName;
    int standard;   // QStyle::StandardPixmap, -1 for none
};

using namespace app_ids;
const ThemedIcon kThemed[] = {
    {ID_FILE_NEW, "document-new", QStyle::SP_FileIcon},
    {ID_FILE_OPEN, "document-open", QStyle::SP_DialogOpenButton},
    {ID_FILE_SAVE, "document-save", QStyle::SP_DialogSaveButton},
    {ID_BOOKING_CUT, "edit-cut", -1},
    {ID_BOOKING_COPY, "edit-copy", -1},
    {ID_BOOKING_PASTE, "edit-paste", -1},
    {ID_UNDO, "edit-undo", QStyle::SP_ArrowBack},
    {ID_REDO, "edit-redo", QStyle::SP_ArrowForward},
    {ID_REPORT_PREVIEW, "document-print-preview", QStyle::SP_FileDialogContentsView},
    {ID_REPORT_PRINT, "document-print", -1},
    {ID_VIEW_FIRST + 2, "x-office-calendar", -1},
    {ID_HELP, "help-contents", QStyle::SP_DialogHelpButton},
};

// Drawn in the palette's text colour, so the icon suits light and dark themes.
QIcon Drawn(unsigned id) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    const QColor accent = QApplication::palette().color(QPalette::Highlight);
    painter.setPen(QPen(ink, 2));
    switch (id) {
        case ID_BOOKING_CUT:
            painter.drawEllipse(QPointF(10, 24), 4, 4);
            painter.drawEllipse(QPointF(22, 24), 4, 4);
            painter.drawLine(QPointF(12, 21), QPointF(22, 4));
            painter.drawLine(QPointF(20, 21), QPointF(10, 4));
            break;
        case ID_BOOKING_COPY:
            painter.drawRect(QRectF(5, 5, 15, 18));
            painter.fillRect(QRectF(12, 10, 15, 18), QApplication::palette().color(QPalette::Base));
            painter.drawRect(QRectF(12, 10, 15, 18));
            break;
        case ID_BOOKING_PASTE:
            painter.drawRect(QRectF(6, 6, 20, 22));
            painter.fillRect(QRectF(11, 3, 10, 6), accent);
            painter.drawLine(QPointF(10, 15), QPointF(22, 15));
            painter.drawLine(QPointF(10, 21), QPointF(22, 21));
            break;
        case ID_REPORT_PRINT:
            painter.drawRect(QRectF(4, 13, 24, 11));
            painter.drawRect(QRectF(9, 5, 14, 8));
            painter.fillRect(QRectF(9, 20, 14, 8), accent);
            break;
        case ID_VIEW_FIRST:       // schedule by resources: rows of bars
        case ID_VIEW_FIRST + 1:   // by tasks: the same with the rows' heads
            painter.drawLine(QPointF(4, 4), QPointF(4, 28));
            painter.fillRect(QRectF(8, 6, 12, 5), accent);
            painter.fillRect(QRectF(14, 14, 14, 5), accent);
            painter.fillRect(QRectF(8, 22, 9, 5), accent);
            if (id == ID_VIEW_FIRST + 1) painter.drawLine(QPointF(4, 4), QPointF(28, 4));
            break;
        case ID_VIEW_FIRST + 2:   // calendar
        case ID_GO_TO_TODAY:
            painter.drawRect(QRectF(4, 6, 24, 22));
            painter.drawLine(QPointF(4, 12), QPointF(28, 12));
            for (int x = 12; x < 28; x += 8) painter.drawLine(QPointF(x, 12), QPointF(x, 28));
            painter.drawLine(QPointF(4, 20), QPointF(28, 20));
            if (id == ID_GO_TO_TODAY) painter.fillRect(QRectF(13, 13, 6, 6), accent);
            break;
        case ID_FILTER_ON_OFF:
        case ID_FILTER_DIALOG: {
            QPainterPath funnel;
            funnel.moveTo(4, 5);
            funnel.lineTo(28, 5);
            funnel.lineTo(18, 17);
            funnel.lineTo(18, 27);
            funnel.lineTo(14, 24);
            funnel.lineTo(14, 17);
            funnel.closeSubpath();
            if (id == ID_FILTER_ON_OFF) painter.fillPath(funnel, accent);
            painter.drawPath(funnel);
            break;
        }
        default:
            painter.drawRect(QRectF(6, 6, 20, 20));
            break;
    }
    return QIcon(pixmap);
}

}  // namespace

QIcon ToolbarIcon(unsigned commandId) {
    for (const ThemedIcon& themed : kThemed) {
        if (themed.id != commandId) continue;
        const QIcon fromTheme = QIcon::fromTheme(QString::fromLatin1(themed.themeName));
        if (!fromTheme.isNull()) return fromTheme;
        if (themed.standard >= 0) {
            return QApplication::style()->standardIcon(static_cast<QStyle::StandardPixmap>(themed.standard));
        }
    }
    return Drawn(commandId);
}
