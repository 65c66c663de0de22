#include "app/DataFolder.h"
#include "app/RunGame.h"
#include "ui/qt/QuitOnSignal.h"

int main(int argc, char* argv[])
{
    // Before anything slow, so that a TERM during start-up ends it cleanly.
    ui::CatchQuitSignals();
    EnterInstalledDataFolder();
    return RunGame(argc, argv);
}
