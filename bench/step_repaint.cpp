// How long a step takes to show at each zoom the screen holds: a real click
// into the real main window (fake sound, nothing found, so no pause), then
// the event loop until the window has repainted and handed its picture to
// the X server; and a repaint of the whole window.
#include "BenchGame.h"
#include "core/frmGorvak.h"
#include "sound/fake/FakeSound.h"
#include "ui/Clock.h"
#include "ui/fake/ScriptedRandom.h"
#include "ui/qt/QtForm.h"

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

double NowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// When the next paint, and what follows it in the same round of the event
// loop (the flush to the server), is over.
class Painted final : public QObject {
public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QMetaObject::invokeMethod(
                this, [this] { done = NowMs(); }, Qt::QueuedConnection);
        }
        return false;
    }
    double done = 0;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchWindows bench;
    ui::SystemClock clock;
    ui::ScriptedRandom random;
    sound::FakeSound sounds;
    frmGorvak game(Services{bench.windows, clock, random, sounds});
    Painted painted;
    bench.windows.Guard([&] {
        StartShown(game);
        QWidget* window = static_cast<ui::QtForm&>(game.form()).widget();
        window->installEventFilter(&painted);
        auto shown = [&](double since) {
            while (painted.done < since)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            return painted.done - since;
        };
        for (int zoom = 1; zoom <= bench.windows.LargestZoom(); ++zoom) {
            bench.windows.SetZoom(zoom);
            game.Delay(0.3);
            std::vector<double> steps;
            std::vector<double> whole;
            for (int trial = 0; trial < 41; ++trial) {
                game.stats.Attack = 100;
                game.stats.Pies = 9;  // no warning window in the way
                game.RoomItem.fill(ItemNone);
                random.PushDraw(10, 0);
                const QPointF at = QPointF(342, game.stats.CurrentRoom == 45 ? 286 : 242) * zoom;
                QMouseEvent press(QEvent::MouseButtonPress, at, window->mapToGlobal(at),
                                  Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
                double start = NowMs();
                QCoreApplication::sendEvent(window, &press);
                steps.push_back(shown(start));
                window->update();
                start = NowMs();
                whole.push_back(shown(start));
            }
            std::sort(steps.begin(), steps.end());
            std::sort(whole.begin(), whole.end());
            std::printf("zoom %d %dx%d: step to repaint median %.2f ms, worst %.2f ms;"
                        " whole window median %.2f ms\n",
                        zoom, window->width(), window->height(), steps[steps.size() / 2],
                        steps.back(), whole[whole.size() / 2]);
        }
    });
    return game.stats.CurrentRoom == 45 || game.stats.CurrentRoom == 55 ? 0 : 1;
}
