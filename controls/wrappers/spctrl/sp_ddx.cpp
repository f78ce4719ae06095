#include "spctrl/sp_ddx.h"

#include <QComboBox>

#include "string_ids.h"
#include "ui/message.h"

namespace {

// A number edit's text is taken only when it is a number within the edit's
// limits; anything else is refused with what the edit takes, never read as
// some other number.
bool NumberTaken(ui::DataExchange& dx, int id, QWidget* item) {
    SPNumberCheckRecord record{};
    switch (ui::SendMessage(item, WM_SP_NUMBEREDIT_CHECK, 0, reinterpret_cast<ui::LPARAM>(&record))) {
    case SP_NUMBER_OK: return true;
    case SP_NUMBER_OUT_OF_RANGE: dx.Fail(id, ids::NUMBER_OUT_OF_RANGE, {record.lower, record.upper}); return false;
    default: dx.Fail(id, ids::NUMBER_NOT_A_NUMBER, {record.example}); return false;
    }
}

}  // namespace

void DDX_Control(ui::DataExchange& dx, int id, CSPCtrl& control) {
    QWidget* item = dx.Control(id);
    if (item && !control.GetSafeHwnd()) control.Attach(item);
}

void DDX_SPDatePeriod(ui::DataExchange& dx, int id, CDate& date, int part) {
    QWidget* item = dx.Control(id);
    if (!item) return;
    if (dx.saving())
        date.SetJulianDay(std::int32_t(ui::SendMessage(item, WM_SP_DATEPERIOD_GETDATE, ui::WPARAM(part), 0)));
    else
        ui::SendMessage(item, WM_SP_DATEPERIOD_SETDATE, ui::WPARAM(part), date.GetJulianDay());
}

void DDX_SPTimePeriod(ui::DataExchange& dx, int id, CTimeOfDay& time, int part) {
    QWidget* item = dx.Control(id);
    if (!item) return;
    if (!dx.saving()) {
        ui::SendMessage(item, WM_SP_TIMEPERIOD_SETTIME, ui::WPARAM(part),
                        time.IsEmpty() ? -1 : time.GetMinutes());
        return;
    }
    const ui::LRESULT minutes = ui::SendMessage(item, WM_SP_TIMEPERIOD_GETTIME, ui::WPARAM(part), 0);
    if (minutes < 0) time.SetEmpty(true);
    else time.Set(minutes);
}

void DDX_SPLongEdit(ui::DataExchange& dx, int id, int& value) {
    QWidget* item = dx.Control(id);
    if (!item) return;
    if (!dx.saving()) ui::SendMessage(item, WM_SP_LONGEDIT_SETVALUE, 0, value);
    else if (NumberTaken(dx, id, item)) value = int(ui::SendMessage(item, WM_SP_LONGEDIT_GETVALUE));
}

void DDX_SPDoubleEdit(ui::DataExchange& dx, int id, double& value) {
    QWidget* item = dx.Control(id);
    if (!item) return;
    if (dx.saving() && !NumberTaken(dx, id, item)) return;
    ui::SendMessage(item, dx.saving() ? WM_SP_DOUBLEEDIT_GETVALUE : WM_SP_DOUBLEEDIT_SETVALUE, 0,
                    reinterpret_cast<ui::LPARAM>(&value));
}

void DDX_SPColorPicker(ui::DataExchange& dx, int id, ui::COLORREF& color) {
    QWidget* item = dx.Control(id);
    if (!item) return;
    if (dx.saving()) color = ui::COLORREF(ui::SendMessage(item, WM_SP_COLORPICKER_GETCOLOR)) & 0xFFFFFF;
    else ui::SendMessage(item, WM_SP_COLORPICKER_SETCOLOR, 0, ui::LPARAM(color));
}

void DDX_SPFontComboBox(ui::DataExchange& dx, int id, std::string& name) {
    QWidget* item = dx.Control(id);
    auto* combo = item ? reinterpret_cast<QComboBox*>(ui::SendMessage(item, WM_SP_FONTCOMBO_GETCOMBO)) : nullptr;
    if (!combo) return;
    if (dx.saving()) {
        if (combo->currentIndex() != -1) name = combo->currentText().toStdString();
        return;
    }
    const int found = combo->findText(QString::fromStdString(name), Qt::MatchStartsWith);
    if (found != -1) combo->setCurrentIndex(found);
}
