#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    // Whatever a test keeps in the user's profile goes to a configuration
    // directory of its own, never to the real user's.
    char configHome[] = "/tmp/qel-config-XXXXXX";
    if (mkdtemp(configHome) == nullptr) return 1;
    setenv("XDG_CONFIG_HOME", configHome, 1);
    int result;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    std::filesystem::remove_all(configHome);
    return result;
}
