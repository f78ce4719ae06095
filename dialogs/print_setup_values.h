#pragma once

// The reports' printer font and page margins as the settings keep them, the
// inch conversions of the print set-up dialog, and the About dialog's
// version text; apart from the widgets.

#include <array>
#include <string>

#include "support/setting_ranges.h"
#include "support/setting_values.h"

// Left, top, right, bottom.
inline constexpr const char* kPrinterMarginKeys[4] = {"ReportsPrinterMarginsLeft", "ReportsPrinterMarginsTop",
                                                      "ReportsPrinterMarginsRight",
                                                      "ReportsPrinterMarginsBottom"};
inline constexpr double kMaxPrinterMarginCm = kMaxMarginSetting / 100.0;

struct PrintSetup {
    std::string font;
    std::array<double, 4> marginsCm{1.0, 1.0, 1.0, 1.0};
};

// The margins are kept in hundredths of a centimetre; each is brought into
// 0..kMaxPrinterMarginCm. An empty font is the default face.
PrintSetup LoadPrintSetup(const SettingGetter& get, const std::string& defaultFont);
// Each margin in whole hundredths, the rest cut off (1.001 cm is "100").
void SavePrintSetup(const PrintSetup& setup, const SettingSetter& set);
// The stored text of one margin.
std::string MarginSettingText(double cm);

// Rounded to three decimals, as the margin edits show them.
double CmToInch(double cm);
double InchToCm(double inch);

// The program's version as the About dialog shows it: points between the
// numbers, no blanks.
std::string AboutVersionText(const std::string& productVersion);
