#include <QCheckBox>
#include <QHBoxLayout>
#include <vector>

#include "controls.h"
#include "controls_api.h"
#include "ui/message.h"

namespace spcc {
namespace {

// A row of check boxes, addressed by their index in the order added.
class CheckGroupCtrl : public ui::MessageWidget<QWidget> {
public:
    explicit CheckGroupCtrl(QWidget* parent) : MessageWidget(parent), layout_(new QHBoxLayout(this)) {
        layout_->setContentsMargins(0, 0, 0, 0);
        layout_->addStretch();
    }

protected:
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override {
        result = 0;
        switch (message) {
        case WM_SP_CHECKGROUP_ADDITEM: {
            const char* text = reinterpret_cast<const char*>(lParam);
            auto* box = new QCheckBox(QString::fromUtf8(text ? text : ""), this);
            layout_->insertWidget(layout_->count() - 1, box);
            if (boxes_.empty()) setFocusProxy(box);
            boxes_.push_back(box);
            result = ui::LRESULT(boxes_.size() - 1);
            return true;
        }
        case WM_SP_CHECKGROUP_GETCHECK:
            if (wParam < boxes_.size()) result = boxes_[wParam]->isChecked() ? 1 : 0;
            return true;
        case WM_SP_CHECKGROUP_SETCHECK:
            if (wParam < boxes_.size()) boxes_[wParam]->setChecked(lParam != 0);
            return true;
        default:
            return false;
        }
    }

private:
    QHBoxLayout* layout_;
    std::vector<QCheckBox*> boxes_;
};

}  // namespace

QWidget* CreateCheckGroup(QWidget* parent) { return new CheckGroupCtrl(parent); }

}  // namespace spcc
