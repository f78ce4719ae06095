#pragma once

// A program directory for start-up tests: the real libraries linked in from
// the build, the tracing plugin, settings files as a test writes them, and a
// log of the plugin's callbacks.

#include <memory>
#include <string>
#include <vector>

#include "main_app.h"
#include "testing/temp_directory.h"

namespace apptest {

class ProgramDirectory {
public:
    // Links every library of the build but those named in left out.
    explicit ProgramDirectory(const std::vector<std::string>& leftOut = {});
    ~ProgramDirectory();

    std::string Path() const { return dir_.path() + "/"; }
    // Puts another library under a library's name.
    void Substitute(const std::string& name, const std::string& library) const;
    // The views, reports and import plugins of the build in place of the tracing one.
    void UseRealPlugins() const;
    void WriteSettings(const std::string& text) const;
    // The callbacks the tracing plugin saw so far.
    std::vector<std::string> Trace() const;
    void ClearTrace() const;
    AppEnvironment Environment() const;

private:
    testing::TempDirectory dir_;
    testing::TempDirectory runtime_;
    std::string startDirectory_;
};

// Starts the program of the directory with a fresh settings store and shows
// its window at the size; null when the start-up fails.
std::unique_ptr<CMainApp> StartShown(const ProgramDirectory& dir, int width, int height);

// Holds the mouse past the views' drag delay. The timers that came due are
// run once more after the wait, for a loaded machine may have kept the test
// from running until the wait was over.
void PassDragDelay();

// Closes the program's window without saving the plan a test built there,
// ends the program and forgets the settings it kept.
void EndUnsaved(std::unique_ptr<CMainApp>& app);

}  // namespace apptest
