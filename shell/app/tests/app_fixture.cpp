#include "app_fixture.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <QCoreApplication>
#include <QTest>

#include "main_frame.h"
#include "settings_store.h"
#include "qel_export.h"
#include "ui/prompts.h"
#include "ui/scripted_prompts.h"

// The plugins these tests load answer their questions from the test's
// scripted prompts: every copy of the prompts library finds this slot.
QEL_API ui::Prompts** QELUI_PromptsSlot() {
    static ui::Prompts* shared = nullptr;
    return &shared;
}

namespace apptest {

ProgramDirectory::ProgramDirectory(const std::vector<std::string>& leftOut) {
    char* cwd = getcwd(nullptr, 0);
    startDirectory_ = cwd != nullptr ? cwd : "/";
    std::free(cwd);
    const std::string libraries[] = {QEL_RES_LIBRARY, QEL_DATA_LIBRARY, QEL_CONTROLS_LIBRARY, QEL_DOCUMENT_LIBRARY,
                                     QEL_TRACE_PLUGIN};
    for (const std::string& library : libraries) {
        const std::string name = library.substr(library.rfind('/') + 1);
        bool skip = false;
        for (const std::string& left : leftOut) skip = skip || left == name;
        if (!skip && symlink(library.c_str(), (Path() + name).c_str()) != 0) std::perror(name.c_str());
    }
    setenv("QEL_TRACE_LOG", (Path() + "trace.log").c_str(), 1);
}

ProgramDirectory::~ProgramDirectory() {
    if (chdir(startDirectory_.c_str()) != 0) std::perror(startDirectory_.c_str());
    unsetenv("QEL_TRACE_LOG");
    unsetenv("QEL_TRACE_CONSUME");
    unsetenv("QEL_TRACE_REGISTER");
    unsetenv("QEL_TRACE_UPDATE");
}

void ProgramDirectory::Substitute(const std::string& name, const std::string& library) const {
    unlink((Path() + name).c_str());
    if (symlink(library.c_str(), (Path() + name).c_str()) != 0) std::perror(name.c_str());
}

void ProgramDirectory::UseRealPlugins() const {
    Substitute("Views.plugin", QEL_VIEWS_PLUGIN);
    Substitute("Reports.plugin", QEL_REPORTS_PLUGIN);
    Substitute("Import.plugin", QEL_IMPORT_PLUGIN);
}

void ProgramDirectory::WriteSettings(const std::string& text) const { dir_.Write("test.settings", text); }

std::vector<std::string> ProgramDirectory::Trace() const {
    std::ifstream in(Path() + "trace.log");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void ProgramDirectory::ClearTrace() const { std::remove((Path() + "trace.log").c_str()); }

AppEnvironment ProgramDirectory::Environment() const {
    AppEnvironment env;
    env.programDirectory = Path();
    env.startDirectory = startDirectory_;
    env.runtimeDirectory = runtime_.path();
    env.hiddenWindow = true;
    return env;
}

std::unique_ptr<CMainApp> StartShown(const ProgramDirectory& dir, int width, int height) {
    SettingsStore().Clear();
    auto app = std::make_unique<CMainApp>(dir.Environment());
    if (!app->InitInstance()) return nullptr;
    app->MainFrame()->resize(width, height);
    app->MainFrame()->show();
    return app;
}

void PassDragDelay() {
    QTest::qWait(400);
    QCoreApplication::processEvents();
}

void EndUnsaved(std::unique_ptr<CMainApp>& app) {
    {
        ui::ScriptedPrompts prompts;
        prompts.AnswerMessage(ui::IDNO);
        app->MainFrame()->close();
    }
    app->ExitInstance();
    app.reset();
    SettingsStore().Clear();
}

}  // namespace apptest
