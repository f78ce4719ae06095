#include <QComboBox>
#include <QFontDatabase>
#include <QVBoxLayout>

#include "controls.h"
#include "controls_api.h"
#include "ui/message.h"

namespace spcc {
namespace {

// The installed font families in a drop-down list that starts with nothing
// selected, so that a name the caller cannot find is kept.
class FontComboCtrl : public ui::MessageWidget<QWidget> {
public:
    explicit FontComboCtrl(QWidget* parent) : MessageWidget(parent), combo_(new QComboBox(this)) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(combo_);
        setFocusProxy(combo_);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM, ui::LRESULT& result) override {
        result = 0;
        switch (message) {
        case WM_SP_FONTCOMBO_GETCOMBO:
            result = reinterpret_cast<ui::LRESULT>(combo_);
            return true;
        case WM_SP_FONTCOMBO_FILL:
            combo_->clear();
            combo_->addItems(QFontDatabase::families());
            combo_->setCurrentIndex(-1);
            return true;
        default:
            return false;
        }
    }

private:
    QComboBox* combo_;
};

}  // namespace

QWidget* CreateFontCombo(QWidget* parent) { return new FontComboCtrl(parent); }

}  // namespace spcc
