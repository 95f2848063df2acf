#pragma once
// Decodes PNG and JPEG files into the runtime's own pixel buffers.
#include "platform/Picture.h"

#include <filesystem>

namespace platform {

// Throws AssetError naming the file when it is missing or cannot be decoded, or when it is not of
// the size given; the size is read from the file's header before anything is decoded. Every call
// gives a picture object of its own, even for a file read before.
PicturePtr readPictureFile(const std::filesystem::path& file, PixelSize size);

} // namespace platform
