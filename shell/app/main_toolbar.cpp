#include "main_toolbar.h"

#include <QComboBox>

#include "app_ids.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "ui/message.h"

namespace {
constexpr int kBaseUnits = 7;
constexpr int kComboWidth = 150;
constexpr int kDefaultBaseUnit = 4;
}  // namespace

CMainToolBar::CMainToolBar(QWidget* parent) : QToolBar(parent), combo_(new QComboBox(this)) {
    setObjectName("150");
    combo_->setFixedWidth(kComboWidth);
    ui::SetControlId(combo_, int(app_ids::ID_BASE_UNIT_COMBO));
    for (int unit = 0; unit < kBaseUnits; ++unit) {
        combo_->addItem(QString::fromStdString(plat::LoadResString(ids::BASE_UNIT_FIRST + unsigned(unit))));
    }
    combo_->setCurrentIndex(kDefaultBaseUnit);
}
