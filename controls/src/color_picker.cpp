#include <QColorDialog>
#include <QPixmap>
#include <QToolButton>

#include "controls.h"
#include "controls_api.h"
#include "library_state.h"
#include "ui/message.h"
#include "ui/painter.h"

namespace spcc {
namespace {

// A swatch of the colour; a click opens the colour chooser.
class ColorPickerCtrl : public ui::MessageWidget<QToolButton> {
public:
    explicit ColorPickerCtrl(QWidget* parent) : MessageWidget(parent) {
        setToolButtonStyle(Qt::ToolButtonIconOnly);
        setIconSize(QSize(40, 14));
        connect(this, &QToolButton::clicked, this, [this] { Choose(); });
        Show(0);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT& result) override {
        result = 0;
        switch (message) {
        case WM_SP_COLORPICKER_GETCOLOR: result = ui::LRESULT(color_); return true;
        case WM_SP_COLORPICKER_SETCOLOR: Show(ui::COLORREF(lParam) & 0xFFFFFF); return true;
        default: return false;
        }
    }

private:
    void Show(ui::COLORREF color) {
        color_ = color;
        QPixmap swatch(iconSize());
        swatch.fill(ui::ToQColor(color));
        setIcon(QIcon(swatch));
    }

    void Choose() {
        const QColor chosen = QColorDialog::getColor(
            ui::ToQColor(color_), this, QString::fromStdString(Caption(SPCC_STR_COLOR_TITLE, "Colour")));
        if (chosen.isValid()) Show(ui::ToColorRef(chosen));
    }

    ui::COLORREF color_ = 0;
};

}  // namespace

QWidget* CreateColorPicker(QWidget* parent) { return new ColorPickerCtrl(parent); }

}  // namespace spcc
