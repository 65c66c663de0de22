// TERM, INT and HUP: caught from the first line of main, they only leave a
// note and wake the event loop, where the quit runs; never the signal's own
// ending, and never the quit inside the handler.
#include "ui/qt/QuitOnSignal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <csignal>

namespace {

// Runs the event loop until `quits` reaches `want`, or a generous bound.
void RunEventsUntil(const int& quits, int want)
{
    QElapsedTimer bound;
    bound.start();
    while (quits < want && bound.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    // Whatever else is queued, so that a second quit would show.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

class QuitOnSignalTest : public testing::Test {
protected:
    void TearDown() override
    {
        // Nothing of the test may outlive it: the test program ends on a
        // signal as programs do.
        ui::QuitOnSignals([] {});
        for (int s : {SIGINT, SIGTERM, SIGHUP}) std::signal(s, SIG_DFL);
    }
};

TEST_F(QuitOnSignalTest, EachSignalQuitsOnceFromTheEventLoop)
{
    ui::CatchQuitSignals();
    ui::CatchQuitSignals();  // a second call changes nothing
    int quits = 0;
    ui::QuitOnSignals([&quits] { ++quits; });
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
        const int before = quits;
        ASSERT_EQ(std::raise(s), 0) << "signal " << s;  // uncaught, it would end the test
        EXPECT_TRUE(ui::QuitSignalCaught());
        EXPECT_EQ(quits, before) << "the quit ran inside the handler for signal " << s;
        RunEventsUntil(quits, before + 1);
        EXPECT_EQ(quits, before + 1) << "signal " << s;
    }
}

TEST_F(QuitOnSignalTest, ASignalBeforeTheEventLoopExistsQuitsWhenItRuns)
{
    ui::CatchQuitSignals();
    ui::QuitOnSignals([] {});
    ASSERT_EQ(std::raise(SIGTERM), 0);
    // Start-up hands over to the windows only now; the signal still counts.
    int quits = 0;
    ui::QuitOnSignals([&quits] { ++quits; });
    RunEventsUntil(quits, 1);
    EXPECT_EQ(quits, 1);
}

TEST_F(QuitOnSignalTest, AStormOfSignalsQuitsOnce)
{
    ui::CatchQuitSignals();
    int quits = 0;
    ui::QuitOnSignals([&quits] { ++quits; });
    for (int i = 0; i < 200; ++i) ASSERT_EQ(std::raise(i % 2 ? SIGTERM : SIGHUP), 0);
    RunEventsUntil(quits, 1);
    EXPECT_EQ(quits, 1);
}

}  // namespace
