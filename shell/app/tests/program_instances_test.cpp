#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QThread>

#include "testing/temp_directory.h"

namespace {

constexpr int kWaitMs = 20000;

// A copy of the program in a directory of its own (the program finds its
// libraries beside its own file), with the tracing plugin.
class ProgramCopy {
public:
    ProgramCopy() {
        QFile::copy(QEL2_PROGRAM, QString::fromStdString(dir.File("QEL2")));
        QFile::setPermissions(QString::fromStdString(dir.File("QEL2")), QFile::ReadOwner | QFile::ExeOwner);
        for (const char* library : {QEL_RES_LIBRARY, QEL_DATA_LIBRARY, QEL_CONTROLS_LIBRARY, QEL_DOCUMENT_LIBRARY,
                                    QEL_TRACE_PLUGIN}) {
            const std::string path = library;
            if (symlink(library, dir.File(path.substr(path.rfind('/') + 1)).c_str()) != 0) std::perror(library);
        }
    }

    std::unique_ptr<QProcess> Start(const std::string& traceName) {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.path()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(config.path()));
        env.insert("QEL_TRACE_LOG", QString::fromStdString(dir.File(traceName)));
        env.insert("ASAN_OPTIONS", "detect_leaks=0");
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QString::fromStdString(dir.File("QEL2")), {});
        process->waitForStarted(kWaitMs);
        return process;
    }

    // Waits until the program has published itself to later starts.
    bool WaitUntilPublished() {
        const std::string socket = runtime.path() + "/SINGLE_INSTANCE_MMF_QEL_Planner";
        for (int i = 0; i < kWaitMs / 20; ++i) {
            if (access(socket.c_str(), F_OK) == 0) return true;
            QThread::msleep(20);
        }
        return false;
    }

    std::string Trace(const std::string& name) const {
        std::ifstream in(dir.File(name));
        std::string first;
        std::getline(in, first);
        return first;
    }

    testing::TempDirectory dir;
    testing::TempDirectory runtime;
    testing::TempDirectory config;
};

void Stop(QProcess& process) {
    process.terminate();
    if (!process.waitForFinished(kWaitMs)) process.kill();
    process.waitForFinished(kWaitMs);
}

TEST(ProgramInstancesTest, SecondStartEndsWhileTheFirstRuns) {
    ProgramCopy program;
    auto first = program.Start("first.log");
    ASSERT_TRUE(program.WaitUntilPublished());
    auto second = program.Start("second.log");
    ASSERT_TRUE(second->waitForFinished(kWaitMs));
    EXPECT_EQ(second->exitCode(), 1);
    EXPECT_EQ(program.Trace("second.log"), "");   // ended before loading any plugin
    EXPECT_FALSE(first->waitForFinished(200));   // still running
    Stop(*first);
}

TEST(ProgramInstancesTest, SettingsFileCanAllowMoreInstances) {
    ProgramCopy program;
    program.dir.Write("local.settings", "AllowMultipleInstances=yes\n");
    auto first = program.Start("first.log");
    ASSERT_TRUE(program.WaitUntilPublished());
    auto second = program.Start("second.log");
    for (int i = 0; i < kWaitMs / 20 && program.Trace("second.log").empty(); ++i) QThread::msleep(20);
    EXPECT_EQ(program.Trace("second.log"), "PluginInfo");
    EXPECT_FALSE(second->waitForFinished(200));
    Stop(*second);
    Stop(*first);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
