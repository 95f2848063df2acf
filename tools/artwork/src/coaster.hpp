// The round brass coaster every button is cut from.
#pragma once

#include "surface.hpp"

namespace art {

using SymbolFn = void (*)(cairo_t* cr);

// A 32x32 coaster with an engraved symbol on the panel colour.
Surface coaster(SymbolFn symbol);
// A mask of the coaster's round outline, for buttons cut out of the panel.
Surface coaster_mask();

} // namespace art
