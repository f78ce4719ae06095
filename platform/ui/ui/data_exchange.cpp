#include "ui/data_exchange.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace ui {

void DDX_Text(DataExchange& dx, int id, std::string& value) {
    QWidget* w = dx.Control(id);
    if (!w) return;
    const QString text = QString::fromStdString(value);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (dx.saving()) value = edit->text().toStdString();
        else edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(w)) {
        if (dx.saving()) value = plain->toPlainText().toStdString();
        else plain->setPlainText(text);
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        if (dx.saving()) value = label->text().toStdString();
        else label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (dx.saving()) value = button->text().toStdString();
        else button->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (dx.saving()) value = combo->currentText().toStdString();
        else if (combo->isEditable()) combo->setEditText(text);
        else combo->setCurrentIndex(combo->findText(text));
    }
}

void DDX_Check(DataExchange& dx, int id, int& value) {
    auto* button = qobject_cast<QAbstractButton*>(dx.Control(id));
    if (!button) return;
    if (dx.saving()) value = button->isChecked() ? 1 : 0;
    else button->setChecked(value != 0);
}

void DDX_Radio(DataExchange& dx, int id, int& value) {
    auto* first = qobject_cast<QAbstractButton*>(dx.Control(id));
    if (!first) return;
    const QList<QAbstractButton*> buttons =
        first->group() ? first->group()->buttons() : QList<QAbstractButton*>{first};
    if (dx.saving()) {
        value = -1;
        for (qsizetype i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked()) value = int(i);
        return;
    }
    if (value >= 0 && value < buttons.size()) {
        buttons[value]->setChecked(true);
        return;
    }
    // No choice: clear them all, which an exclusive group allows only when off.
    QButtonGroup* group = first->group();
    const bool exclusive = group && group->exclusive();
    if (exclusive) group->setExclusive(false);
    for (QAbstractButton* b : buttons) b->setChecked(false);
    if (exclusive) group->setExclusive(true);
}

void DDX_CBIndex(DataExchange& dx, int id, int& index) {
    auto* combo = qobject_cast<QComboBox*>(dx.Control(id));
    if (!combo) return;
    if (dx.saving()) index = combo->currentIndex();
    else combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

void DDX_LBIndex(DataExchange& dx, int id, int& index) {
    auto* list = qobject_cast<QListWidget*>(dx.Control(id));
    if (!list) return;
    if (dx.saving()) index = list->currentRow();
    else list->setCurrentRow(index >= 0 && index < list->count() ? index : -1);
}

}  // namespace ui
