// One overview picture: every asset at 2x with its file name underneath.
#pragma once

#include "album.hpp"

namespace art {

Surface contact_sheet(const Album& album);

} // namespace art
