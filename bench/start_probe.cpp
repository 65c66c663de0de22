// The real game, reporting its main window's first paint.
#include "FirstPaint.h"
#include "app/RunGame.h"

int main(int argc, char* argv[])
{
    FirstPaint probe;
    return RunGame(argc, argv, [&probe](QWidget* window) { window->installEventFilter(&probe); });
}
