#pragma once

// The application object: start-up binds the resource library, the single-
// instance guard, the outside libraries, the plugins, the settings, the main
// window and the first document in a fixed order; exit undoes it in reverse,
// after a failed start too.

#include <memory>
#include <string>
#include <vector>

#include "plugin.h"
#include "recent_files.h"

class CHostUndoHistory;
class CInstanceServer;
class CMainFrame;
class CPlanData;
class CReportDocument;
class CSingleInstance;
class CUserProfile;
class QPrinter;

// What start-up takes from its surroundings.
struct AppEnvironment {
    std::string programDirectory;        // with a trailing '/'
    std::string startDirectory;          // the working directory at start
    std::vector<std::string> arguments;  // without the program's name
    std::string runtimeDirectory;        // for the single-instance guard ("" turns it off)
    bool shiftHeld = false;
    bool hiddenWindow = false;           // the main window starts hidden (tests)
};

class CMainApp {
public:
    explicit CMainApp(AppEnvironment environment);
    ~CMainApp();
    CMainApp(const CMainApp&) = delete;
    CMainApp& operator=(const CMainApp&) = delete;

    // False ends the program.
    bool InitInstance();
    // The main window goes before the rest.
    void DestroyMainFrame();
    void ExitInstance();

    std::string GetProgramDir(bool withoutSlash) const;
    const std::string& ProductName() const { return identity_.productName; }
    const std::string& ProductVersion() const { return identity_.productVersion; }
    const std::string& StartFile() const { return startFile_; }
    CMainFrame* MainFrame() const { return frame_.get(); }
    CPlanData* Data() const { return data_; }
    CReportDocument* ReportDocument() const { return reportDocument_; }
    QPrinter* Printer() const { return printer_.get(); }
    CUserProfile* Profile() const { return profile_.get(); }
    CRecentFileList& RecentFiles() { return recent_; }

private:
    bool LoadResources();
    void OpenProfile();
    bool CheckSingleInstance(bool allowMultiple);
    bool BindLibraries();
    void CompleteFormats();
    void HandFormatsToControls();
    void ChooseStartFileNow();
    bool CreateMainFrame();
    void* LoadOutsideLibrary(unsigned nameId);

    AppEnvironment env_;
    PluginHostIdentity identity_;   // from the program's version block
    std::string appName_;
    std::string profileKey_;
    std::string startFile_;
    void* resourceModule_ = nullptr;
    void* controlsModule_ = nullptr;
    void* dataModule_ = nullptr;
    void* documentModule_ = nullptr;
    CHostUndoHistory* history_ = nullptr;
    CPlanData* data_ = nullptr;
    CReportDocument* reportDocument_ = nullptr;
    std::unique_ptr<CSingleInstance> guard_;
    std::unique_ptr<CInstanceServer> instanceServer_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<CUserProfile> profile_;
    CRecentFileList recent_;
};
