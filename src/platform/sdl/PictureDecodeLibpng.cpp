// Decoding with libpng and libjpeg themselves (JpegDecode.h). SDL_image would decode with the same two
// libraries, but Debian's links a dozen more for formats the game never reads (TIFF, WebP, JXL, AVIF and
// theirs), and the program would map them all before its window opens.
#include "platform/Host.h"
#include "platform/sdl/PictureDecode.h"

#include "platform/sdl/JpegDecode.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <png.h>
#include <string>

namespace platform {

namespace {

// libpng's simplified reading: every kind of PNG comes out as 8-bit BGRA, which in memory is the
// game's 0xAARRGGBB, and its faults come back as a message rather than a long jump.
Picture decodePng(const std::filesystem::path& file) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  Picture picture;
  if (png_image_begin_read_from_file(&image, file.c_str()) != 0) {
    image.format = PNG_FORMAT_BGRA;
    picture.width = static_cast<std::int32_t>(image.width);
    picture.height = static_cast<std::int32_t>(image.height);
    picture.pixels.resize(std::size_t{image.width} * image.height);
    if (png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr) != 0) {
      return picture;
    }
  }
  const std::string why = image.message;
  png_image_free(&image);
  throw AssetError("cannot load picture " + file.string() + ": " + why);
}

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

bool startsAsJpeg(const std::filesystem::path& file) {
  std::unique_ptr<std::FILE, FileClose> in(std::fopen(file.c_str(), "rb"));
  unsigned char start[2] = {};
  return in != nullptr && std::fread(start, 1, 2, in.get()) == 2 && start[0] == 0xFF && start[1] == 0xD8;
}

} // namespace

Picture decodePictureFile(const std::filesystem::path& file) {
  return startsAsJpeg(file) ? decodeJpegFile(file) : decodePng(file);
}

void startPictureDecoders() {}
void endPictureDecoders() {}

} // namespace platform
