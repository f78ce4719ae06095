// Numbers typed in the user's locale through the real program: the program
// hands its locale's separators to the control library, whose edits read
// only what that locale writes as a number.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <memory>
#include <string>

#include "app_fixture.h"
#include "app_ids.h"
#include "main_app.h"
#include "main_frame.h"
#include "print_setup_dialog.h"
#include "print_setup_ids.h"
#include "settings_store.h"
#include "testing/fake_locales.h"
#include "ui/message.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"

namespace {

// Replaces what the edit shows by the text, typed.
void Type(QWidget* edit, const char* text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

void ClickOk(ui::DialogBase* dialog) {
    QTest::mouseClick(static_cast<QAbstractButton*>(dialog->GetDlgItem(ui::IDOK)), Qt::LeftButton);
}

// A margin typed as another locale writes a number is refused on OK with
// the focus on it, never read as some other number; typed as the user's
// locale writes it, it is taken.
TEST(NumberEntryProgramTest, PrintSetUpReadsMarginsAsTheLocaleWritesThem) {
    struct Case {
        const char* name;
        plat::LocaleInfo locale;
        const char* foreign;
        const char* message;
        const char* own;
        const char* stored;   // hundredths of a centimetre
    } cases[] = {
        {"de_DE", testing::GermanGermany(), "1.5", "Enter a number, written like 1.234,5.", "1,5", "150"},
        {"en_US", testing::EnglishUnitedStates(), "1,5", "Enter a number, written like 1,234.5.", "1.5", "381"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::ScopedLocale locale(c.locale);
        SettingsStore().Clear();
        apptest::ProgramDirectory dir;
        CMainApp app(dir.Environment());
        ASSERT_TRUE(app.InitInstance());
        ui::ScriptedPrompts prompts;
        bool refused = false;
        dlgtest::WhenModal<CPrintSetupDlg>([&](CPrintSetupDlg* dialog) {
            QWidget* left = dialog->GetDlgItem(IDC_PRINT_MARGIN_LEFT);
            Type(left, c.foreign);
            ClickOk(dialog);
            refused = dialog->isVisible();
            EXPECT_EQ(dialog->focusWidget(), left);
            Type(left, c.own);
            ClickOk(dialog);
            EXPECT_FALSE(dialog->isVisible());
            if (dialog->isVisible()) dialog->reject();
        });
        app.MainFrame()->OnCommand(app_ids::ID_FILE_PRINT_SETUP);
        EXPECT_TRUE(refused);
        ASSERT_EQ(prompts.asked().size(), 1u);
        EXPECT_EQ(prompts.asked()[0].text, c.message);
        EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
        EXPECT_EQ(GetSetting("ReportsPrinterMarginsLeft"), c.stored);
        app.ExitInstance();
    }
    SettingsStore().Clear();
}

}  // namespace
