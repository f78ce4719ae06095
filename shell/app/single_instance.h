#pragma once

// Keeps one main program per user: a lock file in the user's runtime
// directory serialises the start-up of instances, and a local socket beside
// it, opened by the instance that published its window, lets a later start
// ask that instance to come to the front.

#include <functional>
#include <memory>
#include <string>

class QLocalServer;

// $XDG_RUNTIME_DIR when it names a directory, else <tmpBase>/qel-<uid>,
// created with mode 0700. An existing fallback directory must be a real
// directory owned by the user; its mode is tightened to 0700. "" when no
// safe directory can be had.
std::string UserRuntimeDirectory(const char* xdgRuntimeDir, const std::string& tmpBase = "/tmp");

// The instance that published its window: answers every later start by
// running the activation (which reports whether there was a window).
class CInstanceServer {
public:
    using Activate = std::function<bool()>;
    CInstanceServer(std::unique_ptr<QLocalServer> server, Activate activate);
    ~CInstanceServer();
    CInstanceServer(const CInstanceServer&) = delete;
    CInstanceServer& operator=(const CInstanceServer&) = delete;

private:
    void Answer();

    std::unique_ptr<QLocalServer> server_;
    Activate activate_;
};

class CSingleInstance {
public:
    // The names are scoped by the application name inside the user's
    // runtime directory; an empty directory turns the guard off (no
    // instance is ever found, nothing is published).
    CSingleInstance(const std::string& appName, const std::string& runtimeDirectory);
    // Releases the lock if held.
    ~CSingleInstance();
    CSingleInstance(const CSingleInstance&) = delete;
    CSingleInstance& operator=(const CSingleInstance&) = delete;

    // Takes the lock, waiting as long as another instance holds it.
    void Lock();
    bool IsAnotherInstanceRunning() const;
    // Asks the running instance to bring its window to the front; true when
    // it had one to activate.
    bool ActivatePrevious() const;
    // Starts answering later instances and releases the lock. Null (and
    // nothing published) when another instance already answers or the
    // socket cannot be opened. The server must live until the program ends.
    std::unique_ptr<CInstanceServer> Publish(CInstanceServer::Activate activate);

    const std::string& LockPath() const { return lockPath_; }
    const std::string& SocketPath() const { return socketPath_; }

private:
    void Unlock();

    std::string lockPath_;
    std::string socketPath_;
    int lockFd_ = -1;
};
