// The planning program.

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>

#include "main_app.h"
#include "plat/files.h"
#include "single_instance.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    AppEnvironment environment;
    environment.programDirectory = plat::ProgramDirectory();
    // Taken before start-up changes to the program's directory.
    char* cwd = getcwd(nullptr, 0);
    environment.startDirectory = cwd != nullptr ? cwd : "";
    std::free(cwd);
    environment.arguments.assign(argv + 1, argv + argc);
    environment.runtimeDirectory = UserRuntimeDirectory(std::getenv("XDG_RUNTIME_DIR"));
    environment.shiftHeld = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);

    CMainApp app(std::move(environment));
    int result = 1;
    if (app.InitInstance()) result = QApplication::exec();
    app.ExitInstance();
    return result;
}
