#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/name_group_importer.h"
#include "import_run.h"
#include "import_texts.h"
#include "plan_fixture.h"
#include "string_ids.h"

namespace {

using importtest::RunOn;
using importtest::Text;

// The two kinds differ only in the collections they write.
struct ResourceKind {
    using Importer = CResourceImporter;
    static auto* Groups(CPlanData& root) { return root.resourceGroups; }
    static auto* Items(CPlanData& root) { return root.resources; }
};
struct TaskKind {
    using Importer = CTaskImporter;
    static auto* Groups(CPlanData& root) { return root.taskGroups; }
    static auto* Items(CPlanData& root) { return root.tasks; }
};

template <class Kind>
class NameGroupImportTest : public PlanTest {
protected:
    using Group = std::remove_pointer_t<decltype(Kind::Groups(std::declval<CPlanData&>())->Create())>;
    using Item = std::remove_pointer_t<decltype(Kind::Items(std::declval<CPlanData&>())->Create())>;

    // An existing plan: group "Crew" at order 3 with a member at 4, and an
    // ungrouped "Solo" at 7.
    NameGroupImportTest() {
        crew = this->Added(Kind::Groups(root), "Crew", [](Group* g) { g->orderIndex = 3; });
        this->Added(Kind::Items(root), "Member", [this](Item* i) {
            i->group = crew;
            i->orderIndex = 4;
        });
        this->Added(Kind::Items(root), "Solo", [](Item* i) { i->orderIndex = 7; });
    }

    importtest::RunResult Import(const std::string& content, bool names = false) {
        typename Kind::Importer importer(&root, [this](std::string_view key) {
            return key == "ImportUndo" ? std::string("1") : std::string();
        });
        return RunOn(importer, dir, content, 2, names);
    }

    // The only group of that name; null when there is none or several.
    Group* FindGroup(std::string_view name) {
        std::vector<Group*> found;
        for (uint32_t i = 0; Group* g = Kind::Groups(root)->GetAt(i); ++i)
            if (g->name == name) found.push_back(g);
        return found.size() == 1 ? found[0] : nullptr;
    }
    std::vector<Item*> Items() {
        std::vector<Item*> all;
        for (uint32_t i = 0; Item* item = Kind::Items(root)->GetAt(i); ++i) all.push_back(item);
        return all;
    }

    importtest::ProgramTexts texts;
    testing::TempDirectory dir;
    Group* crew;
};

using Kinds = ::testing::Types<ResourceKind, TaskKind>;
TYPED_TEST_SUITE(NameGroupImportTest, Kinds);

TYPED_TEST(NameGroupImportTest, GroupsAndOrderIndexes) {
    const std::string longGroup(120, 'g');
    const auto run = this->Import(
        "Name;Group\n"
        "A1;Team\nA2;Team\nA3;Team\n"     // one new group, members 0, 1, 2
        "Loose;\n"                         // after the highest top-level index
        "C1;Crew\n"                        // after the existing member
        "c1;crew\n"                        // another case is another group
        "Solo\n"                           // an existing name is imported again
        "L1;" + longGroup + "\nL2;" + longGroup + "\n", true);
    ASSERT_EQ(run.result, kImportDone);

    auto* team = this->FindGroup("Team");
    ASSERT_NE(team, nullptr);
    auto* lowerCrew = this->FindGroup("crew");
    ASSERT_NE(lowerCrew, nullptr);
    auto* cut = this->FindGroup(longGroup.substr(0, 99));
    ASSERT_NE(cut, nullptr);   // one group for both lines
    EXPECT_EQ(team->orderIndex, 8);
    EXPECT_EQ(lowerCrew->orderIndex, 10);
    EXPECT_EQ(cut->orderIndex, 12);

    struct Expected {
        const char* name;
        const void* group;
        int32_t order;
    };
    const Expected expected[] = {
        {"Member", this->crew, 4}, {"Solo", nullptr, 7}, {"A1", team, 0}, {"A2", team, 1},
        {"A3", team, 2},           {"Loose", nullptr, 9}, {"C1", this->crew, 5},
        {"c1", lowerCrew, 0},      {"Solo", nullptr, 11}, {"L1", cut, 0},  {"L2", cut, 1},
    };
    const auto items = this->Items();
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_STREQ(items[i]->name, expected[i].name) << i;
        EXPECT_EQ(items[i]->group, expected[i].group) << expected[i].name;
        EXPECT_EQ(items[i]->orderIndex, expected[i].order) << expected[i].name;
    }
}

// Group names are not unique in a plan: a line joins the group later in the collection.
TYPED_TEST(NameGroupImportTest, OfGroupsWithOneNameTheLaterIsJoined) {
    auto* secondCrew = this->Added(TypeParam::Groups(this->root), "Crew", [](auto* g) { g->orderIndex = 5; });
    ASSERT_EQ(this->Import("New;Crew\n").result, kImportDone);
    const auto items = this->Items();
    EXPECT_STREQ(items.back()->name, "New");
    EXPECT_EQ(items.back()->group, secondCrew);
    EXPECT_EQ(items.back()->orderIndex, 0);
    EXPECT_EQ(TypeParam::Groups(this->root)->GetCount(), 2);
}

TYPED_TEST(NameGroupImportTest, OneEmptyNameImportsNothing) {
    const int items = static_cast<int>(this->Items().size());
    const auto run = this->Import("Ann;Team\n;Team\nCid\n");
    EXPECT_EQ(run.result, kImportInvalid);
    ASSERT_EQ(run.errors.size(), 1u);
    EXPECT_EQ(run.errors[0].line, 1);
    EXPECT_EQ(run.errors[0].field, Text(ids::IMPORT_FIELD_NAME));
    EXPECT_EQ(run.errors[0].message, Text(ids::IMPORT_VALUE_MISSING));
    EXPECT_EQ(static_cast<int>(this->Items().size()), items);
    EXPECT_EQ(this->FindGroup("Team"), nullptr);
}

// Names are cut to 99 bytes on a character boundary.
TYPED_TEST(NameGroupImportTest, LongNamesAreCutOnACharacter) {
    std::string name(98, 'n');
    name += "\xC3\xA9tude";
    ASSERT_EQ(this->Import(name + ";" + name + "\n").result, kImportDone);
    EXPECT_EQ(std::string(this->Items().back()->name), name.substr(0, 98));
    EXPECT_NE(this->FindGroup(name.substr(0, 98)), nullptr);
}

TYPED_TEST(NameGroupImportTest, UndoGivesBackThePlanAndSaveKeepsTheImport) {
    const auto before = this->Items();
    const int groups = TypeParam::Groups(this->root)->GetCount();
    ASSERT_EQ(this->Import("A;Team\nB;Team\nC\n").result, kImportDone);
    EXPECT_EQ(this->Items().size(), before.size() + 3);
    ASSERT_TRUE(this->history.Undo());
    EXPECT_EQ(this->Items(), before);
    EXPECT_EQ(TypeParam::Groups(this->root)->GetCount(), groups);
    ASSERT_TRUE(this->history.Redo());

    const std::string path = this->dir.File("plan.qel");
    ASSERT_EQ(this->root.Save(path.c_str()), kDataOk);
    this->root.Close();
    FakeHistory otherHistory;
    PlanRoot reopened(&otherHistory);
    ASSERT_EQ(reopened.Open(path.c_str(), false, nullptr, false), kDataOk);
    std::vector<std::string> names;
    for (uint32_t i = 0; auto* item = TypeParam::Items(reopened)->GetAt(i); ++i)
        names.push_back(std::string(item->name) + "/" + (item->group ? item->group->name : "") + "/" +
                        std::to_string(item->orderIndex));
    EXPECT_EQ(names, (std::vector<std::string>{"Member/Crew/4", "Solo//7", "A/Team/0", "B/Team/1",
                                               "C//9"}));
}

}  // namespace
