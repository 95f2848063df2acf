// Decoding with libpng and libjpeg themselves. SDL_image would decode with the same two libraries,
// but Debian's links a dozen more for formats the game never reads (TIFF, WebP, JXL, AVIF and theirs),
// and the program would map them all before its window opens.
#include "platform/Host.h"
#include "platform/sdl/PictureDecode.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <png.h>
#include <string>
// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

namespace platform {

namespace {

[[noreturn]] void cannotDecode(const std::filesystem::path& file, const std::string& why) {
  throw AssetError("cannot load picture " + file.string() + ": " + why);
}

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
  cannotDecode(file, why);
}

// libjpeg reports a fault by a long jump out of its error handler, back into readJpeg, which is why
// nothing there has a destructor.
struct JpegReading {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  std::jmp_buf failed{};
  char message[JMSG_LENGTH_MAX]{};
};

void jpegFailed(j_common_ptr info) {
  auto* reading = reinterpret_cast<JpegReading*>(info->client_data);
  info->err->format_message(info, reading->message);
  std::longjmp(reading->failed, 1);
}

// Decoded straight into the picture's pixels as BGRA with opaque alpha (libjpeg-turbo's own layout).
bool readJpeg(JpegReading& reading, std::FILE* in, Picture& picture) {
  reading.info.err = jpeg_std_error(&reading.errors);
  reading.errors.error_exit = jpegFailed;
  reading.info.client_data = &reading;
  if (setjmp(reading.failed) != 0) {
    jpeg_destroy_decompress(&reading.info);
    return false;
  }
  jpeg_create_decompress(&reading.info);
  jpeg_stdio_src(&reading.info, in);
  jpeg_read_header(&reading.info, TRUE);
  reading.info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&reading.info);
  picture.width = static_cast<std::int32_t>(reading.info.output_width);
  picture.height = static_cast<std::int32_t>(reading.info.output_height);
  picture.pixels.resize(std::size_t{reading.info.output_width} * reading.info.output_height);
  while (reading.info.output_scanline < reading.info.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(picture.pixels.data() +
                                              std::size_t{reading.info.output_scanline} * picture.width);
    jpeg_read_scanlines(&reading.info, &row, 1);
  }
  jpeg_finish_decompress(&reading.info);
  jpeg_destroy_decompress(&reading.info);
  return true;
}

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

Picture decodeJpeg(const std::filesystem::path& file) {
  const std::unique_ptr<std::FILE, FileClose> in(std::fopen(file.c_str(), "rb"));
  if (in == nullptr) {
    cannotDecode(file, std::strerror(errno));
  }
  JpegReading reading;
  Picture picture;
  if (!readJpeg(reading, in.get(), picture)) {
    cannotDecode(file, reading.message);
  }
  return picture;
}

bool startsAsJpeg(const std::filesystem::path& file) {
  std::unique_ptr<std::FILE, FileClose> in(std::fopen(file.c_str(), "rb"));
  unsigned char start[2] = {};
  return in != nullptr && std::fread(start, 1, 2, in.get()) == 2 && start[0] == 0xFF && start[1] == 0xD8;
}

} // namespace

Picture decodePictureFile(const std::filesystem::path& file) {
  return startsAsJpeg(file) ? decodeJpeg(file) : decodePng(file);
}

void startPictureDecoders() {}
void endPictureDecoders() {}

} // namespace platform
