// Pixels put on a surface: which of a picture's pixels show, and how every kind of drawing is cut at
// each edge of the surface and of the picture; and how long what is painted on a box lasts.
#include "platform/Controls.h"
#include "platform/Surface.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

using platform::Pixel;
using platform::Surface;

constexpr Pixel kShows = 0xFF123456; // what a picture's transparent pixels show, when asked

// Opaque letters in capitals; a picture's raw pixels, copied as they are, in small letters.
const std::map<Pixel, char> kNames = {{platform::kBlack, '.'}, {0xFFFF0000, 'A'}, {0xFF00FF00, 'B'},
                                      {0x8000FF00, 'b'},       {0x7F0000FF, 'c'}, {0xFFFFFFFF, 'D'},
                                      {0xFFFFFF00, 'E'},       {0x00ABCDEF, 'f'}, {kShows, 'T'}};

// A 3 x 2 picture: opaque A, half-transparent b, less than half c; opaque D and E, invisible f.
const platform::Picture kPicture{
    3, 2, {0xFFFF0000, 0x8000FF00, 0x7F0000FF, 0xFFFFFFFF, 0xFFFFFF00, 0x00ABCDEF}};

// A 4 x 3 black surface after one drawing, read row by row.
std::string after(const std::function<void(Surface&)>& draw) {
  Surface s(4, 3);
  draw(s);
  std::string rows;
  for (std::int32_t y = 0; y < 3; ++y) {
    rows += y > 0 ? " " : "";
    for (std::int32_t x = 0; x < 4; ++x) {
      const auto name = kNames.find(s.at(x, y));
      rows += name == kNames.end() ? '?' : name->second;
    }
  }
  return rows;
}

TEST(Surface, EachDrawingShowsWhatItShouldAndIsCutAtEveryEdge) {
  const std::optional<Pixel> none, shows = kShows;
  Surface small(2, 2, 0xFFFFFFFF);
  small.fillRect(0, 0, 1, 2, 0xFFFF0000);
  const std::pair<std::function<void(Surface&)>, const char*> cases[] = {
      {[&](Surface& s) { s.drawPicture(kPicture, 0, 0, none); }, "AB.. DE.. ...."},
      {[&](Surface& s) { s.drawPicture(kPicture, 2, 1, shows); }, ".... ..AB ..DE"},
      {[&](Surface& s) { s.drawPicture(kPicture, -1, -1, shows); }, "ET.. .... ...."},
      {[&](Surface& s) { s.drawPicture(kPicture, -1, 2, shows); }, ".... .... BT.."},
      {[&](Surface& s) { s.drawPicture(kPicture, 4, 0, shows); }, ".... .... ...."},
      {[&](Surface& s) { s.drawPicture(kPicture, 0, 3, shows); }, ".... .... ...."},
      {[&](Surface& s) { s.drawPicture(kPicture, -3, 0, shows); }, ".... .... ...."},
      {[&](Surface& s) { s.drawPicture(kPicture, 0, -2, shows); }, ".... .... ...."},
      {[&](Surface& s) { s.copyFrom(kPicture, 2, 2, 1, 1); }, ".... .Ab. .DE."},
      {[&](Surface& s) { s.copyFrom(kPicture, 5, 5, 2, 2); }, ".... .... ..Ab"},
      {[&](Surface& s) { s.copyFrom(kPicture, 3, 2, -2, -1); }, "f... .... ...."},
      {[&](Surface& s) { s.copyFrom(kPicture, 3, 1, 0, 0); }, "Abc. .... ...."},
      {[&](Surface& s) { s.copyFrom(kPicture, 3, 2, 0, 4); }, ".... .... ...."},
      {[&](Surface& s) { s.drawSurface(small, 1, -1); }, ".AD. .... ...."},
      {[&](Surface& s) { s.drawSurface(small, 3, 2); }, ".... .... ...A"},
      {[&](Surface& s) { s.drawSurface(small, -1, 0); }, "D... D... ...."},
      {[&](Surface& s) { s.fillRect(-1, 1, 3, 5, kShows); }, ".... TT.. TT.."},
      {[&](Surface& s) { s.fillRect(3, 2, 4, 4, kShows); }, ".... .... ...T"},
      {[&](Surface& s) { s.fillRect(2, 0, 0, 3, kShows); }, ".... .... ...."},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(after(cases[i].first), cases[i].second) << "drawing " << i;
  }
}

// What is painted on a box lasts while the box keeps its size; a new size starts it afresh, so a box
// never shows a painting of another size.
TEST(PictureBox, APaintingLastsUntilTheBoxChangesSize) {
  platform::PictureBox box;
  box.move(0, 0, 60, 45); // 4 x 3 pixels
  box.paintPicture(kPicture, 0, 0);
  box.move(15, 15, 60, 45);
  ASSERT_TRUE(box.drawing()) << "a move alone wiped the painting";
  EXPECT_EQ(box.drawing()->at(0, 0), 0xFFFF0000U);
  for (const auto& [width, height] : {std::pair{75, 45}, {60, 30}}) {
    box.paintPicture(kPicture, 0, 0);
    box.move(15, 15, width, height);
    EXPECT_FALSE(box.drawing()) << "a painting outlived a new size " << width << " x " << height;
  }
}

TEST(Pixel, ColoursAreOpaqueRedGreenBlueFromTheTop) {
  EXPECT_EQ(platform::rgb(0x12, 0x34, 0x56), 0xFF123456U);
  EXPECT_EQ(platform::rgb(0xFF, 0xFF, 0xFF), 0xFFFFFFFFU);
}

TEST(Rect, UnionsAndIntersectionsOfPlacesToRepaint) {
  using platform::Rect;
  const Rect a{0, 0, 4, 3}, b{2, 1, 4, 4}, beside{4, 0, 2, 3}, none{};
  EXPECT_EQ(a.united(b), (Rect{0, 0, 6, 5}));
  EXPECT_EQ(b.united(a), (Rect{0, 0, 6, 5}));
  EXPECT_EQ(a.united(none), a);
  EXPECT_EQ(none.united(b), b);
  EXPECT_EQ(a.intersected(b), (Rect{2, 1, 2, 2}));
  EXPECT_TRUE(a.intersects(b) && b.intersects(a));
  EXPECT_FALSE(a.intersects(beside) || beside.intersects(a) || a.intersects(none) || none.intersects(a));
  EXPECT_TRUE(a.intersected(beside).empty());
  EXPECT_FALSE((Rect{0, 0, 1, 1}).empty());
  EXPECT_TRUE((Rect{0, 0, 1, 0}).empty() && (Rect{0, 0, 0, 1}).empty());
}

} // namespace
