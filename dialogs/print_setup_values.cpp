#include "print_setup_values.h"

#include <algorithm>
#include <cmath>

#include "support/working_time.h"

namespace {

double ClampMargin(double cm) { return std::isfinite(cm) ? std::clamp(cm, 0.0, kMaxPrinterMarginCm) : 1.0; }

}  // namespace

PrintSetup LoadPrintSetup(const SettingGetter& get, const std::string& defaultFont) {
    PrintSetup setup;
    setup.font = GetStringSetting(get, "ReportsPrinterFont", defaultFont);
    for (int i = 0; i < 4; ++i) setup.marginsCm[i] = ClampMargin(GetIntSetting(get, kPrinterMarginKeys[i], 100) / 100.0);
    return setup;
}

std::string MarginSettingText(double cm) {
    // Thousandths first, so that 0.29 is not 28.999... hundredths.
    const long long thousandths = std::llround(ClampMargin(cm) * 1000.0);
    return std::to_string(thousandths / 10);
}

void SavePrintSetup(const PrintSetup& setup, const SettingSetter& set) {
    set("ReportsPrinterFont", setup.font);
    for (int i = 0; i < 4; ++i) set(kPrinterMarginKeys[i], MarginSettingText(setup.marginsCm[i]));
}

double CmToInch(double cm) { return RoundTo(cm * 0.39370078740157477, 3); }

double InchToCm(double inch) { return RoundTo(inch * 2.54, 3); }

std::string AboutVersionText(const std::string& productVersion) {
    std::string text;
    for (char c : productVersion) {
        if (c == ',') text += '.';
        else if (c != ' ') text += c;
    }
    return text;
}
