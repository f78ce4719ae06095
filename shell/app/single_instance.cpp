#include "single_instance.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>

namespace {

constexpr int kConnectMs = 2000;
constexpr int kAnswerMs = 10000;
constexpr char kRequest[] = "activate\n";

// The application name as one safe file-name component.
std::string FileNamePart(const std::string& appName) {
    std::string part;
    for (char c : appName.substr(0, 64)) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        part += safe ? c : '_';
    }
    return part;
}

bool IsDirectory(const char* path) {
    struct stat st {};
    return path != nullptr && *path != '\0' && stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string UserRuntimeDirectory(const char* xdgRuntimeDir, const std::string& tmpBase) {
    if (IsDirectory(xdgRuntimeDir)) return xdgRuntimeDir;
    const std::string dir = tmpBase + "/qel-" + std::to_string(getuid());
    if (mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return "";
    // Never a link or someone else's directory: the lock and the socket live here.
    struct stat st {};
    if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()) return "";
    if ((st.st_mode & 0777) != 0700 && chmod(dir.c_str(), 0700) != 0) return "";
    return dir;
}

CInstanceServer::CInstanceServer(std::unique_ptr<QLocalServer> server, Activate activate)
    : server_(std::move(server)), activate_(std::move(activate)) {
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] { Answer(); });
}

CInstanceServer::~CInstanceServer() = default;

void CInstanceServer::Answer() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->canReadLine()) return;
            const bool activate = socket->readLine() == kRequest;
            const bool activated = activate && activate_ && activate_();
            socket->write(activated ? "1\n" : "0\n");
            socket->flush();
            socket->disconnectFromServer();
        });
    }
}

CSingleInstance::CSingleInstance(const std::string& appName, const std::string& runtimeDirectory) {
    if (runtimeDirectory.empty()) return;
    const std::string part = FileNamePart(appName);
    lockPath_ = runtimeDirectory + "/Single_Instance_Checker_Mutex-" + part + ".lock";
    socketPath_ = runtimeDirectory + "/SINGLE_INSTANCE_MMF_" + part;
}

CSingleInstance::~CSingleInstance() { Unlock(); }

void CSingleInstance::Lock() {
    if (lockFd_ >= 0 || lockPath_.empty()) return;
    lockFd_ = open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd_ < 0) return;
    while (flock(lockFd_, LOCK_EX) != 0) {
        if (errno != EINTR) {
            Unlock();
            return;
        }
    }
}

void CSingleInstance::Unlock() {
    if (lockFd_ < 0) return;
    close(lockFd_);   // closing the descriptor releases the lock
    lockFd_ = -1;
}

bool CSingleInstance::IsAnotherInstanceRunning() const {
    if (socketPath_.empty()) return false;
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketPath_));
    const bool running = socket.waitForConnected(kConnectMs);
    socket.abort();
    return running;
}

bool CSingleInstance::ActivatePrevious() const {
    if (socketPath_.empty()) return false;
    QLocalSocket socket;
    socket.connectToServer(QString::fromStdString(socketPath_));
    if (!socket.waitForConnected(kConnectMs)) return false;
    socket.write(kRequest);
    if (!socket.waitForBytesWritten(kConnectMs)) return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs)) return false;
    }
    return socket.readLine() == "1\n";
}

std::unique_ptr<CInstanceServer> CSingleInstance::Publish(CInstanceServer::Activate activate) {
    if (socketPath_.empty() || IsAnotherInstanceRunning()) return nullptr;
    // A socket file nobody answers on was left by an instance that died; the
    // lock we hold keeps every other instance from racing us here.
    const QString name = QString::fromStdString(socketPath_);
    QLocalServer::removeServer(name);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) return nullptr;
    Unlock();
    return std::make_unique<CInstanceServer>(std::move(server), std::move(activate));
}
