#pragma once

// The main window: menu, toolbar with the base-unit combo, three-pane status
// bar and the plugins' views. It keeps the caption and the Undo/Redo items in
// step with the document, offers every key press to the plugins first, keeps
// its placement in the settings and asks to save the document when it closes.

#include <functional>
#include <map>
#include <optional>
#include <string>

#include <QMainWindow>

#include "file_commands.h"
#include "frame_commands.h"
#include "host_objects.h"
#include "ui/message.h"

class CHostUndoHistory;
class CMainToolBar;
class CQEL2View;
class CRecentFileList;
class QAction;
class QLabel;
class QMenu;

class CMainFrame : public ui::MessageWidget<QMainWindow>, public IHostFrame, public IFileCommandSite {
public:
    CMainFrame(CPlanData* data, CHostUndoHistory* history, CRecentFileList* recent, std::string programDir);
    ~CMainFrame() override;

    // The bars, then the plugins' window, toolbar and menu callbacks.
    bool Create();
    // The data store's listener: the window, then the program-wide objects.
    static void DataListener(std::uint32_t mask);
    void OnPlanDataChanged(std::uint32_t mask);

    void UpdateTitle() override;
    void UpdateUndoRedoMenu();
    // Every menu item and toolbar button with a command, the plugins' included,
    // takes the state its update handler gives.
    void UpdateCommandStates();
    void RestoreWindowPlacement(bool hidden);
    void SaveWindowPlacement();
    void SyncBaseUnitCombo();
    // Runs a command of the menus, toolbar or keys by identifier.
    void OnCommand(unsigned id);
    // While the print preview shows: how to end it (empty when none shows).
    // A command that reaches the window then ends the preview first and runs
    // on the views, so nothing changes the plan behind the preview.
    void SetPreviewMode(std::function<void()> endPreview) { endPreview_ = std::move(endPreview); }

    CFileCommands& Files() { return files_; }
    CFrameCommandTable& FrameCommands() { return frameCommands_; }
    CNamedCommandTable& NamedCommands() { return namedCommands_; }
    CPlanData* Data() const { return data_; }
    // With its trailing '/'.
    const std::string& ProgramDir() const { return programDir_; }
    CMainToolBar* ToolBar() const { return toolBar_; }
    CQEL2View* View() const { return view_; }
    QAction* Action(unsigned id) const;
    QString PaneText(int pane) const;

    // IHostFrame
    QelWnd Window() override { return this; }
    void SetStatusBarText(std::string_view pane0, std::string_view pane1) override;
    bool RunNamedCommand(HostCommand command, void* arg) override;
    void RunFrameCommand(unsigned id) override { OnCommand(id); }
    void ShowWaitCursor(bool on) override;
    void ReloadSettings() override;
    void RegisterView(QelWnd window) override;
    bool SendToVisibleView(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;

    // IFileCommandSite
    void AddRecentFile(const std::string& path) override;
    std::optional<Password> AskPassword(const std::string& path) override;
    void FileOpened(int kind) override;

protected:
    bool OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    void BuildRecentFileItems();
    QAction* AddCommand(QMenu* menu, unsigned id);
    // The menu bar's menus and the toolbar's buttons.
    QList<QAction*> BarItems() const;
    // Menu items and toolbar buttons carry their command identifier as their
    // data; each one triggered runs OnCommand, the plugins' items too.
    void RouteCommandItems();
    void ApplyRoutedCommandState(QAction* item, unsigned id);
    bool DispatchKey(QKeyEvent* event);
    void OnBaseUnitChosen(int index);
    void OpenRecentFile(std::size_t index);
    void LeavePreviewMode();

    CPlanData* data_;
    CHostUndoHistory* history_;
    CRecentFileList* recent_;
    std::string programDir_;
    CFileCommands files_;
    CFrameCommandTable frameCommands_;
    CNamedCommandTable namedCommands_;
    CMainToolBar* toolBar_ = nullptr;
    CQEL2View* view_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentEnd_ = nullptr;   // the separator after the recent files
    std::map<unsigned, QAction*> actions_;
    std::vector<QAction*> recentItems_;
    QLabel* panes_[3] = {};
    bool hiddenStart_ = false;
    std::function<void()> endPreview_;
    // A key dispatched on its way to a shortcut, so that its key press is not dispatched again.
    struct DispatchedKey {
        int key;
        int modifiers;
        std::uint64_t timestamp;
        bool handled;
    };
    std::optional<DispatchedKey> dispatched_;
};
