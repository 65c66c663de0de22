// How long a step takes to show at each zoom: a real click into the real
// main window (fake sound, no pause after the step), then the event loop
// until the window has repainted and handed its picture to the X server.
// Also a whole repaint of the main window at each zoom.
#include "BenchGame.h"
#include "core/frmGorvak.h"
#include "sound/fake/FakeSound.h"
#include "ui/Clock.h"
#include "ui/fake/ScriptedRandom.h"
#include "ui/qt/QtForm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double NowMs()
{
    return std::chrono::duration<double, std::milli>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Notes when the window's next paint, and whatever follows it in the same
// round of the event loop (the flush to the server), is done.
class Painted final : public QObject {
public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !pending_) {
            pending_ = true;
            QMetaObject::invokeMethod(
                this, [this] { done = NowMs(), pending_ = false; }, Qt::QueuedConnection);
        }
        return false;
    }
    double done = 0;

private:
    bool pending_ = false;
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchWindows bench;
    ui::QtWindowSystem& windows = bench.windows;
    ui::SystemClock clock;
    ui::ScriptedRandom random;
    sound::FakeSound sounds;
    frmGorvak game(Services{windows, clock, random, sounds});
    Painted painted;
    int status = 0;
    windows.Guard([&] {
        StartShown(game);
        QWidget* window = static_cast<ui::QtForm&>(game.form()).widget();
        window->installEventFilter(&painted);
        auto settle = [&](double since) {
            painted.done = 0;
            while (painted.done < since)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            return painted.done - since;
        };
        for (int zoom = 1; zoom <= windows.LargestZoom(); ++zoom) {
            windows.SetZoom(zoom);
            game.Delay(0.3);
            std::vector<double> steps;
            std::vector<double> whole;
            for (int trial = 0; trial < 41; ++trial) {
                game.stats.Attack = 100;
                game.stats.Pies = 9;  // no low-pie warning in the way
                game.RoomItem.fill(ItemNone);
                random.PushDraw(10, 0);  // nothing turns up: no pause after the step
                const bool down = game.stats.CurrentRoom == 45;
                const QPointF at = QPointF(342, down ? 286 : 242) * zoom;
                QMouseEvent press(QEvent::MouseButtonPress, at, window->mapToGlobal(at),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                const double clicked = NowMs();
                QCoreApplication::sendEvent(window, &press);
                steps.push_back(settle(clicked));
                const double asked = NowMs();
                window->update();
                whole.push_back(settle(asked));
            }
            if (game.stats.CurrentRoom != 45 && game.stats.CurrentRoom != 55) status = 1;
            std::printf("zoom %d  window %dx%d  step to repaint: median %.2f ms, worst %.2f ms;"
                        " whole window: median %.2f ms\n",
                        zoom, window->width(), window->height(), Median(steps),
                        *std::max_element(steps.begin(), steps.end()), Median(whole));
        }
    });
    return status;
}
