// Writes pictures to disk as PNG, or as JPEG through ImageMagick.
#pragma once

#include "album.hpp"

#include <filesystem>

namespace art {

void write_picture(const Picture& picture, const std::filesystem::path& dir);
void write_png(const Surface& surface, const std::filesystem::path& file);

} // namespace art
