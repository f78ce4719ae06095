#include "main_toolbar.h"

#include <iterator>

#include <QAction>
#include <QComboBox>

#include "app_ids.h"
#include "plat/resource_strings.h"
#include "string_ids.h"
#include "toolbar_icons.h"
#include "ui/message.h"

namespace {
constexpr int kBaseUnits = 7;
constexpr int kComboWidth = 150;
constexpr int kDefaultBaseUnit = 4;

using namespace app_ids;
constexpr unsigned kButtons[] = {
    ID_FILE_NEW,       ID_FILE_OPEN,        ID_FILE_SAVE,      0,
    ID_BOOKING_CUT,    ID_BOOKING_COPY,     ID_BOOKING_PASTE,  0,
    ID_UNDO,           ID_REDO,             0,                 ID_REPORT_PREVIEW,
    ID_REPORT_PRINT,   0,                   ID_VIEW_FIRST,     ID_VIEW_FIRST + 1,
    ID_VIEW_FIRST + 2, 0,                   ID_BASE_UNIT_COMBO, 0,
    ID_GO_TO_TODAY,    ID_FILTER_ON_OFF,    ID_FILTER_DIALOG,  ID_HELP,
};
static_assert(std::size(kButtons) == 24);
}  // namespace

CMainToolBar::CMainToolBar(QWidget* parent) : QToolBar(parent), combo_(new QComboBox(this)) {
    setObjectName("150");
    combo_->setFixedWidth(kComboWidth);
    ui::SetControlId(combo_, int(ID_BASE_UNIT_COMBO));
    for (int unit = 0; unit < kBaseUnits; ++unit) {
        combo_->addItem(QString::fromStdString(plat::LoadResString(ids::BASE_UNIT_FIRST + unsigned(unit))));
    }
    combo_->setCurrentIndex(kDefaultBaseUnit);
}

const unsigned* CMainToolBar::ButtonTable(int* count) {
    *count = int(std::size(kButtons));
    return kButtons;
}

void CMainToolBar::AddButton(unsigned id, QAction* item) {
    if (id == ID_BASE_UNIT_COMBO) {
        addWidget(combo_);
    } else if (id == 0) {
        addSeparator();
    } else if (item != nullptr) {
        item->setIcon(ToolbarIcon(id));
        addAction(item);
    }
}
