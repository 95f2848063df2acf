#pragma once
// The pixel size a PNG or JPEG file declares in its header, read without decoding the picture, so
// that a picture of the wrong size costs neither the memory nor the time of decoding it.
#include "platform/Picture.h"

#include <filesystem>
#include <optional>

namespace platform {

// Nothing when the file cannot be read or declares no size as a PNG (its IHDR chunk) or a JPEG (its
// start-of-frame segment) does.
std::optional<PixelSize> declaredPictureSize(const std::filesystem::path& file);

} // namespace platform
