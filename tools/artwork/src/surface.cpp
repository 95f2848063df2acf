#include "surface.hpp"

namespace art {

Surface make_surface(int width, int height) {
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
}

Surface make_mask(int width, int height) {
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_A8, width, height));
}

Context make_context(const Surface& surface) {
  return Context(cairo_create(surface.get()));
}

int width_of(const Surface& surface) {
  return cairo_image_surface_get_width(surface.get());
}

int height_of(const Surface& surface) {
  return cairo_image_surface_get_height(surface.get());
}

uint32_t& pixel_at(cairo_surface_t* surface, int x, int y) {
  unsigned char* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
  return reinterpret_cast<uint32_t*>(row)[x];
}

uint8_t mask_at(cairo_surface_t* mask, int x, int y) {
  return cairo_image_surface_get_data(mask)[y * cairo_image_surface_get_stride(mask) + x];
}

uint32_t unpremultiply(uint32_t argb) {
  const uint32_t a = argb >> 24;
  if (a == 0)
    return 0xFF000000u;
  auto channel = [&](int shift) { return ((((argb >> shift) & 0xFFu) * 255u + a / 2) / a) << shift; };
  return 0xFF000000u | channel(16) | channel(8) | channel(0);
}

void make_opaque(const Surface& surface) {
  cairo_surface_flush(surface.get());
  for (int y = 0; y < height_of(surface); ++y)
    for (int x = 0; x < width_of(surface); ++x) {
      uint32_t& p = pixel_at(surface.get(), x, y);
      p = unpremultiply(p);
    }
  cairo_surface_mark_dirty(surface.get());
}

void apply_binary_mask(const Surface& surface, const Surface& mask) {
  cairo_surface_flush(surface.get());
  cairo_surface_flush(mask.get());
  for (int y = 0; y < height_of(surface); ++y)
    for (int x = 0; x < width_of(surface); ++x) {
      uint32_t& p = pixel_at(surface.get(), x, y);
      const bool inside = mask_at(mask.get(), x, y) >= 128 && (p >> 24) != 0;
      p = inside ? unpremultiply(p) : 0u;
    }
  cairo_surface_mark_dirty(surface.get());
}

} // namespace art
