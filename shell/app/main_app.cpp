#include "main_app.h"

#include <unistd.h>

#include <QApplication>
#include <QPrinter>

#include "booking_clipboard.h"
#include "controls_api.h"
#include "host_objects.h"
#include "host_undo_history.h"
#include "main_frame.h"
#include "option_keys.h"
#include "plan_data.h"
#include "plat/dynlib.h"
#include "plat/files.h"
#include "plat/locale_info.h"
#include "plat/resource_strings.h"
#include "plugin_api.h"
#include "plugin_manager.h"
#include "report_document.h"
#include "resource_library.h"
#include "settings_store.h"
#include "single_instance.h"
#include "startup_logic.h"
#include "string_ids.h"
#include "support/locale_names.h"
#include "support/paths.h"
#include "support/setting_values.h"
#include "ui/prompts.h"
#include "user_profile.h"

namespace {

constexpr char kResourceLibrary[] = "libQELRes.so";
constexpr char kResourceMissing[] = "Resource file not found.";
constexpr std::size_t kRecentFiles = 4;

using DllGetDocumentFn = CReportDocument* (*)(int);
using DllFreeDocumentFn = void (*)();

template <class Fn>
Fn Symbol(void* module, const char* name) {
    return module != nullptr ? reinterpret_cast<Fn>(plat::GetSymbol(module, name)) : nullptr;
}

void LibraryMessage(unsigned stringId, const std::string& fileName) {
    ui::MessageBoxById(nullptr, stringId, ui::MB_OK | ui::MB_ICONSTOP, {fileName});
}

// What a later start asks of this one: the window, restored when minimised,
// or the dialog it is running, to the front.
bool BringToFront(QWidget* frame) {
    if (frame->isMinimized()) frame->setWindowState(frame->windowState() & ~Qt::WindowMinimized);
    frame->show();
    QWidget* front = QApplication::activeModalWidget() != nullptr ? QApplication::activeModalWidget() : frame;
    front->raise();
    front->activateWindow();
    // Where the window system refuses to hand over the focus, ask for attention.
    QApplication::alert(front);
    return true;
}

}  // namespace

CMainApp::CMainApp(AppEnvironment environment) : env_(std::move(environment)), recent_(kRecentFiles) {}

CMainApp::~CMainApp() = default;

std::string CMainApp::GetProgramDir(bool withoutSlash) const {
    return withoutSlash ? WithoutTrailingSlash(env_.programDirectory) : env_.programDirectory;
}

bool CMainApp::InitInstance() {
    // The guard holds its lock until start-up returns, however it returns.
    struct ReleaseGuard {
        std::unique_ptr<CSingleInstance>& guard;
        ~ReleaseGuard() { guard.reset(); }
    } releaseGuard{guard_};

    if (chdir(env_.programDirectory.c_str()) != 0) std::perror(env_.programDirectory.c_str());
    identity_ = ReadHostIdentity(nullptr);
    if (!LoadResources()) return false;
    identity_.resources = resourceModule_;

    OpenProfile();

    // Two keys are taken from the settings files before the store is filled:
    // whether another instance may run, and which INI file the settings are
    // read from (both would otherwise be known only after they are needed).
    CSettingsStore early;
    early.LoadSettingsFiles(env_.programDirectory);
    if (!CheckSingleInstance(ParseBool(early.GetSetting("AllowMultipleInstances"), false))) return false;
    g_localeNames.Load(resourceModule_);
    if (!BindLibraries()) return false;

    PluginManager().LoadAll(FindPluginCandidates(env_.programDirectory), identity_);
    PluginManager().OnStart(data_);
    std::string iniFile = GetSetting("InitializationFile");
    if (iniFile.empty()) iniFile = early.GetSetting("InitializationFile");
    QELA_LoadSettings(iniFile.c_str());
    SettingsStore().LoadSettingsFiles(env_.programDirectory);
    CompleteFormats();
    PluginManager().OnInitialized();
    CreateBookingClipboard();
    HandFormatsToControls();
    PluginManager().OnRegister();
    ChooseStartFileNow();

    if (!CreateMainFrame()) return false;
    QELA_OnSettingsChanged();
    frame_->RestoreWindowPlacement(env_.hiddenWindow);
    data_->AddListener(&CMainFrame::DataListener);

    printer_ = std::make_unique<QPrinter>();
    if (BoolSetting("PrinterInitOrientation", true)) {
        printer_->setPageOrientation(IntSetting("PrinterOrientation", 2) == 1 ? QPageLayout::Portrait
                                                                              : QPageLayout::Landscape);
    }
    Host().printer = printer_.get();
    SetSetting("ViewActive", std::to_string(ParseInt(GetSetting("ViewActive"), 0)));
    QELA_OnViewChanged();

    if (!startFile_.empty()) frame_->Files().OpenDocument(startFile_);
    else frame_->UpdateTitle();

    if (guard_) {
        CMainFrame* frame = frame_.get();
        instanceServer_ = guard_->Publish([frame] { return BringToFront(frame); });
    }
    return true;
}

bool CMainApp::LoadResources() {
    resourceModule_ = plat::LoadLibrary(env_.programDirectory + kResourceLibrary);
    auto getString = Symbol<QELResGetStringFn>(resourceModule_, QELRES_GETSTRING_SYMBOL);
    if (getString == nullptr) {
        ui::CurrentPrompts().MessageBox(nullptr, kResourceMissing, std::string(), ui::MB_OK | ui::MB_ICONSTOP);
        return false;
    }
    plat::SetResourceModule(resourceModule_);
    return true;
}

void CMainApp::OpenProfile() {
    appName_ = plat::LoadResString(ids::APP_TITLE);
    profileKey_ = plat::LoadResString(ids::PROFILE_KEY);
    QCoreApplication::setApplicationName(QString::fromStdString(appName_));
    QCoreApplication::setOrganizationName(QString::fromStdString(profileKey_));
    profile_ = std::make_unique<CUserProfile>(profileKey_, appName_);
    plat::SetCurrentProfile(profile_.get());
    recent_.Load(profile_->Settings());
    // The option dialogs' keys travel with every settings load and save.
    const SettingGetter get = [](std::string_view key) { return SettingsStore().GetSetting(key); };
    const SettingSetter set = [](std::string_view key, std::string_view value) { SettingsStore().SetSetting(key, value); };
    SettingsStore().SetDialogKeyHooks({
        [get, set](const std::string& iniPath) { ReadOptionSettings(get, set, iniPath); },
        [get](const std::string& iniPath) { WriteOptionSettings(get, iniPath); },
    });
}

bool CMainApp::CheckSingleInstance(bool allowMultiple) {
    guard_ = std::make_unique<CSingleInstance>(appName_, env_.runtimeDirectory);
    guard_->Lock();
    if (!allowMultiple && guard_->IsAnotherInstanceRunning()) {
        guard_->ActivatePrevious();
        return false;
    }
    return true;
}

void* CMainApp::LoadOutsideLibrary(unsigned nameId) {
    const std::string name = plat::LoadResString(nameId);
    void* module = name.empty() ? nullptr : plat::LoadLibrary(env_.programDirectory + name);
    if (module == nullptr) {
        std::fprintf(stderr, "%s: %s\n", name.c_str(), plat::LastLibraryError().c_str());
        LibraryMessage(ids::LIBRARY_NOT_LOADED, name);
    }
    return module;
}

bool CMainApp::BindLibraries() {
    controlsModule_ = LoadOutsideLibrary(ids::LIBRARY_CONTROLS);
    if (controlsModule_ == nullptr) return false;
    if (auto setResources = Symbol<SpccSetAppResHandleFn>(controlsModule_, SPCC_SETAPPRESHANDLE_SYMBOL)) {
        setResources(resourceModule_);
    }

    dataModule_ = LoadOutsideLibrary(ids::LIBRARY_DATA);
    if (dataModule_ == nullptr) return false;
    if (auto getData = Symbol<DllGetDataFn>(dataModule_, "DllGetData")) {
        history_ = new CHostUndoHistory;
        data_ = getData(history_);
    }
    if (data_ == nullptr) {
        LibraryMessage(ids::LIBRARY_NO_ENTRY, plat::LoadResString(ids::LIBRARY_DATA));
        return false;
    }
    Host().data = data_;
    Host().publicFilter = data_->filters->Create();

    documentModule_ = LoadOutsideLibrary(ids::LIBRARY_REPORT_DOCUMENT);
    if (documentModule_ == nullptr) return false;
    if (auto getDocument = Symbol<DllGetDocumentFn>(documentModule_, "DllGetDocument")) {
        reportDocument_ = getDocument(0);
    }
    if (reportDocument_ == nullptr) {
        LibraryMessage(ids::LIBRARY_NO_ENTRY, plat::LoadResString(ids::LIBRARY_REPORT_DOCUMENT));
        return false;
    }
    Host().reportDocument = reportDocument_;
    return true;
}

void CMainApp::CompleteFormats() {
    if (GetSetting("DateFormat").empty()) {
        const std::string day = GetSetting("DateFormatDay");
        const std::string month = GetSetting("DateFormatMonth");
        const std::string year = GetSetting("DateFormatYear");
        SetSetting("DateFormat", CompleteDateFormat(day.empty() ? "d" : day, month.empty() ? "M" : month,
                                                    year.empty() ? "yyyy" : year, plat::CurrentLocale()));
    }
    if (GetSetting("TimeFormat").empty()) SetSetting("TimeFormat", CompleteTimeFormat(plat::CurrentLocale()));
}

void CMainApp::HandFormatsToControls() {
    const std::string date = GetSetting("DateFormat");
    const std::string time = GetSetting("TimeFormat");
    auto setDate = Symbol<SpccSetFormatFn>(controlsModule_, SPCC_SETDATEFORMAT_SYMBOL);
    auto setTime = Symbol<SpccSetFormatFn>(controlsModule_, SPCC_SETTIMEFORMAT_SYMBOL);
    if (setDate && !date.empty()) setDate(date.c_str());
    if (setTime && !time.empty()) setTime(time.c_str());
    // Numbers are read in the program's locale, the one its dates follow.
    if (auto setNumbers = Symbol<SpccSetNumberFormatFn>(controlsModule_, SPCC_SETNUMBERFORMAT_SYMBOL)) {
        const plat::LocaleInfo& locale = plat::CurrentLocale();
        setNumbers(locale.decimalSeparator.c_str(), locale.groupSeparator.c_str());
    }
}

void CMainApp::ChooseStartFileNow() {
    StartFileInputs in;
    in.fileOpenOnStart = GetSetting("FileOpenOnStart");
    in.fileOpenLast = BoolSetting("FileOpenLast", true);
    in.mostRecentFile = recent_.First();
    in.commandLineFile = CommandLineFile(env_.arguments, env_.startDirectory);
    in.shiftHeld = env_.shiftHeld;
    // A folder exists too: opening it says it cannot be opened, not that it is missing.
    const StartFileChoice choice =
        ChooseStartFile(in, [](const std::string& p) { return plat::GetPathKind(p) != plat::PathKind::Missing; });
    if (!choice.missingFile.empty()) {
        ui::MessageBoxById(nullptr, ids::FILE_NOT_FOUND, ui::MB_OK | ui::MB_ICONEXCLAMATION, {choice.missingFile});
    }
    startFile_ = choice.file;
}

bool CMainApp::CreateMainFrame() {
    frame_ = std::make_unique<CMainFrame>(data_, history_, &recent_, env_.programDirectory);
    if (frame_->Create()) return true;
    frame_.reset();
    return false;
}

void CMainApp::DestroyMainFrame() {
    if (frame_ && profile_) recent_.Save(profile_->Settings());
    frame_.reset();
}

void CMainApp::ExitInstance() {
    DestroyMainFrame();
    delete static_cast<CUndoHistory*>(history_);
    history_ = nullptr;
    HostObjects& host = Host();
    DeleteBookingClipboard();
    if (host.publicFilter != nullptr) host.publicFilter->Delete();
    host.publicFilter = nullptr;
    PluginManager().OnExit();
    PluginManager().UnloadAll();

    host.data = nullptr;
    data_ = nullptr;
    if (dataModule_ != nullptr) {
        if (auto freeData = Symbol<DllFreeDataFn>(dataModule_, "DllFreeData")) freeData();
        plat::FreeLibrary(dataModule_);
        dataModule_ = nullptr;
    }
    host.reportDocument = nullptr;
    reportDocument_ = nullptr;
    if (documentModule_ != nullptr) {
        if (auto freeDocument = Symbol<DllFreeDocumentFn>(documentModule_, "DllFreeDocument")) freeDocument();
        plat::FreeLibrary(documentModule_);
        documentModule_ = nullptr;
    }
    if (controlsModule_ != nullptr) plat::FreeLibrary(controlsModule_);
    controlsModule_ = nullptr;
    instanceServer_.reset();
    host.printer = nullptr;
    printer_.reset();
    SettingsStore().SetDialogKeyHooks({});
    if (profile_) {
        plat::SetCurrentProfile(nullptr);
        profile_.reset();   // written to its file here
    }
    if (resourceModule_ != nullptr) {
        plat::SetResourceModule(nullptr);
        plat::FreeLibrary(resourceModule_);
        resourceModule_ = nullptr;
    }
}
