// DejaVu faces loaded straight from their files, so text never depends on font lookup.
#pragma once

#include "colour.hpp"

#include <cairo.h>
#include <string>

namespace art {

enum class Face { Sans, SansBold, CondensedBold, Serif, SerifBold, SerifBoldItalic };

// Selects the face at the given pixel size with fixed, hint-free rendering options.
void use_font(cairo_t* cr, Face face, double size);

struct TextSize {
  double width, ascent, height; // ink extents
  double x_bearing, y_bearing;
};
TextSize measure(cairo_t* cr, const std::string& text);

// Draws text with its ink box centred on (cx, cy).
void text_centred(cairo_t* cr, const std::string& text, double cx, double cy);
// Appends the outline of text (ink box centred on cx, cy) to the current path.
void text_path_centred(cairo_t* cr, const std::string& text, double cx, double cy);
// Engraved-look text: dark offset shadow, then a vertical gradient face.
void text_embossed(cairo_t* cr, const std::string& text, double cx, double cy, Rgb top, Rgb bottom,
                   Rgb shadow);

} // namespace art
