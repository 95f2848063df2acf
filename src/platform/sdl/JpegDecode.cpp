#include "platform/sdl/JpegDecode.h"

#include "platform/Host.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <memory>
#include <string>
// jpeglib.h needs FILE and size_t declared before it. Only its types are used: the functions are
// looked up in the library opened for the picture.
#include <jpeglib.h>

namespace platform {

namespace {

[[noreturn]] void cannotDecode(const std::filesystem::path& file, const std::string& why) {
  throw AssetError("cannot load picture " + file.string() + ": " + why);
}

struct LibraryClose {
  void operator()(void* library) const { dlclose(library); }
};
using Library = std::unique_ptr<void, LibraryClose>;

// The library's functions the decoding calls.
struct Jpeglib {
  decltype(&jpeg_std_error) stdError = nullptr;
  decltype(&jpeg_CreateDecompress) createDecompress = nullptr;
  decltype(&jpeg_stdio_src) stdioSource = nullptr;
  decltype(&jpeg_read_header) readHeader = nullptr;
  decltype(&jpeg_start_decompress) startDecompress = nullptr;
  decltype(&jpeg_read_scanlines) readScanlines = nullptr;
  decltype(&jpeg_finish_decompress) finishDecompress = nullptr;
  decltype(&jpeg_destroy_decompress) destroyDecompress = nullptr;
};

template <class Function> bool find(void* library, Function& function, const char* name) {
  function = reinterpret_cast<Function>(dlsym(library, name));
  return function != nullptr;
}

bool findAll(void* library, Jpeglib& jpeg) {
  return find(library, jpeg.stdError, "jpeg_std_error") &&
         find(library, jpeg.createDecompress, "jpeg_CreateDecompress") &&
         find(library, jpeg.stdioSource, "jpeg_stdio_src") &&
         find(library, jpeg.readHeader, "jpeg_read_header") &&
         find(library, jpeg.startDecompress, "jpeg_start_decompress") &&
         find(library, jpeg.readScanlines, "jpeg_read_scanlines") &&
         find(library, jpeg.finishDecompress, "jpeg_finish_decompress") &&
         find(library, jpeg.destroyDecompress, "jpeg_destroy_decompress");
}

// libjpeg reports a fault by a long jump out of its error handler, back into readJpeg, which is why
// nothing there has a destructor.
struct JpegReading {
  Jpeglib jpeg;
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  std::jmp_buf failed{};
  char message[JMSG_LENGTH_MAX]{};
};

// A message is kept, not printed: the first says what is wrong with the file.
void jpegSays(j_common_ptr info) {
  auto* reading = static_cast<JpegReading*>(info->client_data);
  if (reading->message[0] == '\0') {
    info->err->format_message(info, reading->message);
  }
}

void jpegFailed(j_common_ptr info) {
  jpegSays(info);
  std::longjmp(static_cast<JpegReading*>(info->client_data)->failed, 1);
}

// Decoded straight into the picture's pixels as BGRA with opaque alpha (libjpeg-turbo's own layout).
bool readJpeg(JpegReading& reading, std::FILE* in, Picture& picture) {
  const Jpeglib& jpeg = reading.jpeg;
  reading.info.err = jpeg.stdError(&reading.errors);
  reading.errors.error_exit = jpegFailed;
  reading.errors.output_message = jpegSays;
  reading.info.client_data = &reading;
  if (setjmp(reading.failed) != 0) {
    jpeg.destroyDecompress(&reading.info);
    return false;
  }
  jpeg.createDecompress(&reading.info, JPEG_LIB_VERSION, sizeof reading.info);
  jpeg.stdioSource(&reading.info, in);
  jpeg.readHeader(&reading.info, TRUE);
  reading.info.out_color_space = JCS_EXT_BGRA;
  jpeg.startDecompress(&reading.info);
  picture.width = static_cast<std::int32_t>(reading.info.output_width);
  picture.height = static_cast<std::int32_t>(reading.info.output_height);
  picture.pixels.resize(std::size_t{reading.info.output_width} * reading.info.output_height);
  while (reading.info.output_scanline < reading.info.output_height) {
    JSAMPROW row = reinterpret_cast<JSAMPROW>(picture.pixels.data() +
                                              std::size_t{reading.info.output_scanline} * picture.width);
    jpeg.readScanlines(&reading.info, &row, 1);
  }
  jpeg.finishDecompress(&reading.info);
  jpeg.destroyDecompress(&reading.info);
  // libjpeg only warns of damaged or missing picture data, and fills in grey: a damaged picture.
  return reading.errors.num_warnings == 0;
}

struct FileClose {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

Picture decodeJpegFile(const std::filesystem::path& file) {
  const std::unique_ptr<std::FILE, FileClose> in(std::fopen(file.c_str(), "rb"));
  if (in == nullptr) {
    cannotDecode(file, std::strerror(errno));
  }
  // The run-time name of the library jpeglib.h is from.
  const Library library(dlopen("libjpeg.so.62", RTLD_NOW | RTLD_LOCAL));
  auto reading = std::make_unique<JpegReading>();
  if (library == nullptr || !findAll(library.get(), reading->jpeg)) {
    cannotDecode(file, std::string("no JPEG decoder: ") + dlerror());
  }
  Picture picture;
  if (!readJpeg(*reading, in.get(), picture)) {
    cannotDecode(file, reading->message);
  }
  return picture;
}

} // namespace platform
