#include "view_tooltip_wnd.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <algorithm>

#include "plugin_base.h"

namespace {

// Two system borders on each side.
constexpr ui::Point kBorder{2, 2};

int AlignmentOf(int format) {
    switch (format & 3) {
    case kTooltipAlignCentre: return Qt::AlignHCenter;
    case kTooltipAlignRight: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

}  // namespace

CViewTooltipWnd::CViewTooltipWnd() { setObjectName("CViewTooltipWnd"); }

bool CViewTooltipWnd::Create(QWidget* owner) {
    const SettingGetter get = PluginSettingGetter();
    const QPalette palette = QApplication::palette();
    background_ = GetColorSetting(get, "ViewTooltipColorBk", ui::ToColorRef(palette.color(QPalette::ToolTipBase)));
    foreground_ = GetColorSetting(get, "ViewTooltipColorFg", ui::ToColorRef(palette.color(QPalette::ToolTipText)));
    normalFont_ = QApplication::font();
    const QString face = QString::fromStdString(GetStringSetting(get, "ViewTooltipFont", ""));
    if (!face.isEmpty() && QFontDatabase::families().contains(face)) normalFont_.setFamily(face);
    boldFont_ = normalFont_;
    boldFont_.setWeight(QFont::Bold);

    owner_ = owner;
    setParent(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    QWidget::hide();
    return true;
}

QRect CViewTooltipWnd::Screen() const {
    const QScreen* screen = owner_ != nullptr ? owner_->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

void CViewTooltipWnd::SetText(const std::string& text) {
    table_ = ParseTooltipMarkup(text, foreground_);
    setAccessibleName(QString::fromStdString(TooltipReadableText(table_)));
    const QFontMetrics normal(normalFont_), bold(boldFont_);
    MeasureTooltip(table_, [&](std::string_view cell, bool isBold) {
        const QFontMetrics& metrics = isBold ? bold : normal;
        const QString string = QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
        return ui::Point{metrics.horizontalAdvance(string), metrics.height()};
    });
    shownSize_ = SizeTooltip(table_, shownSize_, stretchColumn_, kBorder);
    // A text larger than the screen is cut by the screen's edges.
    const QRect screen = Screen();
    resize(std::min(shownSize_.width, screen.width()), std::min(shownSize_.height, screen.height()));
}

void CViewTooltipWnd::ShowAt(int x, int y, const std::string& text, int flags, const QRect& avoid) {
    if (!isHidden() && text == text_ && x == lastX_ && y == lastY_ && flags == lastFlags_) return;
    SetText(text);
    const QRect screen = Screen();
    const ui::Rect avoidRect = avoid.isEmpty() ? ui::Rect{}
                                               : ui::Rect::FromQRect(avoid);
    const ui::Point at = PlaceTooltip(x, y, flags, {width(), height()},
                                      ui::Rect::FromQRect(screen), avoidRect);
    move(at.x, at.y);
    show();
    update();
    text_ = text;
    lastX_ = x;
    lastY_ = y;
    lastFlags_ = flags;
}

// With the last flags, not 0: a tooltip placed above or left of its point
// would otherwise jump at every new text.
void CViewTooltipWnd::UpdateText(const std::string& text) { ShowAt(lastX_, lastY_, text, lastFlags_); }

void CViewTooltipWnd::Hide() {
    QWidget::hide();
    text_.clear();
    setAccessibleName(QString());
    shownSize_ = {};
}

void CViewTooltipWnd::paintEvent(QPaintEvent* e) {
    QPainter painter(this);
    const QRect client = rect();
    painter.fillRect(client, ui::ToQColor(background_));
    const QPalette palette = QApplication::palette();
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(client.topLeft(), client.topRight());
    painter.drawLine(client.topLeft(), client.bottomLeft());
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawLine(client.bottomLeft(), client.bottomRight());
    painter.drawLine(client.topRight(), client.bottomRight());

    const QRect clip = e->rect();
    for (const TooltipLine& line : table_.lines) {
        if (line.bottom <= clip.top()) continue;
        if (line.top > clip.bottom()) break;
        for (const TooltipCell& cell : line.cells) {
            const QRect box = cell.rect.ToQRect().adjusted(1, 1, -1, -1);
            painter.setFont(cell.bold ? boldFont_ : normalFont_);
            painter.setPen(ui::ToQColor(cell.colour));
            painter.drawText(box, AlignmentOf(cell.format) | Qt::AlignVCenter | Qt::TextSingleLine,
                             QString::fromStdString(cell.text));
        }
        if (line.rule && !line.cells.empty()) {
            painter.setPen(Qt::black);
            const int y = line.bottom - 1;
            painter.drawLine(line.cells.front().rect.left, y, line.cells.back().rect.right - 1, y);
        }
    }
}
