#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>

#include "fake_list_commands.h"
#include "item_dialogs.h"
#include "item_ids.h"
#include "item_list_delegate.h"
#include "item_list_dialog.h"
#include "plat/resource_strings.h"
#include "resource_library.h"
#include "string_ids.h"
#include "ui/scripted_prompts.h"

namespace {

class ItemDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { plat::SetResourceStringSource(QELRes_GetString); }
    void TearDown() override { plat::SetResourceStringSource(nullptr); }

    SettingGetter Settings() {
        return [this](std::string_view key) {
            const auto it = settings.find(std::string(key));
            return it != settings.end() ? it->second : std::string();
        };
    }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& asked : prompts.asked()) texts.push_back(asked.text);
        return texts;
    }
    static std::string Text(unsigned id) { return plat::LoadResString(id); }
    static void Type(ui::DialogBase& dialog, const std::string& name) {
        static_cast<QLineEdit*>(dialog.GetDlgItem(IDC_ITEM_NAME))->setText(QString::fromStdString(name));
    }

    std::map<std::string, std::string> settings;
    ui::ScriptedPrompts prompts;
};

std::string Repeat(const char* text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

// OK of the resource dialog: what is asked or refused, and whether it closes.
TEST_F(ItemDialogsTest, ItemNamesAreCheckedOnOk) {
    const struct {
        const char* what;
        const char* confirmSetting;
        std::optional<std::string> edited;
        std::string typed;
        std::vector<int> answers;
        std::vector<std::string> shown;
        bool closes;
    } cases[] = {
        {"a new name", "", std::nullopt, "Truck", {}, {}, true},
        {"a new record with a taken name asks once; yes", "", std::nullopt, "Digger", {ui::IDYES},
         {"A resource named \"Digger\" exists already. Use the name all the same?"}, true},
        {"no keeps the dialog open", "", std::nullopt, "Digger", {ui::IDNO},
         {"A resource named \"Digger\" exists already. Use the name all the same?"}, false},
        {"renaming onto another's name asks once", "", "Crane", "Digger", {ui::IDYES},
         {"A resource named \"Digger\" exists already. Use the name all the same?"}, true},
        {"an unchanged name never asks", "", "Crane", "Crane", {}, {}, true},
        {"the setting off accepts silently", "0", "Crane", "Digger", {}, {}, true},
        {"letter case makes another name", "", "Crane", "digger", {}, {}, true},
        {"an empty name is refused", "", std::nullopt, "", {}, {Text(ids::RESOURCE_NAME_EMPTY)}, false},
        {"100 characters are refused", "", std::nullopt, std::string(100, 'x'), {},
         {Text(ids::ITEM_NAME_TOO_LONG)}, false},
        {"99 characters are taken", "", std::nullopt, std::string(99, 'x'), {}, {}, true},
        {"33 three-byte characters are 99 bytes", "", std::nullopt, Repeat("\u20AC", 33), {}, {}, true},
        {"34 three-byte characters are refused", "", std::nullopt, Repeat("\u20AC", 34), {},
         {Text(ids::ITEM_NAME_TOO_LONG)}, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        settings["DlgDataConfirmSameName"] = test.confirmSetting;
        ui::ScriptedPrompts local;
        for (int answer : test.answers) local.AnswerMessage(answer);
        CItemDlg dialog(kResourceDialogTexts, false, false, Settings());
        dialog.editedName = test.edited;
        dialog.names = {"Crane", "Digger"};
        dialog.name = test.edited.value_or("");
        dialog.show();
        Type(dialog, test.typed);
        dialog.accept();
        std::vector<std::string> shown;
        for (const auto& asked : local.asked()) shown.push_back(asked.text);
        EXPECT_EQ(shown, test.shown);
        EXPECT_EQ(dialog.isVisible(), !test.closes);
        EXPECT_TRUE(local.allAnswered());
        if (test.closes) { EXPECT_EQ(dialog.name, test.typed); }
        if (!test.closes && !test.shown.empty()) {
            EXPECT_EQ(dialog.focusWidget(), dialog.GetDlgItem(IDC_ITEM_NAME));
        }
    }
}

TEST_F(ItemDialogsTest, GroupNamesAreCheckedOnOk) {
    const struct {
        const char* what;
        const char* allowSetting;
        std::optional<std::string> edited;
        std::string typed;
        bool refused;
    } cases[] = {
        {"a free name", "", std::nullopt, "Cranes", false},
        {"a taken name is refused", "", std::nullopt, "Diggers", true},
        {"renaming onto a taken name is refused", "", "Trucks", "Diggers", true},
        {"an unchanged name never complains", "", "Trucks", "Trucks", false},
        {"letter case makes another name", "", std::nullopt, "diggers", false},
        {"the setting allows a taken name", "1", std::nullopt, "Diggers", false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        settings["DlgDataAllowSameGroupName"] = test.allowSetting;
        ui::ScriptedPrompts local;
        CGroupDlg dialog(kResourceGroupDialogTexts, false, Settings());
        dialog.editedName = test.edited;
        dialog.names = {"Trucks", "Diggers"};
        dialog.show();
        Type(dialog, test.typed);
        dialog.accept();
        EXPECT_EQ(dialog.isVisible(), test.refused);
        EXPECT_EQ(local.asked().size(), test.refused ? 1u : 0u);
        if (test.refused) { EXPECT_EQ(local.asked()[0].text, Text(ids::RESOURCE_GROUP_SAME_NAME)); }
    }
}

TEST_F(ItemDialogsTest, TheGroupComboOffersNoGroupThenTheGroups) {
    int trucks = 0, diggers = 0;
    CItemDlg dialog(kTaskDialogTexts, true, false, Settings());
    dialog.groups = {{"Trucks", &trucks}, {"Diggers", &diggers}};
    dialog.group = &diggers;
    dialog.show();
    auto* combo = static_cast<QComboBox*>(dialog.GetDlgItem(IDC_ITEM_GROUP));
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0).toStdString(), Text(ids::TASK_NO_GROUP));
    EXPECT_EQ(combo->currentIndex(), 2);
    EXPECT_EQ(dialog.windowTitle().toStdString(), Text(ids::TASK_CAPTION_NEW));
    ASSERT_NE(dialog.GetDlgItem(IDC_ITEM_COLOR1), nullptr);
    Type(dialog, "Dig");
    combo->setCurrentIndex(0);
    dialog.accept();
    EXPECT_EQ(dialog.group, nullptr);
}

TEST_F(ItemDialogsTest, AReadOnlyDocumentShowsTheRecordWithOkDisabled) {
    CItemDlg dialog(kResourceDialogTexts, false, true, Settings());
    dialog.editedName = "Crane";
    dialog.name = "Crane";
    dialog.show();
    EXPECT_FALSE(dialog.GetDlgItem(ui::IDOK)->isEnabled());
    Type(dialog, "Changed");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.name, "Crane");
}

void PressAlt(QWidget* list, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::AltModifier);
    QApplication::sendEvent(list, &press);
}

TEST_F(ItemDialogsTest, AltWithTheArrowsMovesAndLeftRightButtonsFollowTheSetting) {
    dlgtest::FakeListCommands commands;
    for (const char* setting : {"", "1"}) {
        SCOPED_TRACE(setting);
        settings["DlgButtonsLeftRight"] = setting;
        CItemListDlg dialog(kResourceListTexts, commands, Settings());
        dialog.show();
        const bool shown = std::string(setting) == "1";
        EXPECT_EQ(dialog.GetDlgItem(IDC_ITEM_LIST_INTO_GROUP)->isVisible(), shown);
        EXPECT_EQ(dialog.GetDlgItem(IDC_ITEM_LIST_OUT_OF_GROUP)->isVisible(), shown);
        EXPECT_EQ(dialog.Selected(), 0);
        auto* list = static_cast<QListWidget*>(dialog.GetDlgItem(IDC_ITEM_LIST));
        list->setCurrentRow(2);   // item b, the last of group 1
        commands.moves.clear();
        for (int key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Left}) PressAlt(list, key);
        ASSERT_EQ(commands.moves.size(), 4u);
        // Down and Right: out of the group, right after it. Up and Left: above item a.
        const ListMove down{ListMove::Kind::Item, &commands.b, 1, nullptr};
        const ListMove up{ListMove::Kind::Item, &commands.b, 0, &commands.g1};
        EXPECT_EQ(commands.moves, (std::vector<ListMove>{down, down, up, up}));
    }
}

TEST_F(ItemDialogsTest, DeletingAGroupRemovesTheLinesOfItsItemsUnderIt) {
    dlgtest::FakeListCommands commands;
    CItemListDlg dialog(kResourceListTexts, commands, Settings());
    dialog.show();
    auto* list = static_cast<QListWidget*>(dialog.GetDlgItem(IDC_ITEM_LIST));
    ASSERT_EQ(list->count(), 5);
    EXPECT_EQ(list->item(1)->text(), QString());   // unnamed
    // A group's item is drawn one level in, its group with the group image.
    EXPECT_EQ(list->item(1)->data(CItemListDelegate::kLevelRole).toInt(), 1);
    EXPECT_TRUE(list->item(0)->data(CItemListDelegate::kGroupRole).toBool());
    list->setCurrentRow(0);
    dialog.DeleteSelected();
    EXPECT_EQ(list->count(), 4);
    EXPECT_EQ(dialog.Entries(), commands.entries);
}

// The document changed behind the list: the first gesture reads the list again and moves nothing.
TEST_F(ItemDialogsTest, AGroupDeletedWhileTheListIsOpenIsNotMoved) {
    dlgtest::FakeListCommands commands;
    CItemListDlg dialog(kResourceListTexts, commands, Settings());
    dialog.show();
    auto* list = static_cast<QListWidget*>(dialog.GetDlgItem(IDC_ITEM_LIST));
    list->setCurrentRow(4);
    commands.entries.pop_back();   // group 2 deleted elsewhere
    PressAlt(list, Qt::Key_Up);
    EXPECT_TRUE(commands.moves.empty());
    EXPECT_EQ(list->count(), 4);
    list->setCurrentRow(3);
    PressAlt(list, Qt::Key_Up);
    EXPECT_EQ(commands.moves.size(), 1u);
}

TEST_F(ItemDialogsTest, AReadOnlyListOnlyViews) {
    dlgtest::FakeListCommands commands;
    commands.readOnly = true;
    CItemListDlg dialog(kTaskListTexts, commands, Settings());
    dialog.show();
    EXPECT_EQ(dialog.windowTitle().toStdString(), Text(ids::TASK_LIST_CAPTION));
    EXPECT_EQ(dialog.GetDlgItem(IDC_ITEM_LIST_EDIT)->property("text").toString().toStdString(), Text(ids::ITEM_VIEW));
    for (int id : {IDC_ITEM_LIST_ADD, IDC_ITEM_LIST_DELETE, IDC_ITEM_LIST_UP, IDC_ITEM_LIST_DOWN, IDC_ITEM_LIST_SORT})
        EXPECT_FALSE(dialog.GetDlgItem(id)->isEnabled()) << id;
    PressAlt(dialog.GetDlgItem(IDC_ITEM_LIST), Qt::Key_Down);
    EXPECT_TRUE(commands.moves.empty());
}

}  // namespace
