#include "platform/Picture.h"

namespace platform {

PicturePtr makeSolidPicture(std::int32_t width, std::int32_t height, Pixel colour) {
  auto picture = std::make_shared<Picture>();
  picture->width = width;
  picture->height = height;
  picture->pixels.assign(static_cast<std::size_t>(width * height), colour);
  return picture;
}

} // namespace platform
