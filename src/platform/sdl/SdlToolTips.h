#pragma once
// Tool tips drawn as the desktop draws them: dark text in a small sans-serif face on a pale yellow
// box with a thin dark border. The font library and the font are opened for the first tip, so a game
// nobody points at never loads the one nor reads the other.
#include "platform/Picture.h"
#include "platform/sdl/SystemFiles.h"

#include <filesystem>
#include <string>

#include <SDL_ttf.h>

namespace platform {

struct FontLibrary;

class ToolTipPainter {
public:
  // `speaker`: the game's name, for the line that says why there are no tips.
  explicit ToolTipPainter(std::string speaker,
                          const std::filesystem::path& fontFile = system_files::kToolTipFont);
  ~ToolTipPainter();
  ToolTipPainter(const ToolTipPainter&) = delete;
  ToolTipPainter& operator=(const ToolTipPainter&) = delete;

  // False when the font cannot be had: the game then shows no tool tips at all.
  bool available() const { return font() != nullptr; }
  // The tip's picture, or nullptr when there is no font or nothing to show. At a scale above 1 the
  // text is set in a font that many times the size and the box drawn to match, so it stays sharp.
  PicturePtr paint(const std::string& text, int scale = 1) const;

private:
  TTF_Font* font() const;

  std::string speaker_;
  std::filesystem::path fontFile_;
  mutable bool tried_ = false;
  mutable const FontLibrary* ttf_ = nullptr; // set once the library is started
  mutable TTF_Font* font_ = nullptr;
};

} // namespace platform
