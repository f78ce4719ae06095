#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cfloat>
#include <climits>

#include "controls.h"
#include "controls_api.h"
#include "ui/message.h"

namespace spcc {
namespace {

// Integer edit over the whole 32-bit range until limits are set.
class LongEditCtrl : public ui::MessageWidget<QSpinBox> {
public:
    explicit LongEditCtrl(QWidget* parent) : MessageWidget(parent) {
        setRange(INT_MIN, INT_MAX);
        setValue(0);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT& result) override {
        const int value = int(lParam);
        result = 0;
        switch (message) {
        case WM_SP_LONGEDIT_SETVALUE: setValue(value); return true;
        case WM_SP_LONGEDIT_GETVALUE: result = this->value(); return true;
        case WM_SP_LONGEDIT_SETUPPER: setMaximum(value); return true;
        case WM_SP_LONGEDIT_SETLOWER: setMinimum(value); return true;
        case WM_SP_LONGEDIT_OPTION: return true;
        default: return false;
        }
    }
};

// Floating-point edit with three decimals; Page Up and Page Down move by
// the page step.
class DoubleEditCtrl : public ui::MessageWidget<QDoubleSpinBox> {
public:
    explicit DoubleEditCtrl(QWidget* parent) : MessageWidget(parent) {
        setDecimals(3);
        setRange(-DBL_MAX, DBL_MAX);
        setSingleStep(0.1);
        setValue(0.0);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT& result) override {
        auto* value = reinterpret_cast<double*>(lParam);
        result = 0;
        switch (message) {
        case WM_SP_DOUBLEEDIT_SETVALUE: if (value) setValue(*value); return true;
        case WM_SP_DOUBLEEDIT_GETVALUE: if (value) *value = this->value(); return true;
        case WM_SP_DOUBLEEDIT_SETLOWER: if (value) setMinimum(*value); return true;
        case WM_SP_DOUBLEEDIT_SETSTEP: if (value) setSingleStep(*value); return true;
        case WM_SP_DOUBLEEDIT_SETPAGESTEP: if (value) pageStep_ = *value; return true;
        default: return false;
        }
    }

    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
            setValue(value() + (e->key() == Qt::Key_PageUp ? pageStep_ : -pageStep_));
            e->accept();
            return;
        }
        MessageWidget::keyPressEvent(e);
    }

private:
    double pageStep_ = 1.0;
};

}  // namespace

QWidget* CreateLongEdit(QWidget* parent) { return new LongEditCtrl(parent); }
QWidget* CreateDoubleEdit(QWidget* parent) { return new DoubleEditCtrl(parent); }

}  // namespace spcc
