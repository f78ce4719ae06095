#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "check_tree.h"
#include "ui/dialog_base.h"

namespace {

// The parent of the composite; records the notifications it gets.
class Host : public ui::DialogBase {
public:
    explicit Host(unsigned style) : composite(new CCheckButtonTreeCtrl(this, 1032, style)) {
        (new QVBoxLayout(this))->addWidget(composite);
    }
    bool OnCommand(int id, unsigned code, QWidget*) override {
        commands.push_back({id, code});
        return true;
    }
    CCheckButtonTreeCtrl* composite;
    std::vector<std::pair<int, unsigned>> commands;
};

// group (box) > member > grandchild, a member without a box, a second root.
struct Tree {
    explicit Tree(CCheckTreeCtrl* tree) {
        group = Add(tree, nullptr, "Group", CHECK_OFF);
        member = Add(tree, group, "Member", CHECK_OFF);
        grandchild = Add(tree, member, "Grandchild", CHECK_OFF);
        boxless = Add(tree, group, "Boxless", CHECK_NONE);
        other = Add(tree, group, "Other", CHECK_OFF);
        second = Add(tree, nullptr, "Second", CHECK_OFF);
        tree->ExpandAll(true);
    }
    static QTreeWidgetItem* Add(CCheckTreeCtrl* tree, QTreeWidgetItem* parent, const char* text, int state) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, text);
        CCheckTreeCtrl::SetCheckState(item, state);
        return item;
    }
    std::vector<QTreeWidgetItem*> All() const { return {group, member, grandchild, boxless, other, second}; }
    // The states in the order of All().
    std::string Checked() const {
        std::string out;
        for (QTreeWidgetItem* item : All()) out += std::to_string(CCheckTreeCtrl::GetCheckState(item));
        return out;
    }
    QTreeWidgetItem *group, *member, *grandchild, *boxless, *other, *second;
};

TEST(CheckTreeTest, SetCheckReachesDirectChildrenOnlyWhenAsked) {
    // States in the order group, member, grandchild, boxless, other, second.
    struct Case {
        const char* what;
        bool childrenOption;
        const char* before;   // states to start from
        int target;           // index of the item
        bool check;
        bool withChildren;
        bool result;
        const char* after;
    } cases[] = {
        {"group checks its direct children", true, "111011", 0, true, true, true, "221021"},
        {"children option off", false, "111011", 0, true, true, true, "211011"},
        {"without children", true, "111011", 0, true, false, true, "211011"},
        {"already checked: children untouched", true, "211011", 0, true, true, true, "211011"},
        {"unchecking reaches the children", true, "222022", 0, false, true, true, "112012"},
        {"no check box", true, "111011", 3, true, true, false, "111011"},
        {"leaf", true, "111011", 5, true, true, true, "111012"},
    };
    for (const Case& c : cases) {
        CCheckTreeCtrl tree;
        Tree t(&tree);
        tree.childrenOption = c.childrenOption;
        const auto items = t.All();
        for (std::size_t i = 0; i < items.size(); ++i) CCheckTreeCtrl::SetCheckState(items[i], c.before[i] - '0');
        EXPECT_EQ(tree.SetCheck(items[std::size_t(c.target)], c.check, c.withChildren), c.result) << c.what;
        EXPECT_EQ(t.Checked(), c.after) << c.what;
    }
    CCheckTreeCtrl tree;
    EXPECT_FALSE(tree.SetCheck(nullptr, true, true));
}

TEST(CheckTreeTest, CheckedItemsInPreOrderAndCheckAllSkipsBoxlessItems) {
    CCheckTreeCtrl tree;
    tree.childrenOption = true;
    Tree t(&tree);
    EXPECT_EQ(tree.GetFirstChecked(), nullptr);

    tree.CheckAll(true);
    EXPECT_EQ(t.Checked(), "222022");
    std::vector<QTreeWidgetItem*> order;
    for (auto* item = tree.GetFirstChecked(); item != nullptr; item = tree.GetNextChecked(item)) order.push_back(item);
    EXPECT_EQ(order, (std::vector<QTreeWidgetItem*>{t.group, t.member, t.grandchild, t.other, t.second}));

    // From the deepest item on to the next root; past the last, nothing.
    CCheckTreeCtrl::SetCheckState(t.group, CHECK_OFF);
    CCheckTreeCtrl::SetCheckState(t.other, CHECK_OFF);
    EXPECT_EQ(tree.GetFirstChecked(), t.member);
    EXPECT_EQ(tree.GetNextChecked(t.grandchild), t.second);
    EXPECT_EQ(tree.GetNextChecked(t.second), nullptr);

    tree.CheckAll(false);
    EXPECT_EQ(t.Checked(), "111011");
    EXPECT_EQ(tree.GetFirstChecked(), nullptr);

    tree.ExpandAll(false);
    EXPECT_FALSE(t.group->isExpanded());
    EXPECT_FALSE(t.member->isExpanded());
}

class CheckTreeUserTest : public ::testing::Test {
protected:
    CheckTreeUserTest() : host(CHECKTREE_CHILDREN), tree(host.composite->tree()), t(tree) {
        host.resize(300, 400);
        host.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&host));
        tree->setCurrentItem(t.second);
        host.commands.clear();
    }
    void ClickAt(QPoint at) { QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at); }
    QPoint LabelPoint(QTreeWidgetItem* item) {
        const QRect box = tree->CheckBoxRect(item);
        const QRect row = tree->visualItemRect(item);
        return QPoint(box.right() + tree->fontMetrics().horizontalAdvance(item->text(0)) / 2 + 6, row.center().y());
    }

    Host host;
    CCheckTreeCtrl* tree;
    Tree t;
};

TEST_F(CheckTreeUserTest, BoxClickTogglesWithoutSelectingLabelClickAlsoSelects) {
    ClickAt(tree->CheckBoxRect(t.group).center());
    EXPECT_EQ(t.Checked(), "221021");
    EXPECT_EQ(tree->currentItem(), t.second);
    EXPECT_TRUE(host.commands.empty());

    ClickAt(LabelPoint(t.member));
    EXPECT_EQ(t.Checked(), "211021");   // unchecked, and its child with it
    EXPECT_EQ(tree->currentItem(), t.member);
    // The selection change reaches the dialog as -402 from the composite.
    ASSERT_FALSE(host.commands.empty());
    EXPECT_EQ(host.commands.back(), std::make_pair(1032, CHECKTREE_SELCHANGE));

    // A boxless item's label only selects.
    ClickAt(LabelPoint(t.boxless));
    EXPECT_EQ(t.Checked(), "211021");
    EXPECT_EQ(tree->currentItem(), t.boxless);
}

// Only the box and the label's text toggle; the row to the right of a short
// label is empty space.
TEST_F(CheckTreeUserTest, OnlyTheBoxAndTheLabelTextToggle) {
    const auto textEnd = [this](QTreeWidgetItem* item) {
        return tree->CheckBoxRect(item).right() + tree->fontMetrics().horizontalAdvance(item->text(0));
    };
    const struct {
        const char* what;
        QTreeWidgetItem* item;
        int x;
        bool toggles;
    } cases[] = {
        {"the box", t.second, tree->CheckBoxRect(t.second).center().x(), true},
        {"the label's text", t.second, LabelPoint(t.second).x(), true},
        {"past the label's end", t.second, textEnd(t.second) + 30, false},
        {"the far right of the row", t.second, tree->viewport()->width() - 4, false},
        {"past the end of a child's label", t.other, textEnd(t.other) + 30, false},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.what);
        ASSERT_LT(textEnd(test.item) + 30, tree->viewport()->width() - 4);
        const bool before = tree->GetCheck(test.item);
        ClickAt(QPoint(test.x, tree->visualItemRect(test.item).center().y()));
        EXPECT_EQ(tree->GetCheck(test.item), test.toggles ? !before : before);
    }
}

TEST_F(CheckTreeUserTest, SpaceTogglesTheSelectedItemAndButtonsCheckEverything) {
    tree->setFocus();
    tree->setCurrentItem(t.group);
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_EQ(t.Checked(), "221021");
    EXPECT_EQ(tree->currentItem(), t.group);   // consumed: no keyboard search moved it

    auto* uncheck = static_cast<QPushButton*>(ui::FindControl(host.composite, IDC_CHECKTREE_UNCHECK_ALL));
    auto* check = static_cast<QPushButton*>(ui::FindControl(host.composite, IDC_CHECKTREE_CHECK_ALL));
    ASSERT_TRUE(uncheck && check);
    uncheck->click();
    EXPECT_EQ(t.Checked(), "111011");
    check->click();
    EXPECT_EQ(t.Checked(), "222022");

    host.composite->setEnabled(false);
    EXPECT_FALSE(tree->isEnabled());
    EXPECT_FALSE(check->isEnabled());
}

}  // namespace
