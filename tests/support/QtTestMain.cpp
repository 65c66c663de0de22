// gtest's main with a QApplication on the offscreen platform, for the
// tests of real windows; SDL's dummy driver stands in for a sound card.
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// A test that ends the program leaves the application quitting: Qt then
// returns from every later event loop at once, and the next test's pauses
// and modal windows would not wait. Only a full exec() clears that state.
class FreshApplicationEachTest : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override
    {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QApplication::exec();
    }
};

}  // namespace

int main(int argc, char** argv)
{
    const std::string runtime = "/tmp/gorvak-test-runtime-" + std::to_string(::getuid());
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 0);
    // Never the developer's own settings.
    setenv("XDG_CONFIG_HOME", (runtime + "/config").c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("QT_SCALE_FACTOR", "1", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshApplicationEachTest);
    return RUN_ALL_TESTS();
}
