// One program instance as the guard sees it, driven by a test through its
// standard streams. Arguments: application name, then any of
//   --allow-multiple  go on even when another instance answers
//   --no-window       answer activation requests without a window
//   --hold            wait for a "publish" line before publishing
// It prints "locked", "running 0|1", then "activated 0|1" (and ends) or
// "published 0|1", then "activate-request" for each request it answers,
// until "quit" arrives or its input closes.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

#include "single_instance.h"

namespace {

void Say(const std::string& line) {
    std::cout << line << std::endl;
}

bool HasFlag(int argc, char** argv, const char* flag) {
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], flag) == 0) return true;
    }
    return false;
}

std::string ReadLine() {
    std::string line;
    if (!std::getline(std::cin, line)) return "quit";
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) return 64;
    const bool allowMultiple = HasFlag(argc, argv, "--allow-multiple");
    const bool window = !HasFlag(argc, argv, "--no-window");

    // Like the program's start-up, the guard lives only until publishing.
    auto guard = std::make_unique<CSingleInstance>(argv[1],
                                                   UserRuntimeDirectory(std::getenv("XDG_RUNTIME_DIR")));
    guard->Lock();
    Say("locked");
    const bool running = guard->IsAnotherInstanceRunning();
    Say(std::string("running ") + (running ? "1" : "0"));
    if (!allowMultiple && running) {
        Say(std::string("activated ") + (guard->ActivatePrevious() ? "1" : "0"));
        return 3;
    }
    if (HasFlag(argc, argv, "--hold") && ReadLine() != "publish") return 65;
    auto server = guard->Publish([window] {
        Say("activate-request");
        return window;
    });
    guard.reset();
    Say(std::string("published ") + (server ? "1" : "0"));

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        if (ReadLine() == "quit") app.quit();
    });
    return app.exec();
}
