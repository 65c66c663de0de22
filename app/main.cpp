#include "app/DataFolder.h"
#include "app/RunGame.h"

int main(int argc, char* argv[])
{
    EnterInstalledDataFolder();
    return RunGame(argc, argv);
}
