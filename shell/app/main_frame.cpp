#include "main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QTimer>

#include "app_ids.h"
#include "command_text.h"
#include "data_change.h"
#include "data_status.h"
#include "host_undo_history.h"
#include "main_toolbar.h"
#include "main_view.h"
#include "password_dialogs.h"
#include "plan_data.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "plugin_manager.h"
#include "recent_files.h"
#include "settings_store.h"
#include "startup_logic.h"
#include "string_ids.h"
#include "support/paths.h"
#include "support/setting_values.h"
#include "ui/key_codes.h"
#include "ui/prompts.h"

namespace {

CMainFrame* g_frame = nullptr;

constexpr char kRoutedProperty[] = "qelRouted";
// How often the toolbar buttons follow their update handlers while the window shows.
constexpr int kIdleUpdateMilliseconds = 250;

struct Accelerator {
    int virtualKey;
    int modifiers;
    unsigned command;
};
constexpr Accelerator kAccelerators[] = {
    {'N', KEY_MODIFIER_CTRL, app_ids::ID_FILE_NEW},   {'O', KEY_MODIFIER_CTRL, app_ids::ID_FILE_OPEN},
    {'S', KEY_MODIFIER_CTRL, app_ids::ID_FILE_SAVE},  {'P', KEY_MODIFIER_CTRL, app_ids::ID_REPORT_PRINT},
    {'Z', KEY_MODIFIER_CTRL, app_ids::ID_UNDO},       {'Y', KEY_MODIFIER_CTRL, app_ids::ID_REDO},
    {'X', KEY_MODIFIER_CTRL, app_ids::ID_BOOKING_CUT}, {'C', KEY_MODIFIER_CTRL, app_ids::ID_BOOKING_COPY},
    {'V', KEY_MODIFIER_CTRL, app_ids::ID_BOOKING_PASTE}, {ui::VK_DELETE, 0, app_ids::ID_BOOKING_DELETE},
};

std::string AcceleratorText(unsigned command) {
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.command == command) return ShortcutText(accelerator.virtualKey, accelerator.modifiers);
    }
    return "";
}

unsigned CommandId(const QAction* item) {
    bool ok = false;
    const unsigned id = item->data().toUInt(&ok);
    return ok ? id : 0;
}

// Every item of the menu bar, its submenus included, and every toolbar button.
template <class Fn>
void ForEachAction(const QList<QAction*>& actions, const Fn& fn) {
    for (QAction* action : actions) {
        if (QMenu* menu = action->menu()) ForEachAction(menu->actions(), fn);
        fn(action);
    }
}

// The commands the frame runs itself; every other item of its menus and
// toolbar outside the plugins' range comes from the frame's command table.
bool IsTableCommand(unsigned id) {
    using namespace app_ids;
    if (id >= ID_FILE_MRU_FILE1 && id < ID_FILE_MRU_FILE1 + 16) return false;
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_FILE_SAVE:
    case ID_FILE_SAVE_AS:
    case ID_CHANGE_PASSWORD:
    case ID_DOCUMENT_PASSWORDS:
    case ID_EXPORT:
    case ID_REPORT_GLOBAL:
    case ID_REPORT_PREVIEW:
    case ID_REPORT_PRINT:
    case ID_UNDO:
    case ID_REDO:
    case ID_APP_EXIT:
    case ID_BASE_UNIT_COMBO: return false;
    default: return true;
    }
}

}  // namespace

CMainFrame::CMainFrame(CPlanData* data, CHostUndoHistory* history, CRecentFileList* recent,
                       std::string programDir)
    : data_(data), history_(history), recent_(recent), programDir_(std::move(programDir)),
      files_(data, *this) {
    setObjectName("CMainFrame");
    g_frame = this;
    Host().frame = this;
    qApp->installEventFilter(this);
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    if (Host().frame == this) Host().frame = nullptr;
    if (g_frame == this) g_frame = nullptr;
    SettingsStore().SetWindowPlacementHook({});
}

bool CMainFrame::Create() {
    BuildMenus();

    toolBar_ = new CMainToolBar(this);
    toolBar_->AddButtons([this](unsigned id) { return Action(id); });
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_->BaseUnitCombo(), &QComboBox::activated, this, &CMainFrame::OnBaseUnitChosen);

    const char* widthKeys[] = {"ViewMainWindowStatusBarWidth0", "ViewMainWindowStatusBarWidth1",
                               "ViewMainWindowStatusBarWidth2"};
    const int widthDefaults[] = {300, 150, 50};
    for (int pane = 0; pane < 3; ++pane) {
        panes_[pane] = new QLabel(this);
        panes_[pane]->setContentsMargins(4, 0, 4, 0);   // no text against a neighbour or the window's edge
        panes_[pane]->setMinimumWidth(std::max(0, IntSetting(widthKeys[pane], widthDefaults[pane])));
        if (pane == 0) statusBar()->addWidget(panes_[pane], 1);
        else statusBar()->addPermanentWidget(panes_[pane]);
    }

    view_ = new CQEL2View(this);
    setCentralWidget(view_);

    RegisterBookingFrameCommands(*this);
    RegisterItemFrameCommands(*this);
    RegisterViewFrameCommands(*this);
    RegisterOptionFrameCommands(*this);
    RegisterReportFrameCommands(*this);
    RegisterFilterFrameCommands(*this);
    RegisterHelpFrameCommands(*this);

    SettingsStore().SetWindowPlacementHook([this] { SaveWindowPlacement(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& session) {
        if (!files_.SaveModified()) session.cancel();
    });

    // The plugins create their view windows inside the main view.
    PluginManager().OnWindowInit(this, view_);
    PluginManager().OnToolbarInit(toolBar_);
    PluginManager().OnMenuInit(this, menuBar());
    RouteCommandItems();

    auto* idleUpdate = new QTimer(this);
    connect(idleUpdate, &QTimer::timeout, this, [this] {
        if (isVisible() && !isMinimized()) UpdateCommandStates();
    });
    idleUpdate->start(kIdleUpdateMilliseconds);
    return true;
}

QAction* CMainFrame::AddCommand(QMenu* menu, unsigned id) {
    const std::string resourceText = plat::LoadResString(id);
    QAction* action = menu->addAction(QString::fromStdString(CommandMenuText(resourceText, AcceleratorText(id))));
    const QString buttonText = QString::fromStdString(CommandButtonText(resourceText));
    action->setIconText(buttonText);
    action->setToolTip(buttonText);
    action->setData(id);
    actions_[id] = action;
    return action;
}

QList<QAction*> CMainFrame::BarItems() const {
    QList<QAction*> items = menuBar()->actions();
    if (toolBar_) items += toolBar_->actions();
    return items;
}

void CMainFrame::RouteCommandItems() {
    ForEachAction(BarItems(), [this](QAction* item) {
        if (item->property(kRoutedProperty).toBool()) return;
        if (QMenu* menu = item->menu()) {
            item->setProperty(kRoutedProperty, true);
            connect(menu, &QMenu::aboutToShow, this, [this] {
                RouteCommandItems();
                UpdateCommandStates();
            });
        } else if (CommandId(item) != 0) {
            item->setProperty(kRoutedProperty, true);
            connect(item, &QAction::triggered, this, [this, item] { OnCommand(CommandId(item)); });
        }
    });
}

void CMainFrame::BuildMenus() {
    using namespace app_ids;
    fileMenu_ = menuBar()->addMenu(QString::fromStdString(plat::LoadResString(MENU_FILE)));
    for (unsigned id : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS}) AddCommand(fileMenu_, id);
    fileMenu_->addSeparator();
    AddCommand(fileMenu_, ID_CHANGE_PASSWORD);
    AddCommand(fileMenu_, ID_DOCUMENT_PASSWORDS);
    fileMenu_->addSeparator();
    for (unsigned id : {ID_REPORT_PREVIEW, ID_REPORT_PRINT, ID_REPORT_GLOBAL}) AddCommand(fileMenu_, id);
    AddCommand(fileMenu_, ID_EXPORT);
    AddCommand(fileMenu_, ID_FILE_PRINT_SETUP);
    fileMenu_->addSeparator();
    AddCommand(fileMenu_, ID_COPY_FILE);
    fileMenu_->addSeparator();
    recentEnd_ = fileMenu_->addSeparator();
    AddCommand(fileMenu_, ID_APP_EXIT);
    // Before the items are routed and updated (RouteCommandItems).
    connect(fileMenu_, &QMenu::aboutToShow, this, &CMainFrame::BuildRecentFileItems);

    QMenu* edit = menuBar()->addMenu(QString::fromStdString(plat::LoadResString(MENU_EDIT)));
    AddCommand(edit, ID_UNDO);
    AddCommand(edit, ID_REDO);
    edit->addSeparator();
    for (unsigned id : {ID_BOOKING_NEW, ID_BOOKING_EDIT, ID_BOOKING_DELETE}) AddCommand(edit, id);
    edit->addSeparator();
    for (unsigned id : {ID_BOOKING_CUT, ID_BOOKING_COPY, ID_BOOKING_PASTE}) AddCommand(edit, id);
    edit->addSeparator();
    for (unsigned id : {ID_RESOURCE_LIST, ID_TASK_LIST, ID_WORKING_TIME}) AddCommand(edit, id);

    QMenu* view = menuBar()->addMenu(QString::fromStdString(plat::LoadResString(MENU_VIEW)));
    for (unsigned id = ID_VIEW_FIRST; id < ID_VIEW_FIRST + 3; ++id) AddCommand(view, id);
    view->addSeparator();
    for (unsigned id : {ID_GO_TO_TODAY, ID_CHOOSE_PERIOD, ID_VIEW_COMMAND}) AddCommand(view, id);
    view->addSeparator();
    for (unsigned id : {ID_FILTER_ON_OFF, ID_FILTER_DIALOG}) AddCommand(view, id);

    QMenu* options = menuBar()->addMenu(QString::fromStdString(plat::LoadResString(MENU_OPTIONS)));
    for (unsigned id : {ID_SCHEDULE_OPTIONS, ID_VIEW_OPTIONS, ID_UNITS_ON_SCREEN, ID_EDIT_SETTING}) {
        AddCommand(options, id);
    }

    QMenu* help = menuBar()->addMenu(QString::fromStdString(plat::LoadResString(MENU_HELP)));
    AddCommand(help, ID_HELP);
    AddCommand(help, ID_APP_ABOUT);
    UpdateUndoRedoMenu();
}

void CMainFrame::BuildRecentFileItems() {
    for (QAction* item : recentItems_) {
        fileMenu_->removeAction(item);
        delete item;
    }
    recentItems_.clear();
    const std::vector<std::string>& entries = recent_->Entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // An "&" of the path is shown, not taken for a mnemonic.
        const std::string path = QString::fromStdString(entries[i]).replace('&', "&&").toStdString();
        const std::string text = plat::FormatChecked(plat::LoadResString(ids::RECENT_FILE_ITEM), {int(i + 1), path});
        auto* item = new QAction(QString::fromStdString(text), fileMenu_);
        item->setData(app_ids::ID_FILE_MRU_FILE1 + unsigned(i));
        fileMenu_->insertAction(recentEnd_, item);
        recentItems_.push_back(item);
    }
}

void CMainFrame::OpenRecentFile(std::size_t index) {
    if (index >= recent_->Entries().size()) return;
    const std::string path = recent_->Entries()[index];
    if (PathExists(path, false)) {
        files_.OpenDocument(path);
    } else {
        ui::MessageBoxById(this, ids::FILE_NOT_FOUND, ui::MB_OK | ui::MB_ICONEXCLAMATION, {path});
    }
}

QAction* CMainFrame::Action(unsigned id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

QString CMainFrame::PaneText(int pane) const {
    return pane >= 0 && pane < 3 && panes_[pane] ? panes_[pane]->text() : QString();
}

void CMainFrame::LeavePreviewMode() {
    if (const std::function<void()> end = std::exchange(endPreview_, {})) end();
}

void CMainFrame::OnCommand(unsigned id) {
    LeavePreviewMode();
    if (id >= PLUGIN_COMMAND_FIRST_ID && id <= PLUGIN_COMMAND_LAST_ID) {
        PluginManager().RunCommand(id, this);
        return;
    }
    if (id >= app_ids::ID_FILE_MRU_FILE1 && id < app_ids::ID_FILE_MRU_FILE1 + 16) {
        OpenRecentFile(id - app_ids::ID_FILE_MRU_FILE1);
        return;
    }
    switch (id) {
    case app_ids::ID_FILE_NEW: files_.OnFileNew(); break;
    case app_ids::ID_FILE_OPEN: files_.OnFileOpen(); break;
    case app_ids::ID_FILE_SAVE:
        if (files_.CanSave()) files_.OnFileSave();
        break;
    case app_ids::ID_FILE_SAVE_AS:
        if (files_.CanSave()) files_.OnFileSaveAs();
        break;
    case app_ids::ID_CHANGE_PASSWORD: files_.OnChangePassword(); break;
    case app_ids::ID_DOCUMENT_PASSWORDS:
        if (files_.CanSave()) EditFilePassword(data_, this);
        break;
    case app_ids::ID_EXPORT: PluginManager().RunExport(); break;
    case app_ids::ID_REPORT_GLOBAL: PluginManager().RunGlobalReport(); break;
    case app_ids::ID_REPORT_PREVIEW: PluginManager().RunViewReport(PLUGIN_REPORT_MODE_PREVIEW); break;
    case app_ids::ID_REPORT_PRINT: PluginManager().RunViewReport(PLUGIN_REPORT_MODE_PRINT); break;
    case app_ids::ID_UNDO:
        history_->Undo(this);
        UpdateUndoRedoMenu();
        break;
    case app_ids::ID_REDO:
        history_->Redo(this);
        UpdateUndoRedoMenu();
        break;
    case app_ids::ID_APP_EXIT: close(); break;
    default: frameCommands_.Run(id); break;
    }
}

void CMainFrame::UpdateCommandStates() {
    const bool canSave = files_.CanSave();
    for (unsigned id : {app_ids::ID_FILE_SAVE, app_ids::ID_FILE_SAVE_AS, app_ids::ID_DOCUMENT_PASSWORDS}) {
        actions_.at(id)->setEnabled(canSave);
    }
    actions_.at(app_ids::ID_CHANGE_PASSWORD)->setEnabled(files_.CanReopen());
    actions_.at(app_ids::ID_EXPORT)->setEnabled(PluginManager().HasExport());
    actions_.at(app_ids::ID_UNDO)->setEnabled(history_->CanUndoRedo(true));
    actions_.at(app_ids::ID_REDO)->setEnabled(history_->CanUndoRedo(false));
    const int viewActive = IntSetting("ViewActive", -1);
    if (toolBar_) toolBar_->BaseUnitCombo()->setEnabled(viewActive == 0 || viewActive == 1);

    ForEachAction(BarItems(), [this](QAction* item) {
        if (const unsigned id = CommandId(item)) ApplyRoutedCommandState(item, id);
    });
}

// The report and plugin commands; any other item is left as it is.
void CMainFrame::ApplyRoutedCommandState(QAction* item, unsigned id) {
    switch (id) {
    case app_ids::ID_REPORT_GLOBAL: item->setEnabled(PluginManager().HasGlobalReport()); return;
    case app_ids::ID_REPORT_PREVIEW:
    case app_ids::ID_REPORT_PRINT: item->setEnabled(PluginManager().HasViewReport()); return;
    default: break;
    }
    if (id < PLUGIN_COMMAND_FIRST_ID || id > PLUGIN_COMMAND_LAST_ID) {
        if (IsTableCommand(id)) {
            item->setEnabled(frameCommands_.IsEnabled(id));
            const bool checkable = frameCommands_.Find(id) != nullptr && frameCommands_.Find(id)->checked;
            item->setCheckable(checkable);
            item->setChecked(frameCommands_.IsChecked(id));
        }
        return;
    }
    const std::optional<std::uint8_t> state = PluginManager().UpdateCommand(id, this);
    if (!state) return;
    const bool checked = (*state & PLUGIN_UPDATE_CHECKED) != 0;
    item->setEnabled((*state & PLUGIN_UPDATE_DISABLED) == 0);
    if (checked) item->setCheckable(true);
    item->setChecked(checked);
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(QString::fromStdString(TitleText(data_->GetFileName(), data_->IsModified(), data_->IsReadOnly())));
    const bool password = data_->properties != nullptr && data_->properties->passwordFlag != 0;
    if (panes_[2]) panes_[2]->setText(password ? QString::fromStdString(plat::LoadResString(ids::STATUS_PASSWORD)) : QString());
}

void CMainFrame::UpdateUndoRedoMenu() {
    actions_.at(app_ids::ID_UNDO)->setText(QString::fromStdString(UndoRedoMenuText(*history_, true)));
    actions_.at(app_ids::ID_REDO)->setText(QString::fromStdString(UndoRedoMenuText(*history_, false)));
    actions_.at(app_ids::ID_UNDO)->setEnabled(history_->CanUndoRedo(true));
    actions_.at(app_ids::ID_REDO)->setEnabled(history_->CanUndoRedo(false));
}

void CMainFrame::DataListener(std::uint32_t mask) {
    if (g_frame != nullptr) g_frame->OnPlanDataChanged(mask);
    else ApplyDataChange(mask);
}

void CMainFrame::OnPlanDataChanged(std::uint32_t mask) {
    UpdateTitle();
    UpdateUndoRedoMenu();
    UpdateCommandStates();
    ApplyDataChange(mask);
}

void CMainFrame::RestoreWindowPlacement(bool hidden) {
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1024, 768);
    std::vector<WindowRect> screens;   // the primary screen first
    for (const QScreen* each : QGuiApplication::screens()) {
        const QRect area = each->availableGeometry();
        screens.push_back({area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
    }
    const WindowRect rect =
        FitWindowRect(ParseWindowRect(GetSetting("ViewMainWindowRect"), screen.width(), screen.height()), screens);
    setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    const bool iconic = BoolSetting("ViewMainWindowIconic", false);
    const bool maximized = BoolSetting("ViewMainWindowMaximized", true);
    if (hidden) {
        hiddenStart_ = true;
        hide();
    } else if (iconic) {
        setWindowState(Qt::WindowMinimized | (maximized ? Qt::WindowMaximized : Qt::WindowNoState));
        show();
    } else if (maximized) {
        showMaximized();
    } else {
        showNormal();
    }
}

void CMainFrame::SaveWindowPlacement() {
    if (hiddenStart_) return;
    const Qt::WindowStates state = windowState();
    const bool iconic = state.testFlag(Qt::WindowMinimized);
    const bool maximized = state.testFlag(Qt::WindowMaximized);
    SetSetting("ViewMainWindowIconic", iconic ? "1" : "0");
    SetSetting("ViewMainWindowMaximized", maximized ? "1" : "0");
    const QRect normal = (iconic || maximized) ? normalGeometry() : geometry();
    SetSetting("ViewMainWindowRect",
               FormatWindowRect({normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()}));
}

void CMainFrame::SyncBaseUnitCombo() {
    if (toolBar_) toolBar_->BaseUnitCombo()->setCurrentIndex(IntSetting("ViewScheduleBaseUnit", 4));
}

void CMainFrame::OnBaseUnitChosen(int index) {
    if (QWidget* view = view_->VisibleView()) view->setFocus();
    if (index == IntSetting("ViewScheduleBaseUnit", 4)) return;
    SetSetting("ViewScheduleBaseUnit", std::to_string(index));
    QELA_OnSettingsChanged();
}

void CMainFrame::SetStatusBarText(std::string_view pane0, std::string_view pane1) {
    panes_[0]->setText(QString::fromUtf8(pane0.data(), qsizetype(pane0.size())));
    panes_[1]->setText(QString::fromUtf8(pane1.data(), qsizetype(pane1.size())));
}

bool CMainFrame::RunNamedCommand(HostCommand command, void* arg) {
    LeavePreviewMode();
    return namedCommands_.Run(command, arg);
}

void CMainFrame::ShowWaitCursor(bool on) {
    if (on) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void CMainFrame::ReloadSettings() {
    SyncBaseUnitCombo();
    UpdateCommandStates();
}

void CMainFrame::RegisterView(QelWnd window) { view_->RegisterView(window); }

bool CMainFrame::SendToVisibleView(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) {
    return view_->SendToVisibleView(message, wParam, lParam);
}

void CMainFrame::AddRecentFile(const std::string& path) { recent_->Add(path); }

std::optional<IFileCommandSite::Password> CMainFrame::AskPassword(const std::string& path) {
    CPasswordEntryDlg dialog(path, data_, this);
    if (dialog.DoModal() != ui::IDOK) return std::nullopt;
    return Password{dialog.password, dialog.readOnly};
}

void CMainFrame::FileOpened(int kind) {
    // The document's access is settled only once the file command is done.
    UpdateCommandStates();
    QELA_OnFileOpened(kind);
}

bool CMainFrame::OnMessage(unsigned message, ui::WPARAM wParam, ui::LPARAM, ui::LRESULT& result) {
    if (message != WM_COMMAND) return false;
    OnCommand(ui::LowWord(wParam));
    result = 0;
    return true;
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    // Keys for an open menu, context menu or list go to it alone, though the
    // window system may hand them to this window's focus widget first. A key
    // that closes it (Escape) arrives here as a key press afterwards, and is
    // not offered either.
    if (type == QEvent::ShortcutOverride && ui::MenuHasKeyboard()) {
        dispatched_ = DispatchedKey{key->key(), int(key->modifiers()), key->timestamp(), false};
        return false;
    }
    // Only where the key arrives first (the focus widget, else the window),
    // not again on its way up to the parents.
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr || target->window() != this) target = this;
    if (watched != target) return false;
    if (type == QEvent::ShortcutOverride) {
        // A shortcut (a menu's mnemonic) takes its key before the key press
        // arrives, so the key is dispatched now; accepting the override
        // keeps the shortcut from running when the key was handled.
        const bool handled = DispatchKey(key);
        dispatched_ = DispatchedKey{key->key(), int(key->modifiers()), key->timestamp(), handled};
        if (handled) event->accept();
        return handled;
    }
    if (dispatched_ && dispatched_->key == key->key() && dispatched_->modifiers == int(key->modifiers()) &&
        dispatched_->timestamp == key->timestamp()) {
        const bool handled = dispatched_->handled;
        dispatched_.reset();
        return handled;
    }
    return DispatchKey(key);
}

bool CMainFrame::DispatchKey(QKeyEvent* event) {
    const Qt::KeyboardModifiers held = event->modifiers();
    const int key = ui::VirtualKeyFromQt(event->key(), held.testFlag(Qt::KeypadModifier), event->nativeScanCode());
    if (key == 0 || key == ui::VK_SHIFT || key == ui::VK_CONTROL || key == ui::VK_MENU) return false;
    const int mask = (held.testFlag(Qt::AltModifier) ? KEY_MODIFIER_ALT : 0) |
                     (held.testFlag(Qt::ControlModifier) ? KEY_MODIFIER_CTRL : 0) |
                     (held.testFlag(Qt::ShiftModifier) ? KEY_MODIFIER_SHIFT : 0);
    if (PluginManager().OnKeyDispatch(key, mask)) return true;
    if ((mask & KEY_MODIFIER_CTRL) != 0 && (mask & KEY_MODIFIER_SHIFT) != 0 && key == 'A') {
        ui::MessageBoxById(this, ids::PROGRAM_DIRECTORY_INFO, ui::MB_OK | ui::MB_ICONINFORMATION,
                           {WithoutTrailingSlash(programDir_)});
        return true;
    }
    if (mask == KEY_MODIFIER_CTRL && key == 'F') {
        OnCommand(app_ids::ID_COPY_FILE);
        return true;
    }
    if (key == ui::VK_F1) {
        OnCommand(app_ids::ID_HELP);
        return true;
    }
    for (const Accelerator& accelerator : kAccelerators) {
        if (accelerator.virtualKey == key && accelerator.modifiers == mask) {
            OnCommand(accelerator.command);
            return true;
        }
    }
    return false;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!files_.SaveModified()) {
        event->ignore();
        return;
    }
    QELA_SaveSettings(GetSetting("InitializationFile").c_str(), 1);
    event->accept();
}
