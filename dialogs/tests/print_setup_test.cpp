#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <string>

#include <QAbstractButton>
#include <QComboBox>
#include <QPrinter>
#include <QLabel>
#include <QTest>

#include "controls_api.h"
#include "plat/locale_info.h"
#include "plat/resource_strings.h"
#include "print_setup_dialog.h"
#include "print_setup_ids.h"
#include "print_setup_values.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"

namespace {

TEST(PrintSetupValuesTest, InchConversionsRoundToThreeDecimals) {
    struct Case {
        double cm, inch, back;
    } cases[] = {
        {2.54, 1.0, 2.54},
        {1.0, 0.394, 1.001},
        {0.0, 0.0, 0.0},
        {1.5, 0.591, 1.501},
        {5.08, 2.0, 5.08},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(CmToInch(c.cm), c.inch) << c.cm;
        EXPECT_DOUBLE_EQ(InchToCm(CmToInch(c.cm)), c.back) << c.cm;
    }
}

TEST(PrintSetupValuesTest, MarginsAreStoredInWholeHundredths) {
    struct Case {
        double cm;
        const char* stored;
    } cases[] = {
        {1.0, "100"}, {1.001, "100"}, {2.54, "254"}, {0.29, "29"}, {1.13, "113"}, {1.009, "100"},
        {-1.0, "0"},                                      // below the page edge
        {1000.0, "500"},                                 // beyond any page: the largest margin
        {std::numeric_limits<double>::quiet_NaN(), "100"},
    };
    for (const Case& c : cases) EXPECT_EQ(MarginSettingText(c.cm), c.stored) << c.cm;
}

TEST(PrintSetupValuesTest, StoredMarginsAreBroughtIntoRange) {
    std::map<std::string, std::string, std::less<>> values = {
        {"ReportsPrinterMarginsLeft", "-100"},
        {"ReportsPrinterMarginsTop", "100000"},
        {"ReportsPrinterMarginsRight", "254"},
    };
    const SettingGetter get = [&](std::string_view key) {
        const auto it = values.find(key);
        return it == values.end() ? std::string() : it->second;
    };
    const PrintSetup setup = LoadPrintSetup(get, "Arial");
    EXPECT_EQ(setup.font, "Arial");
    EXPECT_EQ(setup.marginsCm, (std::array<double, 4>{0.0, kMaxPrinterMarginCm, 2.54, 1.0}));

    std::map<std::string, std::string> written;
    SavePrintSetup(setup, [&](std::string_view key, std::string_view value) { written[std::string(key)] = value; });
    EXPECT_EQ(written, (std::map<std::string, std::string>{{"ReportsPrinterFont", "Arial"},
                                                           {"ReportsPrinterMarginsLeft", "0"},
                                                           {"ReportsPrinterMarginsTop", "500"},
                                                           {"ReportsPrinterMarginsRight", "254"},
                                                           {"ReportsPrinterMarginsBottom", "100"}}));
}

TEST(AboutVersionTextTest, PointsAndNoBlanks) {
    struct Case {
        const char* version;
        const char* shown;
    } cases[] = {{"1, 2, 0, 5", "1.2.0.5"}, {"1.2.0", "1.2.0"}, {" 3 ,1 ", "3.1"}, {"", ""}};
    for (const Case& c : cases) EXPECT_EQ(AboutVersionText(c.version), c.shown) << c.version;
}

const char* Texts(unsigned id) {
    switch (id) {
    case print_setup_ids::LABEL_UNIT_INCH: return "inches";
    case print_setup_ids::LABEL_UNIT_CM: return "centimetres";
    case print_setup_ids::MARGINS_TOO_LARGE: return "room %s %s";
    default: return "";
    }
}

class PrintSetupDialogTest : public ::testing::Test {
protected:
    void SetUp() override { plat::SetResourceStringSource(Texts); }
    void TearDown() override {
        plat::SetResourceStringSource(nullptr);
        plat::ResetCurrentLocale();
    }
    static double Shown(ui::DialogBase& dialog, int id) {
        double value = -1;
        ui::SendMessage(dialog.GetDlgItem(id), WM_SP_DOUBLEEDIT_GETVALUE, 0, reinterpret_cast<ui::LPARAM>(&value));
        return value;
    }
};

TEST_F(PrintSetupDialogTest, InchLocaleShowsInchesAndStoresCentimetres) {
    for (bool metric : {false, true}) {
        plat::LocaleInfo locale;
        locale.metric = metric;
        plat::SetCurrentLocale(locale);
        CPrintSetupDlg dialog(nullptr);
        dialog.fontName = "No Such Face 4711";   // not installed: kept as it is
        dialog.margins = {2.54, 1.0, 0.5, 1.5};
        dialog.show();
        EXPECT_EQ(static_cast<QLabel*>(dialog.GetDlgItem(IDC_PRINT_UNIT))->text(), metric ? "centimetres" : "inches");
        EXPECT_DOUBLE_EQ(Shown(dialog, IDC_PRINT_MARGIN_LEFT), metric ? 2.54 : 1.0);
        EXPECT_DOUBLE_EQ(Shown(dialog, IDC_PRINT_MARGIN_TOP), metric ? 1.0 : 0.394);
        QTest::mouseClick(static_cast<QAbstractButton*>(dialog.GetDlgItem(ui::IDOK)), Qt::LeftButton);
        ASSERT_EQ(dialog.result(), ui::IDOK);
        EXPECT_DOUBLE_EQ(dialog.margins[0], 2.54);
        EXPECT_DOUBLE_EQ(dialog.margins[1], metric ? 1.0 : 1.001);
        EXPECT_EQ(MarginSettingText(dialog.margins[1]), "100");
        EXPECT_EQ(dialog.fontName, "No Such Face 4711");
    }
}

TEST_F(PrintSetupDialogTest, MissingFontShowsItsSubstituteAndKeepsItsName) {
    struct Case {
        bool pickOther;
        const char* stored;   // empty: the face picked
    } cases[] = {{false, "No Such Face 4711"}, {true, ""}};
    for (const Case& c : cases) {
        CPrintSetupDlg dialog(nullptr);
        dialog.fontName = "No Such Face 4711";
        dialog.show();
        auto* fonts = reinterpret_cast<QComboBox*>(
            ui::SendMessage(dialog.GetDlgItem(IDC_PRINT_FONT), WM_SP_FONTCOMBO_GETCOMBO));
        ASSERT_NE(fonts, nullptr);
        ASSERT_GT(fonts->count(), 1);
        EXPECT_NE(fonts->currentIndex(), -1);   // the face used in its place, not an empty box
        if (c.pickOther) fonts->setCurrentIndex(fonts->currentIndex() == 0 ? 1 : 0);
        const std::string picked = fonts->currentText().toStdString();
        QTest::mouseClick(static_cast<QAbstractButton*>(dialog.GetDlgItem(ui::IDOK)), Qt::LeftButton);
        EXPECT_EQ(dialog.fontName, *c.stored != '\0' ? std::string(c.stored) : picked);
    }
}

TEST_F(PrintSetupDialogTest, CancelTakesThePageSetUpBack) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageOrientation(QPageLayout::Landscape);
    for (int result : {ui::IDCANCEL, ui::IDOK}) {
        CPrintSetupDlg dialog(&printer);
        dialog.show();
        ASSERT_NE(dialog.GetDlgItem(IDC_PRINT_PRINTER), nullptr);
        // What the page set-up dialog writes while this one is open.
        printer.setPageOrientation(QPageLayout::Portrait);
        QTest::mouseClick(static_cast<QAbstractButton*>(dialog.GetDlgItem(result)), Qt::LeftButton);
        EXPECT_EQ(printer.pageLayout().orientation(),
                  result == ui::IDOK ? QPageLayout::Portrait : QPageLayout::Landscape);
        printer.setPageOrientation(QPageLayout::Landscape);
    }
}

TEST_F(PrintSetupDialogTest, NegativeMarginCannotBeEntered) {
    CPrintSetupDlg dialog(nullptr);
    dialog.show();
    double negative = -1.0;
    ui::SendMessage(dialog.GetDlgItem(IDC_PRINT_MARGIN_RIGHT), WM_SP_DOUBLEEDIT_SETVALUE, 0,
                    reinterpret_cast<ui::LPARAM>(&negative));
    EXPECT_DOUBLE_EQ(Shown(dialog, IDC_PRINT_MARGIN_RIGHT), 0.0);
}

// Margins that meet across the paper are refused with the page's size in the
// unit shown, and the dialog stays open; margins that fit are taken.
TEST_F(PrintSetupDialogTest, MarginsThatLeaveNoPageAreRefused) {
    plat::LocaleInfo locale;
    locale.metric = true;
    plat::SetCurrentLocale(locale);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    struct Case {
        std::array<double, 4> margins;   // cm
        bool taken;
    } cases[] = {
        {{1.0, 1.0, 1.0, 1.0}, true},
        {{10.0, 1.0, 10.0, 1.0}, true},      // 20 cm of 21
        {{10.5, 1.0, 10.5, 1.0}, false},     // the width used up
        {{20.0, 1.0, 20.0, 1.0}, false},
        {{1.0, 15.0, 1.0, 15.0}, false},     // 30 cm of 29.7
    };
    for (const Case& c : cases) {
        ui::ScriptedPrompts prompts;
        CPrintSetupDlg dialog(&printer);
        dialog.margins = c.margins;
        dialog.show();
        QTest::mouseClick(static_cast<QAbstractButton*>(dialog.GetDlgItem(ui::IDOK)), Qt::LeftButton);
        EXPECT_EQ(dialog.isVisible(), !c.taken) << c.margins[0] << " " << c.margins[1];
        ASSERT_EQ(prompts.asked().size(), c.taken ? 0u : 1u);
        if (!c.taken) { EXPECT_EQ(prompts.asked()[0].text, "room 21.00 cm 29.70 cm"); }
    }
}

}  // namespace
