#pragma once
// The rows of the window's design tables (DesignTable.cpp): a row per control, and a row per hidden
// picture holder.
#include "platform/Controls.h"
#include "platform/Picture.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <variant>

// A place and size in twips.
struct Placement {
  std::int32_t left, top, width, height;
};

// A control that can be shown. The table holds them in stacking order, bottom first; windowless
// images are drawn below every picture box whatever their place in it.
struct ControlRow {
  std::string name; // as the game calls it: "pctNew", "imgAd_3"
  std::variant<platform::PictureBox*, platform::Image*> control;
  // Under assets/, "" for none. The box sizes itself to it, so it must be of the box's size.
  std::string picture;
  Placement at;
  const char* tip;
  platform::MousePointer pointer;
  bool visible; // at start
  std::function<void()> click{};
  // A picture of its own size instead: size-to-picture stays off until the game turns it on.
  std::optional<platform::PixelSize> pictureSize{};
};

// A picture holder: never shown, its picture, assets/<name>.png, is shared with or copied onto the
// visible controls.
struct HolderRow {
  std::string name;
  platform::PictureBox* box;
  platform::PixelSize size; // its picture's, checked when it is read
};
