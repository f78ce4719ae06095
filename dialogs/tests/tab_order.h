#pragma once

// The order in which Tab walks a dialog's controls: the user fills the
// fields before reaching OK and Cancel.

#include <string>
#include <vector>

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QTextEdit>

namespace dlgtest {

// The shown controls that Tab reaches, in its order from the dialog's first
// control on; disabled ones too (other choices enable them).
inline std::vector<QWidget*> TabOrder(QWidget& dialog) {
    std::vector<QWidget*> order;
    for (QWidget* widget = dialog.nextInFocusChain(); widget != &dialog; widget = widget->nextInFocusChain())
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(&dialog)) order.push_back(widget);
    return order;
}

// A control the user types into or chooses with; the control library's
// edits are made of these.
inline bool IsInputField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QCheckBox*>(widget) ||
           qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget);
}

inline bool IsRowButton(const QWidget* widget) {
    return qobject_cast<const QPushButton*>(widget) && qobject_cast<const QDialogButtonBox*>(widget->parentWidget());
}

// "QPushButton OK #1" (class, text, control id), for failure messages.
inline std::string DescribeControl(const QWidget* widget) {
    std::string text = widget->metaObject()->className();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget); button && !button->text().isEmpty())
        text += " " + button->text().toStdString();
    if (!widget->objectName().isEmpty()) text += " #" + widget->objectName().toStdString();
    return text;
}

// The buttons of the OK/Cancel row that Tab reaches before some input field,
// each with the first field that comes after it.
inline std::vector<std::string> ButtonsBeforeFields(QWidget& dialog) {
    std::vector<std::string> early;
    std::vector<const QWidget*> buttons;
    for (const QWidget* widget : TabOrder(dialog)) {
        if (IsRowButton(widget)) buttons.push_back(widget);
        else if (IsInputField(widget)) {
            for (const QWidget* button : buttons) early.push_back(DescribeControl(button) + " before " + DescribeControl(widget));
            buttons.clear();
        }
    }
    return early;
}

// The dialog's own control that holds the widget: the control library's
// composite controls are laid out as one.
inline const QWidget* OwnControl(const QWidget* widget, const QWidget& dialog) {
    while (widget->parentWidget() != &dialog) widget = widget->parentWidget();
    return widget;
}

// The controls holding input fields that Tab reaches after a control they
// lie above, or left of on the same line, each with that control.
inline std::vector<std::string> FieldsOutOfVisualOrder(QWidget& dialog) {
    std::vector<std::string> early;
    const QWidget* previous = nullptr;
    for (const QWidget* field : TabOrder(dialog)) {
        if (!IsInputField(field)) continue;
        const QWidget* control = OwnControl(field, dialog);
        if (control == previous) continue;
        if (previous != nullptr) {
            const QRect before = previous->geometry();
            const QRect rect = control->geometry();
            const bool above = rect.bottom() < before.top();
            const bool sameLine = rect.top() <= before.bottom() && before.top() <= rect.bottom();
            if (above || (sameLine && rect.right() < before.left()))
                early.push_back(DescribeControl(control) + " after " + DescribeControl(previous));
        }
        previous = control;
    }
    return early;
}

}  // namespace dlgtest
