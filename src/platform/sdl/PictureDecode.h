#pragma once
// Turns a PNG or JPEG file into the game's pixels (0xAARRGGBB, row by row), whatever the file's own
// layout (a palette, grey, no alpha, 16 bits). Safe to call from several threads at once.
#include "platform/Picture.h"

#include <filesystem>

namespace platform {

// Throws AssetError naming the file when it cannot be read or decoded.
Picture decodePictureFile(const std::filesystem::path& file);

// Closes the decoders, which the next decoding opens again. Only while no decoding runs.
void endPictureDecoders();

} // namespace platform
