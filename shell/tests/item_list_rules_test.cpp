#include <gtest/gtest.h>

#include "item_fixture.h"
#include "item_list_logic.h"
#include "tree_rows.h"

namespace {

using namespace itemtest;

std::vector<ListEntry> Entries(CPlanData* data) {
    std::vector<ListEntry> entries;
    for (const auto& [group, item] : ResourceTreeRows(data)) entries.push_back({group, item});
    return entries;
}

class ItemListRulesTest : public ItemCommandsTest {
public:
    // Runs the move the rule gives through the commands; the lists after it,
    // or "none" when the rule gives nothing to do.
    std::string Apply(const ListMove& move) {
        bool done = false;
        if (move.kind == ListMove::Kind::Item)
            done = commands.MoveItem(static_cast<CResource*>(move.record), move.index,
                                     static_cast<CResourceGroup*>(move.group));
        else if (move.kind == ListMove::Kind::Group)
            done = commands.MoveGroup(static_cast<CResourceGroup*>(move.record), move.index);
        const std::string order = done ? Order(data) : "none";
        if (done) {
            EXPECT_TRUE(history.Undo());
            EXPECT_EQ(Order(data), kStart);
        }
        history.Clear();
        return order;
    }
};

// The lines of the fixture's list:
// 0 A, 1 G1, 2 g1a, 3 g1b, 4 g1c, 5 B, 6 G2, 7 g2a, 8 C.
TEST_F(ItemListRulesTest, MovesUpAndDownCarryItemsIntoAndOutOfGroups) {
    const struct {
        const char* gesture;
        int line;
        const char* order;
    } cases[] = {
        {"up", 0, "none"},
        {"up", 1, "G1:0(g1a:0 g1b:1 g1c:2) A:1 B:2 G2:3(g2a:0) C:4"},
        {"up", 2, "A:0 g1a:1 G1:2(g1b:0 g1c:1) B:3 G2:4(g2a:0) C:5"},
        {"up", 3, "A:0 G1:1(g1b:0 g1a:1 g1c:2) B:2 G2:3(g2a:0) C:4"},
        {"up", 5, "A:0 G1:1(g1a:0 g1b:1 g1c:2 B:3) G2:2(g2a:0) C:3"},
        {"up", 6, "A:0 G1:1(g1a:0 g1b:1 g1c:2) G2:2(g2a:0) B:3 C:4"},
        {"up", 8, "A:0 G1:1(g1a:0 g1b:1 g1c:2) B:2 G2:3(g2a:0 C:1)"},
        {"down", 8, "none"},
        {"down", 0, "G1:0(A:0 g1a:1 g1b:2 g1c:3) B:1 G2:2(g2a:0) C:3"},
        {"down", 1, "A:0 B:1 G1:2(g1a:0 g1b:1 g1c:2) G2:3(g2a:0) C:4"},
        {"down", 2, "A:0 G1:1(g1b:0 g1a:1 g1c:2) B:2 G2:3(g2a:0) C:4"},
        {"down", 4, "A:0 G1:1(g1a:0 g1b:1) g1c:2 B:3 G2:4(g2a:0) C:5"},
        {"down", 6, "A:0 G1:1(g1a:0 g1b:1 g1c:2) B:2 C:3 G2:4(g2a:0)"},
        {"down", 7, "A:0 G1:1(g1a:0 g1b:1 g1c:2) B:2 G2:3() g2a:4 C:5"},
        {"into the group above", 5, "A:0 G1:1(g1a:0 g1b:1 g1c:2 B:3) G2:2(g2a:0) C:3"},
        {"into the group above", 0, "none"},
        {"out of the group", 3, "A:0 G1:1(g1a:0 g1c:1) g1b:2 B:3 G2:4(g2a:0) C:5"},
        {"out of the group", 5, "none"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.gesture) + " on line " + std::to_string(test.line));
        const auto entries = Entries(data);
        const std::string gesture = test.gesture;
        const ListMove move = gesture == "up"     ? MoveUp(entries, test.line)
                              : gesture == "down" ? MoveDown(entries, test.line)
                              : gesture == "out of the group" ? MoveOutOfGroup(entries, test.line)
                                                              : MoveIntoGroupAbove(entries, test.line);
        EXPECT_EQ(Apply(move), test.order);
    }
}

TEST_F(ItemListRulesTest, DropsFollowTheLineAboveTheTarget) {
    const struct {
        int source, target;
        const char* order;
    } cases[] = {
        // downwards: the line above the target decides
        {0, 1, "none"},
        {0, 3, "G1:0(g1a:0 A:1 g1b:2 g1c:3) B:1 G2:2(g2a:0) C:3"},
        {2, 5, "A:0 G1:1(g1b:0 g1c:1 g1a:2) B:2 G2:3(g2a:0) C:4"},
        {2, 6, "A:0 G1:1(g1b:0 g1c:1) B:2 g1a:3 G2:4(g2a:0) C:5"},
        {0, 8, "G1:0(g1a:0 g1b:1 g1c:2) B:1 G2:2(g2a:0 A:1) C:3"},
        {1, 8, "A:0 B:1 G2:2(g2a:0) G1:3(g1a:0 g1b:1 g1c:2) C:4"},
        {5, 7, "A:0 G1:1(g1a:0 g1b:1 g1c:2) G2:2(B:0 g2a:1) C:3"},
        // upwards: onto the first place, into a group, after a group's last item
        {8, 0, "C:0 A:1 G1:2(g1a:0 g1b:1 g1c:2) B:3 G2:4(g2a:0)"},
        {8, 3, "A:0 G1:1(g1a:0 C:1 g1b:2 g1c:3) B:2 G2:3(g2a:0)"},
        {8, 5, "A:0 G1:1(g1a:0 g1b:1 g1c:2 C:3) B:2 G2:3(g2a:0)"},
        {4, 2, "A:0 G1:1(g1c:0 g1a:1 g1b:2) B:2 G2:3(g2a:0) C:4"},
        {7, 1, "A:0 g2a:1 G1:2(g1a:0 g1b:1 g1c:2) B:3 G2:4() C:5"},
        {6, 0, "G2:0(g2a:0) A:1 G1:2(g1a:0 g1b:1 g1c:2) B:3 C:4"},
        {6, 3, "A:0 G1:1(g1a:0 g1b:1 g1c:2) G2:2(g2a:0) B:3 C:4"},
        {4, 4, "none"},
        {4, 9, "none"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE("drop line " + std::to_string(test.source) + " on line " + std::to_string(test.target));
        EXPECT_EQ(Apply(Drop(Entries(data), test.source, test.target)), test.order);
    }
}

std::string Shown(const ListButtons& b) {
    std::string text;
    const std::pair<bool, const char*> all[] = {{b.add, "add"},   {b.remove, "delete"},    {b.edit, "edit"},
                                                {b.up, "up"},     {b.down, "down"},        {b.intoGroup, "into"},
                                                {b.outOfGroup, "out"}, {b.sort, "sort"}};
    for (const auto& [on, name] : all)
        if (on) text += (text.empty() ? "" : " ") + std::string(name);
    return text;
}

TEST_F(ItemListRulesTest, ButtonsFollowTheSelection) {
    const struct {
        int line;
        bool readOnly;
        const char* shown;
    } cases[] = {
        {-1, false, "add sort"},
        {0, false, "add delete edit down sort"},
        {1, false, "add delete edit up down sort"},
        {2, false, "add delete edit up down out sort"},
        {5, false, "add delete edit up down into sort"},
        {7, false, "add delete edit up down out sort"},
        {8, false, "add delete edit up into sort"},
        {8, true, "edit"},
        {-1, true, ""},
    };
    const auto entries = Entries(data);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.line);
        EXPECT_EQ(Shown(ListButtonStates(entries, test.line, test.readOnly)), test.shown);
    }
    EXPECT_EQ(Shown(ListButtonStates({}, -1, false)), "add");
    EXPECT_EQ(Shown(ListButtonStates({}, 0, false)), "add") << "a line past an empty list is no selection";
}

// The places a new item or group takes from the selection.
TEST_F(ItemListRulesTest, AddPlacesFollowTheSelection) {
    const auto entries = Entries(data);
    const struct {
        int line;
        CNamedRecord* group;
        int32_t k, m, groupPosition;
    } cases[] = {
        {-1, nullptr, -1, -1, -1}, {1, g1, 2, 0, 2}, {3, g1, 2, 2, 2}, {5, nullptr, 3, -1, 3},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.line);
        const AddPlace place = AddPlaceOf(entries, test.line);
        EXPECT_EQ(place.group, test.group);
        EXPECT_EQ(place.k, test.k);
        EXPECT_EQ(place.m, test.m);
        EXPECT_EQ(place.groupPosition, test.groupPosition);
    }
}

// Moves on an empty list, or with no selection, give nothing to do.
TEST(ItemListRules, EmptyListsGiveNoMove) {
    const std::vector<ListEntry> none;
    for (int line : {-1, 0, 1}) {
        EXPECT_EQ(MoveUp(none, line), ListMove{});
        EXPECT_EQ(MoveDown(none, line), ListMove{});
        EXPECT_EQ(MoveIntoGroupAbove(none, line), ListMove{});
        EXPECT_EQ(MoveOutOfGroup(none, line), ListMove{});
        EXPECT_EQ(Drop(none, line, 0), ListMove{});
    }
}

}  // namespace
