// The entry points of the control library.

#include "controls.h"
#include "controls_api.h"
#include "library_state.h"
#include "plat/resource_strings.h"
#include "ui/message.h"

QEL_API void spcc_setappreshandle(void* resourceModule) { plat::SetResourceModule(resourceModule); }

QEL_API void spcc_setdateformat(const char* picture) { spcc::SetDatePicture(picture); }

QEL_API void spcc_settimeformat(const char* picture) { spcc::SetTimePicture(picture); }

QEL_API void spcc_setnumberformat(const char* decimalSeparator, const char* groupSeparator) {
    spcc::SetSeparators(decimalSeparator, groupSeparator);
}

QEL_API QWidget* spcc_createcontrol(int kind, QWidget* parent, int id) {
    using Maker = QWidget* (*)(QWidget*);
    static const Maker makers[] = {
        nullptr,
        spcc::CreateCheckGroup,   // SPCC_CHECKGROUP
        spcc::CreateCalendar,     // SPCC_CALENDAR
        spcc::CreateDatePeriod,   // SPCC_DATEPERIOD
        spcc::CreateTimePeriod,   // SPCC_TIMEPERIOD
        spcc::CreateLongEdit,     // SPCC_LONGEDIT
        spcc::CreateDoubleEdit,   // SPCC_DOUBLEEDIT
        spcc::CreateColorPicker,  // SPCC_COLORPICKER
        spcc::CreateFontCombo,    // SPCC_FONTCOMBO
        spcc::CreateHyperlink,    // SPCC_HYPERLINK
        spcc::CreateTreeCombo,    // SPCC_TREECOMBO
        spcc::CreateAssignGrid,   // SPCC_ASSIGNGRID
    };
    if (kind <= 0 || kind >= int(std::size(makers))) return nullptr;
    QWidget* control = makers[kind](parent);
    ui::SetControlId(control, id);
    return control;
}
