#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/RunGame.h"
#include "ui/qt/QuitOnSignal.h"

#include <cstdio>

int main(int argc, char* argv[])
{
    // Before anything slow, so that a TERM during start-up ends it cleanly.
    ui::CatchQuitSignals();
    const CommandLine line = ParseCommandLine({argv, argv + argc});
    if (line.exitStatus) {
        std::fputs(line.answer.c_str(), *line.exitStatus == 0 ? stdout : stderr);
        return *line.exitStatus;
    }
    // A dungeon the player names is found from the folder they are in.
    if (line.dungeon.empty()) EnterInstalledDataFolder();
    return RunGame(argc, argv, {}, line.dungeon, line.language);
}
