#pragma once
// The game as its host and store know it. To rename the game, change it here: the store's folder and
// the names of its files follow (players' stores are found by them, so a rename moves their scores).
#include "platform/GameIdentity.h"

// The client area is the size the window was laid out at; the background is the dark walnut that
// the artwork's button panel is painted in.
inline constexpr platform::GameIdentity kFrothwick{"Frothwick", "Settings", "FROTHWICK_",
                                                   "frothwick", {687, 510}, platform::rgb(0x2B, 0x1D, 0x14)};
