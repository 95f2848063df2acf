// Stores Cairo surfaces as 8-bit RGBA PNGs, even when every pixel is opaque.
#include "output.hpp"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <png.h>
#include <stdexcept>
#include <vector>

namespace art {

namespace {

struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};

// Straight (not premultiplied) RGBA bytes, row after row.
std::vector<png_byte> rgba_pixels(const Surface& surface) {
  const int w = width_of(surface), h = height_of(surface);
  std::vector<png_byte> out(size_t(w) * size_t(h) * 4);
  size_t i = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t p = pixel_at(surface.get(), x, y);
      const uint32_t c = (p >> 24) == 0 ? 0u : unpremultiply(p);
      out[i++] = png_byte(c >> 16);
      out[i++] = png_byte(c >> 8);
      out[i++] = png_byte(c);
      out[i++] = png_byte(p >> 24);
    }
  return out;
}

} // namespace

void write_png(const Surface& surface, const std::filesystem::path& file) {
  cairo_surface_flush(surface.get());
  const int w = width_of(surface), h = height_of(surface);
  std::vector<png_byte> pixels = rgba_pixels(surface);
  std::vector<png_bytep> rows(static_cast<size_t>(h));
  for (int y = 0; y < h; ++y)
    rows[y] = pixels.data() + size_t(y) * size_t(w) * 4;
  std::unique_ptr<FILE, FileCloser> out(std::fopen(file.c_str(), "wb"));
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!out || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("cannot write " + file.string());
  }
  png_init_io(png, out.get());
  png_set_IHDR(png, info, png_uint_32(w), png_uint_32(h), 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
}

} // namespace art
