#pragma once

// The program's undo and redo lists. The data store pushes one entry per
// committed transaction and clears the lists when the document is replaced;
// the main window runs Undo and Redo and shows the next steps' names.

#include <string>
#include <vector>

#include "undo_history.h"

class QWidget;

class CHostUndoHistory final : public CUndoHistory {
public:
    ~CHostUndoHistory() override;

    void Clear() override;
    bool PushUndo(const UndoEntry* entry, bool clearRedo) override;
    bool PushRedo(const UndoEntry* entry) override;

    bool CanUndoRedo(bool undo) const;
    // The name of the next step, "" when there is none.
    std::string GetText(bool undo) const;
    // Replays the next step. A failed replay empties both lists, reports it
    // (stop icon, over parent) and gives false; an empty list or a step that
    // cannot be replayed gives true and changes nothing.
    bool Undo(QWidget* parent = nullptr);
    bool Redo(QWidget* parent = nullptr);

private:
    bool Replay(std::vector<UndoEntry>& list, bool undo, QWidget* parent);

    std::vector<UndoEntry> undo_;
    std::vector<UndoEntry> redo_;
};

// The text of the Undo or Redo menu item for the history's next step.
std::string UndoRedoMenuText(const CHostUndoHistory& history, bool undo);
