// Owning handles for Cairo surfaces and contexts, plus raw pixel access.
#pragma once

#include <cairo.h>
#include <cstdint>
#include <memory>

namespace art {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct ContextDeleter {
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;
using Context = std::unique_ptr<cairo_t, ContextDeleter>;

Surface make_surface(int width, int height);
Surface make_mask(int width, int height);
Context make_context(const Surface& surface);

int width_of(const Surface& surface);
int height_of(const Surface& surface);

// Reads or writes one premultiplied ARGB32 pixel; callers flush/mark dirty.
uint32_t& pixel_at(cairo_surface_t* surface, int x, int y);
uint8_t mask_at(cairo_surface_t* mask, int x, int y);

// Un-premultiplies a pixel and sets its alpha to full.
uint32_t unpremultiply(uint32_t argb);
// Forces every pixel to alpha 255 (composites onto black where needed).
void make_opaque(const Surface& surface);
// Clears pixels where the A8 mask is under half coverage; the rest become fully opaque.
void apply_binary_mask(const Surface& surface, const Surface& mask);

} // namespace art
