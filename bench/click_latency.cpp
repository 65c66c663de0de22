// Time from a map click to the walking sound's first samples reaching the
// mixer: a real mouse event into the real main window, the real sound
// device (dummy driver), and the mixer's count of the frames it has mixed.
#include "BenchGame.h"
#include "core/frmGorvak.h"
#include "sound/DeviceSound.h"
#include "ui/Clock.h"
#include "ui/fake/ScriptedRandom.h"
#include "ui/qt/GameFont.h"
#include "ui/qt/QtForm.h"
#include "ui/qt/QtPictures.h"
#include "ui/qt/QtWindowSystem.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

long long NowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchWindows bench;
    ui::QtWindowSystem& windows = bench.windows;
    ui::SystemClock clock;
    ui::ScriptedRandom random;
    sound::DeviceSound sounds(bench.home.filePath(QStringLiteral("audio")).toStdString());
    if (sounds.LoadSounds() != sound::LoadResult::Loaded) return 1;
    frmGorvak game(Services{windows, clock, random, sounds});
    std::vector<double> ms;
    windows.Guard([&] {
        StartShown(game);
        game.Delay(0.3);
        QWidget* window = static_cast<ui::QtForm&>(game.form()).widget();
        for (int trial = 0; trial < 25; ++trial) {
            game.stats.CurrentRoom = 45;
            game.stats.Attack = 100;
            game.stats.Pies = 9;  // no low-pie warning window in the way
            game.RoomItem.fill(ItemNone);
            random.PushDraw(10, 0);  // nothing turns up: no pause after the step
            while (sounds.IsPlaying(sound::Sound::sndWalk)) game.Delay(0.01);  // a fresh start
            const QPointF at(342, 286);  // room 55, through room 45's south door
            QMouseEvent press(QEvent::MouseButtonPress, at, window->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            const long long clicked = NowNs();
            QCoreApplication::sendEvent(window, &press);
            long long firstSamples = 0;
            for (int i = 0; i < 5000 && firstSamples == 0; ++i) {
                if (sounds.FramesMixed(sound::Sound::sndWalk) > 0) firstSamples = NowNs();
                else std::this_thread::sleep_for(std::chrono::microseconds(100));
            }
            if (firstSamples != 0) ms.push_back((firstSamples - clicked) / 1e6);
            game.Delay(0.05);
        }
    });
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return 1;
    std::printf("click_to_samples_median_ms %.2f\nclick_to_samples_max_ms %.2f\n",
                ms[ms.size() / 2], ms.back());
    return 0;
}
