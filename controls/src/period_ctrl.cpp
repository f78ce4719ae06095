#include "period_ctrl.h"

#include <QGridLayout>

#include "controls_api.h"
#include "ui/win_types.h"

namespace spcc {

PeriodCtrl::PeriodCtrl(QWidget* parent, const Messages& messages, int emptyValue)
    : MessageWidget<QWidget>(parent), messages_(messages), emptyValue_(emptyValue),
      layout_(new QGridLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    for (int part = 0; part < 2; ++part) {
        captions_[part] = new QLabel(this);
        captions_[part]->hide();
        edits_[part] = new QLineEdit(this);
        captions_[part]->setBuddy(edits_[part]);
        layout_->addWidget(captions_[part], part, 0);
        layout_->addWidget(edits_[part], part, 1);
        connect(edits_[part], &QLineEdit::textEdited, this,
                [this] { ui::NotifyParent(this, ui::EN_CHANGE); });
        connect(edits_[part], &QLineEdit::editingFinished, this, [this, part] { Normalise(part); });
    }
    setFocusProxy(edits_[0]);
}

PeriodCtrl::~PeriodCtrl() {
    for (QLineEdit* edit : edits_) edit->disconnect(this);
}

void PeriodCtrl::AddBeside(int part, QWidget* widget) { layout_->addWidget(widget, part, 2); }

void PeriodCtrl::SetValue(int part, int value) {
    edits_[part]->setText(QString::fromStdString(Format(value)));
}

void PeriodCtrl::SetValueByUser(int part, int value) {
    SetValue(part, value);
    ui::NotifyParent(this, ui::EN_CHANGE);
}

int PeriodCtrl::Value(int part) const { return Parse(edits_[part]->text().toStdString()); }

// A text the user finished is shown again in the picture's own form;
// a text that names nothing stays for the user to correct.
void PeriodCtrl::Normalise(int part) {
    const int value = Value(part);
    const QString shown = QString::fromStdString(Format(value));
    if (!shown.isEmpty() && shown != edits_[part]->text()) edits_[part]->setText(shown);
}

bool PeriodCtrl::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                           ui::LRESULT& result) {
    const bool validPart = wParam <= 1;
    const int part = validPart ? int(wParam) : 0;
    if (message == messages_.setValue) {
        if (validPart) SetValue(part, int(lParam));
        result = 0;
    } else if (message == messages_.getValue || message == messages_.getPart) {
        result = validPart ? Value(part) : emptyValue_;
    } else if (message == messages_.setFormat) {
        const auto* record = reinterpret_cast<const SPFormatRecord*>(lParam);
        if (!validPart || !record || !record->text) {
            result = -1;
            return true;
        }
        captions_[part]->setText(QString::fromUtf8(record->text));
        captions_[part]->setVisible(*record->text != '\0');
        result = 0;
    } else if (messages_.option != 0 && message == messages_.option) {
        result = 0;
    } else {
        return false;
    }
    return true;
}

}  // namespace spcc
