// Every window whose captions are fitted to their boxes, as the game lays
// them out before its own code changes a caption.
#pragma once

#include "combat/frmBattle.h"
#include "core/frmGorvak.h"
#include "core/frmHowToPlay.h"
#include "core/frmSettings.h"
#include "exploration/frmDiscovery.h"
#include "exploration/frmStatus.h"
#include "town/frmHealth.h"
#include "town/frmMagic.h"
#include "town/frmShoppe.h"
#include "town/frmWeapons.h"

#include <vector>

inline std::vector<ui::FormLayout> CaptionedWindows()
{
    return {frmGorvak::Layout(),  frmDiscovery::Layout(), frmStatus::Layout(),
            frmBattle::Layout(),  frmShoppe::Layout(),    frmHealth::Layout(),
            frmMagic::Layout(),   frmWeapons::Layout(),   frmHowToPlay::Layout(),
            frmSettings::Layout()};
}

// The zooms the game's build fits captions at.
inline constexpr int CaptionedZooms = 4;
