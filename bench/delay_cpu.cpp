// CPU used by the game's pause and by the idle game: the real windows, the
// real Delay, measured with the process's own CPU clock.
#include "BenchGame.h"
#include "core/frmGorvak.h"
#include "sound/fake/FakeSound.h"
#include "ui/Clock.h"
#include "ui/Random.h"
#include "ui/qt/GameFont.h"
#include "ui/qt/QtPictures.h"
#include "ui/qt/QtWindowSystem.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {

double Cpu()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec / 1e9;
}

double Wall()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    BenchWindows bench;
    ui::QtWindowSystem& windows = bench.windows;
    ui::SystemClock clock;
    ui::StdRandom random;
    sound::FakeSound sounds;
    frmGorvak game(Services{windows, clock, random, sounds});
    windows.Guard([&] {
        StartShown(game);
        game.Delay(0.5);  // let the window settle

        double cpu = Cpu();
        double wall = Wall();
        game.Delay(2);
        std::printf("delay_wall_s %.4f\ndelay_cpu_s %.4f\n", Wall() - wall, Cpu() - cpu);

        cpu = Cpu();
        wall = Wall();
        QTimer::singleShot(10000, [] { QCoreApplication::exit(0); });
        QApplication::exec();
        std::printf("idle_wall_s %.4f\nidle_cpu_s %.4f\n", Wall() - wall, Cpu() - cpu);
    });
    return 0;
}
