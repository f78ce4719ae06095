#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

#include "plat/resource_strings.h"
#include "ui/data_exchange.h"
#include "ui/dialog_base.h"
#include "ui/scripted_prompts.h"

namespace {

constexpr unsigned kNameMissing = 5053;
constexpr unsigned kNameTaken = 5104;

const char* FakeStrings(unsigned id) {
    switch (id) {
    case kNameMissing: return "Please enter a name.";
    case kNameTaken: return "The name %s is taken.";
    default: return "";
    }
}

// A name (refused when empty), a flag, a choice of two and a list index.
class NameDialog : public ui::DialogBase {
public:
    std::string name;
    int flag = 0;
    int choice = -1;
    int kind = -1;
    bool exchangeMissingItem = false;

    NameDialog() {
        auto* layout = new QVBoxLayout(this);
        auto add = [&](QWidget* w, int id) { ui::SetControlId(w, id); layout->addWidget(w); };
        add(new QLineEdit, 1002);
        add(new QCheckBox("flag"), 1012);
        auto* group = new QButtonGroup(this);
        for (int i = 0; i < 2; ++i) {
            auto* radio = new QRadioButton(QString::number(i));
            group->addButton(radio);
            add(radio, 1000 + 100 * i);
        }
        auto* combo = new QComboBox;
        combo->addItems({"a", "b", "c"});
        add(combo, 1041);
        auto* ok = new QPushButton("OK");
        add(ok, ui::IDOK);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

protected:
    void DoDataExchange(ui::DataExchange& dx) override {
        ui::DDX_Text(dx, 1002, name);
        if (dx.saving() && name.empty()) dx.Fail(1002, kNameMissing);
        ui::DDX_Check(dx, 1012, flag);
        ui::DDX_Radio(dx, 1000, choice);
        ui::DDX_CBIndex(dx, 1041, kind);
        if (exchangeMissingItem) ui::DDX_Text(dx, 4711, name);
    }
};

class DialogBaseTest : public ::testing::Test {
protected:
    void SetUp() override { plat::SetResourceStringSource(FakeStrings); }
    void TearDown() override { plat::SetResourceStringSource(nullptr); }
    ui::ScriptedPrompts prompts;
};

TEST_F(DialogBaseTest, OpeningLoadsTheMembersAndOkSavesThem) {
    NameDialog dlg;
    dlg.name = "Room 4";
    dlg.flag = 1;
    dlg.choice = 1;
    dlg.kind = 2;
    dlg.show();
    auto* edit = static_cast<QLineEdit*>(dlg.GetDlgItem(1002));
    EXPECT_EQ(edit->text(), "Room 4");
    EXPECT_TRUE(static_cast<QCheckBox*>(dlg.GetDlgItem(1012))->isChecked());
    EXPECT_TRUE(static_cast<QRadioButton*>(dlg.GetDlgItem(1100))->isChecked());

    edit->setText("Room 5");
    static_cast<QCheckBox*>(dlg.GetDlgItem(1012))->setChecked(false);
    static_cast<QRadioButton*>(dlg.GetDlgItem(1000))->setChecked(true);
    static_cast<QComboBox*>(dlg.GetDlgItem(1041))->setCurrentIndex(0);
    QTest::mouseClick(static_cast<QPushButton*>(dlg.GetDlgItem(ui::IDOK)), Qt::LeftButton);

    EXPECT_EQ(dlg.result(), ui::IDOK);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.name, "Room 5");
    EXPECT_EQ(dlg.flag, 0);
    EXPECT_EQ(dlg.choice, 0);
    EXPECT_EQ(dlg.kind, 0);
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(DialogBaseTest, RefusedInputKeepsTheDialogOpenWithTheFocusOnTheControl) {
    NameDialog dlg;
    dlg.flag = 1;
    dlg.show();
    dlg.GetDlgItem(1012)->setFocus();
    static_cast<QCheckBox*>(dlg.GetDlgItem(1012))->setChecked(false);
    QTest::mouseClick(static_cast<QPushButton*>(dlg.GetDlgItem(ui::IDOK)), Qt::LeftButton);

    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), 0);
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "Please enter a name.");
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_ICONMASK, ui::MB_ICONSTOP);
    EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(1002));
    EXPECT_EQ(dlg.flag, 1);   // nothing after the refusal was read

    static_cast<QLineEdit*>(dlg.GetDlgItem(1002))->setText("Hall");
    dlg.accept();
    EXPECT_EQ(dlg.result(), ui::IDOK);
    EXPECT_EQ(dlg.name, "Hall");
    EXPECT_EQ(prompts.asked().size(), 1u);
}

TEST_F(DialogBaseTest, OwnChecksRefuseWithAFormattedTextAndFocusTheControl) {
    NameDialog dlg;
    dlg.show();
    dlg.GetDlgItem(1012)->setFocus();
    dlg.Refuse(1041, kNameTaken, {"Hall"});
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "The name Hall is taken.");
    EXPECT_EQ(prompts.asked()[0].type, ui::MB_OK | ui::MB_ICONSTOP);
    EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(1041));
    EXPECT_TRUE(dlg.isVisible());
}

TEST_F(DialogBaseTest, MissingItemFailsTheExchangeQuietly) {
    NameDialog dlg;
    dlg.name = "x";
    dlg.exchangeMissingItem = true;
    dlg.show();
    EXPECT_FALSE(dlg.UpdateData(true));
    dlg.exchangeMissingItem = false;
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_TRUE(prompts.asked().empty());
}

TEST_F(DialogBaseTest, NoChoiceClearsAnExclusiveRadioGroup) {
    NameDialog dlg;
    dlg.name = "x";
    dlg.choice = 1;
    dlg.show();
    dlg.choice = -1;
    dlg.UpdateData(false);
    dlg.choice = 5;
    ASSERT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.choice, -1);
}

}  // namespace
