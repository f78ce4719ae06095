#pragma once

// A tree whose items carry check boxes, with a "check all" and an "uncheck
// all" button below it. Dialogs place the composite like any control and
// reach the inner tree through tree().

#include <QTreeWidget>

#include "ui/win_types.h"

class QPushButton;

// Child ids of the composite.
inline constexpr int IDC_CHECKTREE_TREE = 100;
inline constexpr int IDC_CHECKTREE_CHECK_ALL = 101;
inline constexpr int IDC_CHECKTREE_UNCHECK_ALL = 102;

// Notification to the composite's parent: the tree's selection changed (-402).
inline constexpr unsigned CHECKTREE_SELCHANGE = unsigned(-402) & 0xFFFFu;

// Style bits of the composite.
inline constexpr unsigned CHECKTREE_NO_ROOT_LINES = 0x1;
inline constexpr unsigned CHECKTREE_CHILDREN = 0x2;   // a user's check reaches the direct children

// Check states (the item's state image).
inline constexpr int CHECK_NONE = 0;   // no check box
inline constexpr int CHECK_OFF = 1;
inline constexpr int CHECK_ON = 2;

class CCheckTreeCtrl : public QTreeWidget {
    Q_OBJECT
public:
    using Item = QTreeWidgetItem*;

    explicit CCheckTreeCtrl(QWidget* parent = nullptr);

    // When on, a user's check or uncheck also sets the item's direct children.
    bool childrenOption = false;

    static int GetCheckState(const QTreeWidgetItem* item);
    // The state as it is, with no propagation (filling the tree).
    static void SetCheckState(QTreeWidgetItem* item, int state);

    // False for no item or one without a check box. An item already in the
    // requested state is left alone, children included.
    bool SetCheck(Item item, bool check, bool withChildren);
    bool GetCheck(const QTreeWidgetItem* item) const;
    // Every item with a check box, without propagation.
    void CheckAll(bool check);
    // Checked items in depth-first pre-order; null after the last.
    Item GetFirstChecked() const;
    Item GetNextChecked(Item item) const;
    void ExpandAll(bool expand);

    // Where the item's check box is drawn, in viewport coordinates.
    QRect CheckBoxRect(const QTreeWidgetItem* item) const;

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QRect LabelRect(const QTreeWidgetItem* item) const;
};

class CCheckButtonTreeCtrl : public QWidget {
    Q_OBJECT
public:
    CCheckButtonTreeCtrl(QWidget* parent, int id, unsigned style = 0);

    CCheckTreeCtrl* tree() const { return tree_; }

private:
    CCheckTreeCtrl* tree_;
    QPushButton* checkAll_;
    QPushButton* uncheckAll_;
};

// The composite needs no registration; kept for the start-up sequence.
inline bool RegisterCheckButtonTreeClass() { return true; }
