#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>
#include <algorithm>
#include <climits>
#include <cstring>
#include <optional>
#include <type_traits>

#include "controls.h"
#include "controls_api.h"
#include "library_state.h"
#include "number_text.h"
#include "ui/message.h"

namespace spcc {
namespace {

// The whole range of the floating-point edit: beyond it three decimals
// are no longer exact in a double.
constexpr double kDoubleEditRange = 1e12;

template <std::size_t N>
void CopyText(char (&field)[N], const std::string& text) {
    const std::size_t n = std::min(text.size(), N - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

// A spin box that reads and shows numbers as the locale writes them. A text
// that is not a number within the limits stays as the user typed it (the
// spin box would put the last number back without a word); the dialog asks
// with WM_SP_NUMBEREDIT_CHECK and refuses it.
template <class SpinBox>
class NumberEdit : public ui::MessageWidget<SpinBox> {
public:
    using Value = std::remove_cv_t<decltype(std::declval<const SpinBox&>().value())>;
    static constexpr int kDecimals = std::is_integral_v<Value> ? 0 : 3;

    explicit NumberEdit(QWidget* parent) : ui::MessageWidget<SpinBox>(parent) {
        // The value follows the text only when it is taken (Enter, leaving
        // the edit), not through the numbers typed on the way to another.
        this->setKeyboardTracking(false);
    }

protected:
    // Anything short enough may be typed, so that no key is dropped without
    // a word ("1e3" would become "13"); only a number within the limits is
    // taken. A longer text (a paste) is refused whole.
    QValidator::State validate(QString& input, int&) const override {
        if (std::size_t(input.toUtf8().size()) > kNumberTextMax) return QValidator::Invalid;
        return Taken(input) ? QValidator::Acceptable : QValidator::Intermediate;
    }
    void fixup(QString&) const override {}
    Value valueFromText(const QString& text) const override {
        const std::optional<double> number = Taken(text);
        return number ? Value(*number) : this->value();
    }
    QString textFromValue(Value value) const override {
        return QString::fromStdString(ShowNumber(double(value), Separators(), kDecimals));
    }

    void focusOutEvent(QFocusEvent* event) override {
        if (this->hasAcceptableInput()) return SpinBox::focusOutEvent(event);
        static_cast<QObject*>(this->lineEdit())->event(event);
        QWidget::focusOutEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !this->hasAcceptableInput()) {
            // On to the dialog's default button, which refuses the text.
            event->ignore();
            return;
        }
        SpinBox::keyPressEvent(event);
    }

    // The number shown when the text is one within the limits, else the last
    // number the edit held.
    Value Current() const { return valueFromText(this->lineEdit()->text()); }

    int Check(SPNumberCheckRecord* record) const {
        const NumberSeparators separators = Separators();
        if (record != nullptr) {
            CopyText(record->lower, ShowLimit(double(this->minimum()), separators, kDecimals));
            CopyText(record->upper, ShowLimit(double(this->maximum()), separators, kDecimals));
            CopyText(record->example, ExampleNumber(separators, kDecimals));
        }
        const std::optional<double> number = Read(this->lineEdit()->text());
        if (!number) return SP_NUMBER_NOT_A_NUMBER;
        return InRange(*number) ? SP_NUMBER_OK : SP_NUMBER_OUT_OF_RANGE;
    }

private:
    static std::optional<double> Read(const QString& text) {
        return ReadNumber(text.toStdString(), Separators(), kDecimals);
    }
    bool InRange(double value) const {
        return value >= double(this->minimum()) && value <= double(this->maximum());
    }
    // The number the text writes when it lies within the limits.
    std::optional<double> Taken(const QString& text) const {
        const std::optional<double> number = Read(text);
        return number && InRange(*number) ? number : std::nullopt;
    }
};

// Integer edit over the whole 32-bit range until limits are set.
class LongEditCtrl : public NumberEdit<QSpinBox> {
public:
    explicit LongEditCtrl(QWidget* parent) : NumberEdit(parent) {
        setRange(INT_MIN, INT_MAX);
        setValue(0);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT& result) override {
        const int value = int(lParam);
        result = 0;
        switch (message) {
        case WM_SP_LONGEDIT_SETVALUE: setValue(value); return true;
        case WM_SP_LONGEDIT_GETVALUE: result = Current(); return true;
        case WM_SP_LONGEDIT_SETUPPER: setMaximum(value); return true;
        case WM_SP_LONGEDIT_SETLOWER: setMinimum(value); return true;
        case WM_SP_LONGEDIT_OPTION: return true;
        case WM_SP_NUMBEREDIT_CHECK: result = Check(reinterpret_cast<SPNumberCheckRecord*>(lParam)); return true;
        default: return false;
        }
    }
};

// Floating-point edit with three decimals; Page Up and Page Down move by
// the page step.
class DoubleEditCtrl : public NumberEdit<QDoubleSpinBox> {
public:
    explicit DoubleEditCtrl(QWidget* parent) : NumberEdit(parent) {
        setDecimals(kDecimals);
        setRange(-kDoubleEditRange, kDoubleEditRange);
        setSingleStep(0.1);
        setValue(0.0);
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM, ui::LPARAM lParam, ui::LRESULT& result) override {
        auto* value = reinterpret_cast<double*>(lParam);
        result = 0;
        switch (message) {
        case WM_SP_DOUBLEEDIT_SETVALUE: if (value) setValue(*value); return true;
        case WM_SP_DOUBLEEDIT_GETVALUE: if (value) *value = Current(); return true;
        case WM_SP_DOUBLEEDIT_SETLOWER:
            if (value) setMinimum(std::clamp(*value, -kDoubleEditRange, kDoubleEditRange));
            return true;
        case WM_SP_DOUBLEEDIT_SETSTEP: if (value) setSingleStep(*value); return true;
        case WM_SP_DOUBLEEDIT_SETPAGESTEP: if (value) pageStep_ = *value; return true;
        case WM_SP_NUMBEREDIT_CHECK: result = Check(reinterpret_cast<SPNumberCheckRecord*>(lParam)); return true;
        default: return false;
        }
    }

    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
            setValue(Current() + (e->key() == Qt::Key_PageUp ? pageStep_ : -pageStep_));
            e->accept();
            return;
        }
        NumberEdit::keyPressEvent(e);
    }

private:
    double pageStep_ = 1.0;
};

}  // namespace

QWidget* CreateLongEdit(QWidget* parent) { return new LongEditCtrl(parent); }
QWidget* CreateDoubleEdit(QWidget* parent) { return new DoubleEditCtrl(parent); }

}  // namespace spcc
