#pragma once
// The game as its host and store know it. To rename the game, change it here: the store's folder and
// the names of its files follow (players' stores are found by them, so a rename moves their scores).
#include "platform/GameIdentity.h"

inline constexpr platform::GameIdentity kFrothwick{
    .name = "Frothwick",
    .settingsSection = "Settings",
    .environmentPrefix = "FROTHWICK_",
    .fileTag = "frothwick",
    // The size the window was laid out at, and the dark walnut the artwork's button panel is painted in.
    .clientSize = {687, 510},
    .background = platform::rgb(0x2B, 0x1D, 0x14),
    .icon = "frmMain_icon.png",
    .handPointer = "hand_cursor.png",
};
