// The real windows and pictures of the game, for the bench programs that
// drive frmGorvak directly.
#pragma once

#include "core/WindowLayout.h"
#include "ui/qt/GameFont.h"
#include "ui/qt/QtPictures.h"
#include "ui/qt/QtWindowSystem.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdlib>

struct BenchWindows {
    BenchWindows()
    {
        ui::LoadGameFont(home.filePath(QStringLiteral("fonts")));
        if (!pictures.Load(home.filePath(QStringLiteral("pictures")))) std::exit(1);
    }

    QDir home{QCoreApplication::applicationDirPath()};
    ui::QtPictures pictures;
    ui::QtWindowSystem windows{pictures, GameSystemTexts()};
};

// A new game on Dungeon.gvk of the current folder, shown, without the shuffle.
template <typename Game>
void StartShown(Game& game)
{
    game.DungeonFile = "Dungeon.gvk";
    game.InitObjects();
    game.InitGame();
    game.form().ShowModeless(nullptr);
}
