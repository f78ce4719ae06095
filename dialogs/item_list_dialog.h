#pragma once

// The resource list and the task list: groups with their items, flattened
// with indentation, to add, edit, delete, move (buttons, Alt with the arrow
// keys, or dragging) and sort. Every change runs one command; after it the
// list is read again and the touched entry stays selected.

#include <functional>
#include <optional>
#include <vector>

#include <QListWidget>
#include <QTimer>

#include "item_list_logic.h"
#include "support/setting_values.h"
#include "ui/dialog_base.h"

// A list whose lines move with Alt and the arrow keys (Up and Left up, Down
// and Right down) and by dragging one line onto another. While a drag rests
// at or past the top or bottom edge the list scrolls, so any line can be
// reached.
class CImageDragListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CImageDragListBox(QWidget* parent = nullptr);
    void SetMovesEnabled(bool on) { moves_ = on; }

signals:
    void moveUp();
    void moveDown();
    void dropped(int source, int target);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The line under the pointer becomes the drop place; the pointer
    // against an edge starts the scrolling (its timer stops it).
    void Track();
    // -1 up, +1 down, 0 where the pointer does not scroll the list.
    int ScrollDirection() const;

    bool moves_ = true;
    int dragSource_ = -1;
    bool dragging_ = false;   // the pointer went far enough from the press
    int marker_ = -1;
    QPoint pressAt_;
    QPoint pointer_;   // while dragging, in viewport coordinates
    QTimer scroll_;
};

struct ItemListTexts {
    unsigned caption, newItem, newGroup;
};
extern const ItemListTexts kResourceListTexts;
extern const ItemListTexts kTaskListTexts;

class CItemListDlg : public ui::DialogBase {
    Q_OBJECT
public:
    CItemListDlg(const ItemListTexts& texts, IItemListCommands& commands, SettingGetter settings,
                 QWidget* parent = nullptr);

    // The list and the buttons as the document is now; the entry to select
    // (none: the one selected, else the first).
    void Fill(std::optional<ListEntry> select = std::nullopt);
    int Selected() const;
    const std::vector<ListEntry>& Entries() const { return entries_; }

    void Add(bool group);
    void EditSelected();
    void DeleteSelected();
    void SortAll();
    // Runs the move a rule gives for the entries as they are.
    void Apply(const std::function<ListMove(const std::vector<ListEntry>&)>& rule);

protected:
    void OnInitDialog() override;

private:
    void UpdateButtons();
    // False, with the list read again, when the document changed behind the list.
    bool Current();
    void ShowAddMenu();

    const ItemListTexts& texts_;
    IItemListCommands& commands_;
    bool leftRight_;
    CImageDragListBox* list_;
    std::vector<ListEntry> entries_;
};
