#include "app/RunGame.h"
#include "ui/qt/QuitOnSignal.h"

int main(int argc, char* argv[])
{
    // Before anything slow, so that a TERM during start-up ends it cleanly.
    ui::CatchQuitSignals();
    return RunGame(argc, argv);
}
