#pragma once
// Tool tips drawn as the desktop draws them: dark text in a small sans-serif face on a pale yellow
// box with a thin dark border.
#include "platform/Picture.h"

#include <filesystem>
#include <string>

#include <SDL_ttf.h>

namespace platform {

class ToolTipPainter {
public:
  static constexpr const char* kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

  explicit ToolTipPainter(const std::filesystem::path& fontFile = kDefaultFont);
  ~ToolTipPainter();
  ToolTipPainter(const ToolTipPainter&) = delete;
  ToolTipPainter& operator=(const ToolTipPainter&) = delete;

  // False when the font cannot be had: the game then shows no tool tips at all.
  bool available() const { return font_ != nullptr; }
  // The tip's picture, or nullptr when there is no font or nothing to show.
  PicturePtr paint(const std::string& text) const;

private:
  bool ttfStarted_ = false;
  TTF_Font* font_ = nullptr;
};

} // namespace platform
