#include "fonts.hpp"

#include <array>
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <stdexcept>

namespace art {

namespace {

const char* file_of(Face face) {
  switch (face) {
  case Face::Sans:
    return "DejaVuSans.ttf";
  case Face::SansBold:
    return "DejaVuSans-Bold.ttf";
  case Face::CondensedBold:
    return "DejaVuSansCondensed-Bold.ttf";
  case Face::Serif:
    return "DejaVuSerif.ttf";
  case Face::SerifBold:
    return "DejaVuSerif-Bold.ttf";
  case Face::SerifBoldItalic:
    return "DejaVuSerif-BoldItalic.ttf";
  }
  return "DejaVuSans.ttf";
}

FT_Library library() {
  static FT_Library lib = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0)
      throw std::runtime_error("FreeType failed to start");
    return l;
  }();
  return lib;
}

// Faces live for the whole run; the generator is a short-lived tool.
cairo_font_face_t* cairo_face(Face face) {
  static std::array<cairo_font_face_t*, 6> cache{};
  auto& slot = cache[static_cast<size_t>(face)];
  if (slot == nullptr) {
    const std::string path = std::string("/usr/share/fonts/truetype/dejavu/") + file_of(face);
    FT_Face ft = nullptr;
    if (FT_New_Face(library(), path.c_str(), 0, &ft) != 0)
      throw std::runtime_error("missing font " + path);
    slot = cairo_ft_font_face_create_for_ft_face(ft, 0);
  }
  return slot;
}

} // namespace

void use_font(cairo_t* cr, Face face, double size) {
  cairo_set_font_face(cr, cairo_face(face));
  cairo_set_font_size(cr, size);
  cairo_font_options_t* opts = cairo_font_options_create();
  cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, opts);
  cairo_font_options_destroy(opts);
}

TextSize measure(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return {e.width, -e.y_bearing, e.height, e.x_bearing, e.y_bearing};
}

namespace {

void move_to_centred(cairo_t* cr, const std::string& text, double cx, double cy) {
  const TextSize s = measure(cr, text);
  cairo_move_to(cr, cx - s.width / 2 - s.x_bearing, cy - s.height / 2 - s.y_bearing);
}

} // namespace

void text_centred(cairo_t* cr, const std::string& text, double cx, double cy) {
  move_to_centred(cr, text, cx, cy);
  cairo_show_text(cr, text.c_str());
}

void text_path_centred(cairo_t* cr, const std::string& text, double cx, double cy) {
  move_to_centred(cr, text, cx, cy);
  cairo_text_path(cr, text.c_str());
}

void text_embossed(cairo_t* cr, const std::string& text, double cx, double cy, Rgb top, Rgb bottom,
                   Rgb shadow) {
  const TextSize s = measure(cr, text);
  set_colour(cr, shadow);
  text_centred(cr, text, cx + 1, cy + 1);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - s.height / 2, 0, cy + s.height / 2);
  add_stop(p, 0, top);
  add_stop(p, 1, bottom);
  cairo_set_source(cr, p);
  text_centred(cr, text, cx, cy);
  cairo_pattern_destroy(p);
}

} // namespace art
