#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QTest>

#include "check_tree.h"
#include "data_library.h"
#include "filter_choice.h"
#include "filter_commands.h"
#include "filter_dialog.h"
#include "filter_ids.h"
#include "plan_builder.h"
#include "plat/resource_strings.h"
#include "resource_library.h"
#include "string_ids.h"
#include "testing/fake_history.h"
#include "testing/temp_directory.h"
#include "ui/scripted_prompts.h"
#include "when_modal.h"

namespace {

using Verdict = FilterNameVerdict;

// A plan of two resource groups (Team: Anna, Ben; Crew: Cleo), an
// ungrouped resource Dan, a task group Build with Wall and a plain task Paint.
class FilterTest : public ::testing::Test {
protected:
    void SetUp() override {
        plat::SetResourceStringSource(QELRes_GetString);
        ASSERT_NE(library.data(), nullptr) << library.error();
        data = library.data();
        dlgtest::PlanBuilder plan(data);
        team = plan.ResourceGroup("Team", 0);
        crew = plan.ResourceGroup("Crew", 2);
        anna = plan.Resource("Anna", 0, team);
        ben = plan.Resource("Ben", 1, team);
        cleo = plan.Resource("Cleo", 0, crew);
        dan = plan.Resource("Dan", 1);
        build = plan.TaskGroup("Build", 0);
        wall = plan.Task("Wall", 0, build);
        paint = plan.Task("Paint", 1);
        history.Clear();
    }
    void TearDown() override {
        history.Clear();   // before the data library goes
        plat::SetResourceStringSource(nullptr);
    }

    FilterChoice Hiding(std::vector<CResource*> resources, std::int16_t mode = kFilterAll) {
        FilterChoice choice;
        choice.resources = std::move(resources);
        choice.mode = mode;
        return choice;
    }
    std::vector<std::string> UndoNames() const {
        std::vector<std::string> names;
        for (const UndoEntry& entry : history.undoList) names.emplace_back(entry.name);
        return names;
    }

    ui::ScriptedPrompts prompts;
    FakeHistory history;
    dlgtest::DataLibrary library{&history};
    CPlanData* data = nullptr;
    CResourceGroup *team = nullptr, *crew = nullptr;
    CResource *anna = nullptr, *ben = nullptr, *cleo = nullptr, *dan = nullptr;
    CTaskGroup* build = nullptr;
    CTask *wall = nullptr, *paint = nullptr;
};

TEST_F(FilterTest, ChoiceRoundTripsThroughAFilter) {
    FilterChoice choice;
    choice.resourceGroups = {team};
    choice.resources = {anna, ben};
    choice.taskGroups = {build};
    choice.tasks = {wall};
    choice.mode = kFilterUnflagged;
    CFilter* filter = data->filters->Create();
    EXPECT_EQ(ApplyFilterDialog(filter, choice), 0);
    EXPECT_EQ(ReadFilterChoice(filter), choice);
    EXPECT_EQ(ApplyFilterDialog(filter, FilterChoice{}), 0);
    EXPECT_EQ(ReadFilterChoice(filter), FilterChoice{});
    EXPECT_EQ(ReadFilterChoice(nullptr), FilterChoice{});
    filter->Delete();
}

TEST_F(FilterTest, SavedFiltersByNameWithoutRegardToCase) {
    for (const char* name : {"beta", "Alpha", "gamma", "Beta"}) ASSERT_NE(NewFilter(data, name, {}), nullptr);
    std::vector<std::string> names;
    for (const CFilter* filter : CollectSavedFilters(data)) names.emplace_back(filter->name);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "beta", "Beta", "gamma"}));
    EXPECT_TRUE(CollectSavedFilters(nullptr).empty());
}

TEST_F(FilterTest, NameVerdicts) {
    CFilter* day = NewFilter(data, "Day", {});
    CFilter* night = NewFilter(data, "Night", {});
    const std::vector<CFilter*> saved = CollectSavedFilters(data);
    struct Case {
        const char* name;
        CFilter* current;
        Verdict verdict;
        CFilter* found;
    } cases[] = {
        {"", day, Verdict::Empty, nullptr},
        {"Evening", day, Verdict::New, nullptr},
        {"Day", day, Verdict::Same, day},       // the loaded one: overwritten without asking
        {"Night", day, Verdict::Other, night},  // another one: asked first
        {"Night", nullptr, Verdict::Other, night},
        {"day", day, Verdict::New, nullptr},    // names match byte for byte
    };
    for (const Case& c : cases) {
        CFilter* found = day;
        EXPECT_EQ(JudgeFilterName(c.name, saved, c.current, &found), c.verdict) << c.name;
        EXPECT_EQ(found, c.found) << c.name;
    }
}

TEST_F(FilterTest, SaveChangeAndDeleteAreOneUndoStepEach) {
    CFilter* filter = NewFilter(data, "Day", Hiding({anna}));
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(UndoNames(), (std::vector<std::string>{"Save Filter"}));
    const int32_t id = filter->id;

    EXPECT_TRUE(ModifyFilter(data, filter, Hiding({ben, cleo}, kFilterFlagged)));
    EXPECT_EQ(UndoNames(), (std::vector<std::string>{"Save Filter", "Save Filter"}));
    EXPECT_EQ(filter->id, id);
    EXPECT_STREQ(filter->name, "Day");
    EXPECT_EQ(ReadFilterChoice(filter), Hiding({ben, cleo}, kFilterFlagged));
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(ReadFilterChoice(filter), Hiding({anna}));

    prompts.AnswerMessage(ui::IDNO);
    EXPECT_FALSE(DeleteFilter(data, filter, nullptr));
    prompts.AnswerMessage(ui::IDYES);
    EXPECT_TRUE(DeleteFilter(data, filter, nullptr));
    ASSERT_EQ(prompts.asked().size(), 2u);
    EXPECT_EQ(prompts.asked()[0].text, "Delete the saved filter \"Day\"?");
    EXPECT_EQ(prompts.asked()[0].type, ui::MB_YESNO | ui::MB_ICONEXCLAMATION | ui::MB_DEFBUTTON2);
    EXPECT_EQ(data->filters->GetCount(), 0);
    EXPECT_EQ(UndoNames(), (std::vector<std::string>{"Save Filter", "Delete Filter"}));

    ASSERT_TRUE(history.Undo());   // the deleted filter comes back
    ASSERT_EQ(data->filters->GetCount(), 1);
    EXPECT_EQ(data->filters->GetAt(0)->id, id);
    ASSERT_TRUE(history.Undo());   // the save is undone: no saved filter
    EXPECT_EQ(data->filters->GetCount(), 0);
}

TEST_F(FilterTest, RefusedSavesLeaveTheDocumentAsItWas) {
    EXPECT_EQ(NewFilter(data, "", {}), nullptr);
    EXPECT_EQ(NewFilter(nullptr, "Day", {}), nullptr);
    EXPECT_FALSE(ModifyFilter(data, nullptr, {}));
    EXPECT_FALSE(DeleteFilter(data, nullptr, nullptr));
    EXPECT_EQ(data->filters->GetCount(), 0);
    EXPECT_TRUE(history.undoList.empty());
    EXPECT_TRUE(prompts.asked().empty());

    // A name beyond the limit is cut on a character boundary.
    std::string longName;
    while (longName.size() < 120) longName += "\xC3\xA9";   // é
    CFilter* filter = NewFilter(data, longName, {});
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(std::string(filter->name), longName.substr(0, 98));

    // Opened with the second password the document is write-protected.
    testing::TempDirectory dir;
    const std::string path = dir.path() + "/protected.qel";
    ASSERT_EQ(dlgtest::SaveProtected(data, path, "one", "two"), kDataOk);
    ASSERT_EQ(data->Open(path.c_str(), false, "two", true), kDataReadOnly);
    ASSERT_TRUE(data->properties->IsWriteProtected());
    history.Clear();
    EXPECT_EQ(NewFilter(data, "Night", {}), nullptr);
    ASSERT_EQ(data->filters->GetCount(), 1);
    CFilter* kept = data->filters->GetAt(0);
    EXPECT_FALSE(ModifyFilter(data, kept, Hiding({})));
    EXPECT_FALSE(DeleteFilter(data, kept, nullptr));
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_TRUE(history.undoList.empty());
}

// The dialog, shown but not modal; the nested dialogs run modally.
class FilterDialogTest : public FilterTest {
protected:
    std::unique_ptr<CFilterDlg> Open(FilterChoice choice = {}, bool readOnly = false, const char* trigger = "") {
        const std::string value = trigger;
        auto dialog = std::make_unique<CFilterDlg>(readOnly, data, [value](std::string_view key) {
            return key == "BasicDlgTreectrlTrigger" ? value : std::string();
        });
        dialog->choice = std::move(choice);
        dialog->show();
        return dialog;
    }
    static CCheckTreeCtrl* Tree(CFilterDlg& dialog, int id) {
        return dialog.GetDlgItem(id)->findChild<CCheckTreeCtrl*>();
    }
    static QTreeWidgetItem* Entry(CCheckTreeCtrl* tree, const char* name) {
        const auto found = tree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        return found.isEmpty() ? nullptr : found.front();
    }
    static void Click(CCheckTreeCtrl* tree, QTreeWidgetItem* item) {
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->CheckBoxRect(item).center());
    }
    static std::vector<std::string> Unchecked(CCheckTreeCtrl* tree) {
        std::vector<std::string> names;
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it)
            if (!tree->GetCheck(*it)) names.push_back((*it)->text(0).toStdString());
        return names;
    }
    static void Press(ui::DialogBase* dialog, int id) {
        auto* button = static_cast<QAbstractButton*>(dialog->GetDlgItem(id));
        ASSERT_TRUE(button->isEnabled()) << id;
        QTest::mouseClick(button, Qt::LeftButton);
    }
    // Types the name into the save-as dialog and presses OK.
    static void SaveAs(CFilterDlg& dialog, const char* name) {
        dlgtest::WhenModal<CFilterNameDlg>([name](CFilterNameDlg* names) {
            static_cast<QComboBox*>(names->GetDlgItem(IDC_FILTER_NAME))->setEditText(QString::fromUtf8(name));
            QTest::mouseClick(static_cast<QAbstractButton*>(names->GetDlgItem(ui::IDOK)), Qt::LeftButton);
            if (names->isVisible()) names->reject();
        });
        dialog.OnSaveAs();
    }
    // Picks the saved filter of that row in the load dialog.
    static void Load(CFilterDlg& dialog, int row) {
        dlgtest::WhenModal<CFilterListDlg>([row](CFilterListDlg* list) {
            static_cast<QListWidget*>(list->GetDlgItem(IDC_FILTER_LIST))->setCurrentRow(row);
            QTest::mouseClick(static_cast<QAbstractButton*>(list->GetDlgItem(ui::IDOK)), Qt::LeftButton);
        });
        dialog.OnLoad();
    }
    static bool Enabled(ui::DialogBase& dialog, int id) { return dialog.GetDlgItem(id)->isEnabled(); }
};

TEST_F(FilterDialogTest, NothingUncheckedGivesEmptySets) {
    auto dialog = Open(Hiding({}, kFilterFlagged));
    CCheckTreeCtrl* resources = Tree(*dialog, IDC_FILTER_RESOURCES);
    EXPECT_TRUE(Unchecked(resources).empty());
    EXPECT_TRUE(Unchecked(Tree(*dialog, IDC_FILTER_TASKS)).empty());
    // Groups first by order index with their members under them.
    ASSERT_EQ(resources->topLevelItemCount(), 3);
    EXPECT_EQ(resources->topLevelItem(0)->text(0), "Team");
    EXPECT_EQ(resources->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(resources->topLevelItem(1)->text(0), "Dan");
    EXPECT_EQ(resources->topLevelItem(2)->text(0), "Crew");
    EXPECT_EQ(static_cast<QComboBox*>(dialog->GetDlgItem(IDC_FILTER_MODE))->currentIndex(), 1);
    Press(dialog.get(), ui::IDOK);
    EXPECT_EQ(dialog->result(), ui::IDOK);
    EXPECT_EQ(dialog->choice, Hiding({}, kFilterFlagged));
}

TEST_F(FilterDialogTest, TriggerSettingDecidesWhetherAGroupTakesItsMembers) {
    struct Case {
        const char* setting;
        std::vector<std::string> unchecked;
        FilterChoice choice;
    } cases[] = {
        {"", {"Team", "Anna", "Ben"}, {{team}, {anna, ben}, {}, {}, kFilterAll}},   // default: on
        {"1", {"Team", "Anna", "Ben"}, {{team}, {anna, ben}, {}, {}, kFilterAll}},
        {"0", {"Team"}, {{team}, {}, {}, {}, kFilterAll}},
    };
    for (const Case& c : cases) {
        auto dialog = Open({}, false, c.setting);
        CCheckTreeCtrl* tree = Tree(*dialog, IDC_FILTER_RESOURCES);
        Click(tree, Entry(tree, "Team"));
        EXPECT_EQ(Unchecked(tree), c.unchecked) << c.setting;
        Press(dialog.get(), ui::IDOK);
        EXPECT_EQ(dialog->choice, c.choice) << c.setting;
    }
}

TEST_F(FilterDialogTest, LoadButtonNeedsSavedFiltersAndSaveAsAWritableDocument) {
    auto dialog = Open();
    EXPECT_FALSE(Enabled(*dialog, IDC_FILTER_LOAD));
    EXPECT_TRUE(Enabled(*dialog, IDC_FILTER_SAVE_AS));
    SaveAs(*dialog, "Day");
    EXPECT_TRUE(Enabled(*dialog, IDC_FILTER_LOAD));
    EXPECT_EQ(data->filters->GetCount(), 1);

    auto readOnly = Open({}, true);
    EXPECT_TRUE(Enabled(*readOnly, IDC_FILTER_LOAD));
    EXPECT_FALSE(Enabled(*readOnly, IDC_FILTER_SAVE_AS));
    // Its list offers the filters to load but not to delete.
    dlgtest::WhenModal<CFilterListDlg>([](CFilterListDlg* list) {
        EXPECT_TRUE(list->GetDlgItem(ui::IDOK)->isEnabled());
        EXPECT_FALSE(list->GetDlgItem(IDC_FILTER_LIST_DELETE)->isEnabled());
        list->reject();
    });
    readOnly->OnLoad();
}

TEST_F(FilterDialogTest, LoadShowsExactlyTheSavedFilter) {
    ASSERT_NE(NewFilter(data, "Crew off", Hiding({cleo}, kFilterUnflagged)), nullptr);
    auto dialog = Open(Hiding({anna, dan}));
    CCheckTreeCtrl* resources = Tree(*dialog, IDC_FILTER_RESOURCES);
    Click(Tree(*dialog, IDC_FILTER_TASKS), Entry(Tree(*dialog, IDC_FILTER_TASKS), "Paint"));
    EXPECT_EQ(Unchecked(resources), (std::vector<std::string>{"Anna", "Dan"}));
    Load(*dialog, 0);
    EXPECT_EQ(Unchecked(resources), (std::vector<std::string>{"Cleo"}));
    EXPECT_TRUE(Unchecked(Tree(*dialog, IDC_FILTER_TASKS)).empty());
    EXPECT_EQ(dialog->Current(), data->filters->GetAt(0));
    Press(dialog.get(), ui::IDOK);
    EXPECT_EQ(dialog->choice, Hiding({cleo}, kFilterUnflagged));
}

TEST_F(FilterDialogTest, SavingAsksOnlyBeforeOverwritingAnotherFilter) {
    CFilter* day = NewFilter(data, "Day", Hiding({anna}));
    CFilter* night = NewFilter(data, "Night", Hiding({ben}));
    auto dialog = Open();
    Load(*dialog, 0);   // Day
    CCheckTreeCtrl* resources = Tree(*dialog, IDC_FILTER_RESOURCES);
    Click(resources, Entry(resources, "Dan"));
    static_cast<QComboBox*>(dialog->GetDlgItem(IDC_FILTER_MODE))->setCurrentIndex(2);

    SaveAs(*dialog, "Day");   // the loaded one: no question, the mode as now shown
    EXPECT_TRUE(prompts.asked().empty());
    EXPECT_EQ(ReadFilterChoice(day), Hiding({anna, dan}, kFilterUnflagged));

    prompts.AnswerMessage(ui::IDNO);
    SaveAs(*dialog, "Night");   // another one: asked, No keeps it
    ASSERT_EQ(prompts.asked().size(), 1u);
    EXPECT_EQ(prompts.asked()[0].text, "A saved filter named \"Night\" exists already. Replace it?");
    EXPECT_EQ(prompts.asked()[0].type & ui::MB_DEFMASK, ui::MB_DEFBUTTON2);
    EXPECT_EQ(ReadFilterChoice(night), Hiding({ben}));

    prompts.AnswerMessage(ui::IDYES);
    SaveAs(*dialog, "Night");
    EXPECT_EQ(ReadFilterChoice(night), Hiding({anna, dan}, kFilterUnflagged));
    EXPECT_EQ(dialog->Current(), night);

    SaveAs(*dialog, "Late");   // a new name
    EXPECT_EQ(data->filters->GetCount(), 3);
    EXPECT_STREQ(dialog->Current()->name, "Late");
    EXPECT_EQ(prompts.asked().size(), 2u);

    // An empty name is refused and the name dialog stays open.
    bool stayedOpen = false;
    dlgtest::WhenModal<CFilterNameDlg>([&stayedOpen](CFilterNameDlg* names) {
        static_cast<QComboBox*>(names->GetDlgItem(IDC_FILTER_NAME))->setEditText("");
        QTest::mouseClick(static_cast<QAbstractButton*>(names->GetDlgItem(ui::IDOK)), Qt::LeftButton);
        stayedOpen = names->isVisible();
        names->reject();
    });
    dialog->OnSaveAs();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(prompts.asked().size(), 3u);
    EXPECT_EQ(prompts.asked()[2].text, "Enter a name for the filter.");
    EXPECT_EQ(data->filters->GetCount(), 3);
}

TEST_F(FilterDialogTest, DeletingTheLoadedFilterInTheListForgetsIt) {
    ASSERT_NE(NewFilter(data, "Day", Hiding({anna})), nullptr);
    auto dialog = Open();
    Load(*dialog, 0);
    ASSERT_NE(dialog->Current(), nullptr);
    prompts.AnswerMessage(ui::IDYES);
    dlgtest::WhenModal<CFilterListDlg>([](CFilterListDlg* list) {
        QTest::mouseClick(static_cast<QAbstractButton*>(list->GetDlgItem(IDC_FILTER_LIST_DELETE)), Qt::LeftButton);
        EXPECT_EQ(static_cast<QListWidget*>(list->GetDlgItem(IDC_FILTER_LIST))->count(), 0);
        EXPECT_FALSE(list->GetDlgItem(ui::IDOK)->isEnabled());
        list->reject();
    });
    dialog->OnLoad();
    EXPECT_EQ(dialog->Current(), nullptr);
    EXPECT_FALSE(Enabled(*dialog, IDC_FILTER_LOAD));
    // Saving now makes a new filter of the name, not a write to the deleted one.
    SaveAs(*dialog, "Day");
    EXPECT_EQ(data->filters->GetCount(), 1);
}

TEST_F(FilterDialogTest, ASavedFilterNamingRecordsNoLongerThereLoadsTheRest) {
    // A record that was never added is gone as soon as it is deleted.
    CResource* gone = data->resources->Create();
    CFilter* filter = NewFilter(data, "Day", Hiding({gone, ben}));
    ASSERT_NE(filter, nullptr);
    gone->Delete();
    auto dialog = Open();
    Load(*dialog, 0);
    EXPECT_EQ(Unchecked(Tree(*dialog, IDC_FILTER_RESOURCES)), (std::vector<std::string>{"Ben"}));
    Press(dialog.get(), ui::IDOK);
    EXPECT_EQ(dialog->choice, Hiding({ben}));
}

}  // namespace
