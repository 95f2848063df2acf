#pragma once
// JPEG files decoded with libjpeg-turbo, opened for each picture and closed after it. The game has one
// JPEG, the police raid's picture, decoded once at start; linked, the library's half a megabyte would
// stay mapped and resident for the whole game.
#include "platform/Picture.h"

#include <filesystem>

namespace platform {

// Throws AssetError naming the file when it cannot be read or decoded, or libjpeg cannot be opened.
Picture decodeJpegFile(const std::filesystem::path& file);

} // namespace platform
