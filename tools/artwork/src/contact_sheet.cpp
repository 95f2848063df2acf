#include "contact_sheet.hpp"

#include "fonts.hpp"
#include "shapes.hpp"

#include <algorithm>
#include <vector>

namespace art {

namespace {

constexpr int kSheetWidth = 1440;
constexpr int kMargin = 16;
constexpr int kGap = 12;
constexpr int kLabel = 18;
constexpr int kZoom = 2;
constexpr double kLabelSize = 11;

struct Slot {
  const Picture* picture;
  int x, y;
};

int label_width(const std::string& text) {
  Surface scratch = make_surface(1, 1);
  Context cr = make_context(scratch);
  use_font(cr.get(), Face::Sans, kLabelSize);
  return static_cast<int>(measure(cr.get(), text).width) + 2;
}

int slot_width(const Picture& p) {
  return std::max(width_of(p.surface) * kZoom, label_width(p.file_name));
}

// Flows pictures left to right; a new group always starts a new row.
std::vector<Slot> lay_out(const Album& album, int& sheet_height) {
  std::vector<Slot> slots;
  int x = kMargin, y = kMargin, row_height = 0, group = -1;
  for (const auto& p : album.pictures()) {
    const int w = slot_width(p);
    if (x > kMargin && (p.group != group || x + w > kSheetWidth - kMargin)) {
      x = kMargin;
      y += row_height + kGap;
      row_height = 0;
    }
    group = p.group;
    slots.push_back({&p, x, y});
    x += w + kGap;
    row_height = std::max(row_height, height_of(p.surface) * kZoom + kLabel);
  }
  sheet_height = y + row_height + kMargin;
  return slots;
}

void draw_slot(cairo_t* cr, const Slot& s) {
  const Surface& img = s.picture->surface;
  cairo_save(cr);
  cairo_translate(cr, s.x, s.y);
  cairo_scale(cr, kZoom, kZoom);
  cairo_set_source_surface(cr, img.get(), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  cairo_paint(cr);
  cairo_restore(cr);
  set_colour(cr, hex(0x161616));
  cairo_move_to(cr, s.x, s.y + height_of(img) * kZoom + kLabel - 5);
  cairo_show_text(cr, s.picture->file_name.c_str());
}

} // namespace

Surface contact_sheet(const Album& album) {
  int height = 0;
  const std::vector<Slot> slots = lay_out(album, height);
  Surface sheet = make_surface(kSheetWidth, height);
  Context cr = make_context(sheet);
  fill_rect(cr.get(), {0, 0, double(kSheetWidth), double(height)}, hex(0x8C8C8C));
  use_font(cr.get(), Face::Sans, kLabelSize);
  for (const Slot& s : slots)
    draw_slot(cr.get(), s);
  cairo_surface_flush(sheet.get());
  return sheet;
}

} // namespace art
