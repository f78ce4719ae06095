#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QProcess>

#include "single_instance.h"
#include "testing/temp_directory.h"

namespace {

constexpr int kWaitMs = 10000;

// One started probe program (see instance_probe.cpp).
class Probe {
public:
    Probe(const QString& runtimeDir, QStringList args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtimeDir);
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QEL_INSTANCE_PROBE, QStringList{"TestApp"} + args);
    }
    ~Probe() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(kWaitMs);
        }
    }

    // The next line it prints, or "" when none comes within the time.
    std::string NextLine(int timeoutMs = kWaitMs) {
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(timeoutMs)) return "";
        }
        return process_.readLine().trimmed().toStdString();
    }
    void Tell(const char* line) {
        process_.write(line);
        process_.write("\n");
        process_.waitForBytesWritten(kWaitMs);
    }
    int ExitCode() {
        process_.waitForFinished(kWaitMs);
        return process_.exitCode();
    }
    void Kill() {
        process_.kill();
        process_.waitForFinished(kWaitMs);
    }

private:
    QProcess process_;
};

class SingleInstanceTest : public ::testing::Test {
protected:
    std::unique_ptr<Probe> Start(QStringList args = {}) {
        return std::make_unique<Probe>(QString::fromStdString(dir.path()), args);
    }
    // Starts a probe and waits until it has published (or failed to).
    std::unique_ptr<Probe> StartFirst(QStringList args = {}) {
        auto probe = Start(args);
        EXPECT_EQ(probe->NextLine(), "locked");
        EXPECT_EQ(probe->NextLine(), "running 0");
        EXPECT_EQ(probe->NextLine(), "published 1");
        return probe;
    }

    testing::TempDirectory dir;
};

TEST_F(SingleInstanceTest, SecondStartActivatesTheFirstAndEnds) {
    auto first = StartFirst();
    auto second = Start();
    EXPECT_EQ(second->NextLine(), "locked");
    EXPECT_EQ(second->NextLine(), "running 1");
    EXPECT_EQ(first->NextLine(), "activate-request");
    EXPECT_EQ(second->NextLine(), "activated 1");
    EXPECT_EQ(second->ExitCode(), 3);
}

TEST_F(SingleInstanceTest, SecondStartWaitsUntilTheFirstHasPublished) {
    auto first = Start({"--hold"});
    ASSERT_EQ(first->NextLine(), "locked");
    ASSERT_EQ(first->NextLine(), "running 0");
    auto second = Start();
    EXPECT_EQ(second->NextLine(500), "");   // still waiting for the lock

    first->Tell("publish");
    EXPECT_EQ(first->NextLine(), "published 1");
    EXPECT_EQ(second->NextLine(), "locked");
    EXPECT_EQ(second->NextLine(), "running 1");
    EXPECT_EQ(second->NextLine(), "activated 1");
}

TEST_F(SingleInstanceTest, InstanceWithoutWindowEndsTheSecondWithoutActivating) {
    auto first = StartFirst({"--no-window"});
    auto second = Start();
    second->NextLine();
    EXPECT_EQ(second->NextLine(), "running 1");
    EXPECT_EQ(second->NextLine(), "activated 0");
    EXPECT_EQ(second->ExitCode(), 3);
}

TEST_F(SingleInstanceTest, InstanceThatDiedLeavesNothingBehind) {
    auto first = StartFirst();
    first->Kill();   // no chance to clean up: lock and socket file stay behind

    auto next = StartFirst();
    auto third = Start();
    third->NextLine();
    EXPECT_EQ(third->NextLine(), "running 1");
    EXPECT_EQ(next->NextLine(), "activate-request");
}

TEST_F(SingleInstanceTest, InstanceThatQuitLeavesNothingBehind) {
    auto first = StartFirst();
    first->Tell("quit");
    EXPECT_EQ(first->ExitCode(), 0);
    StartFirst();
}

TEST_F(SingleInstanceTest, WithMultipleInstancesOnlyTheFirstPublishes) {
    auto first = StartFirst({"--allow-multiple"});
    auto second = Start({"--allow-multiple"});
    EXPECT_EQ(second->NextLine(), "locked");
    EXPECT_EQ(second->NextLine(), "running 1");
    EXPECT_EQ(second->NextLine(), "published 0");
    auto third = Start();
    third->NextLine();
    third->NextLine();
    EXPECT_EQ(third->NextLine(), "activated 1");
    EXPECT_EQ(first->NextLine(), "activate-request");
}

TEST_F(SingleInstanceTest, NoRuntimeDirectoryTurnsTheGuardOff) {
    CSingleInstance guard("TestApp", "");
    guard.Lock();
    EXPECT_FALSE(guard.IsAnotherInstanceRunning());
    EXPECT_FALSE(guard.ActivatePrevious());
    EXPECT_EQ(guard.Publish([] { return true; }), nullptr);
}

TEST_F(SingleInstanceTest, NamesStayInsideTheRuntimeDirectory) {
    CSingleInstance guard("../Plan Tool/x", dir.path());
    EXPECT_EQ(guard.LockPath(), dir.path() + "/Single_Instance_Checker_Mutex-.._Plan_Tool_x.lock");
    EXPECT_EQ(guard.SocketPath(), dir.path() + "/SINGLE_INSTANCE_MMF_.._Plan_Tool_x");
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    lstat(path.c_str(), &st);
    return st.st_mode;
}

TEST(UserRuntimeDirectoryTest, PrefersTheSessionDirectory) {
    testing::TempDirectory session;
    EXPECT_EQ(UserRuntimeDirectory(session.path().c_str(), "/nonexistent"), session.path());
}

TEST(UserRuntimeDirectoryTest, FallsBackToAPrivateDirectoryUnderTmp) {
    testing::TempDirectory tmp;
    const std::string expected = tmp.path() + "/qel-" + std::to_string(getuid());
    for (const char* session : {static_cast<const char*>(nullptr), "", "/nonexistent/run"}) {
        EXPECT_EQ(UserRuntimeDirectory(session, tmp.path()), expected) << (session ? session : "null");
        EXPECT_TRUE(S_ISDIR(ModeOf(expected)));
        EXPECT_EQ(ModeOf(expected) & 0777, 0700u);
    }
    chmod(expected.c_str(), 0777);
    EXPECT_EQ(UserRuntimeDirectory(nullptr, tmp.path()), expected);
    EXPECT_EQ(ModeOf(expected) & 0777, 0700u);
}

TEST(UserRuntimeDirectoryTest, RefusesALinkOrAFileInPlaceOfTheDirectory) {
    testing::TempDirectory tmp;
    testing::TempDirectory elsewhere;
    const std::string fallback = tmp.path() + "/qel-" + std::to_string(getuid());
    ASSERT_EQ(symlink(elsewhere.path().c_str(), fallback.c_str()), 0);
    EXPECT_EQ(UserRuntimeDirectory(nullptr, tmp.path()), "");
    unlink(fallback.c_str());
    tmp.Write("qel-" + std::to_string(getuid()), "x");
    EXPECT_EQ(UserRuntimeDirectory(nullptr, tmp.path()), "");
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
