#include "platform/sdl/SdlToolTips.h"

#include "platform/sdl/LateLibrary.h"
#include "platform/sdl/Utf8Path.h"

#include <SDL_ttf.h>

namespace platform {

// The font library's functions the tips are set with.
struct FontLibrary {
  decltype(&TTF_Init) init = nullptr;
  decltype(&TTF_Quit) quit = nullptr;
  decltype(&TTF_OpenFont) openFont = nullptr;
  decltype(&TTF_CloseFont) closeFont = nullptr;
  decltype(&TTF_SetFontSize) setFontSize = nullptr;
  decltype(&TTF_RenderUTF8_Blended) render = nullptr;
};

namespace {

// The font library, opened on first asking; nullptr when it or one of its functions is missing.
const FontLibrary* loadFontLibrary(const std::string& speaker) {
  static const FontLibrary* const loaded = [&speaker]() -> const FontLibrary* {
    static LateLibrary library(speaker, system_files::kFontLibrary, "no tool tips");
    static FontLibrary ttf;
    library.bind(ttf.init, "TTF_Init");
    library.bind(ttf.quit, "TTF_Quit");
    library.bind(ttf.openFont, "TTF_OpenFont");
    library.bind(ttf.closeFont, "TTF_CloseFont");
    library.bind(ttf.setFontSize, "TTF_SetFontSize");
    library.bind(ttf.render, "TTF_RenderUTF8_Blended");
    return library.complete() ? &ttf : nullptr;
  }();
  return loaded;
}

constexpr int kFontPixels = 12;
constexpr int kPadding = 3;
constexpr int kBorder = 1;
constexpr Pixel kInk = rgb(0, 0, 0);
constexpr Pixel kPaper = rgb(0xFF, 0xFF, 0xE1);
constexpr SDL_Color kInkColour{0, 0, 0, 0xFF};

std::uint8_t mix(Pixel over, Pixel under, int shift, std::uint32_t alpha) {
  const std::uint32_t o = (over >> shift) & 0xFFu;
  const std::uint32_t u = (under >> shift) & 0xFFu;
  return static_cast<std::uint8_t>((o * alpha + u * (255u - alpha) + 127u) / 255u);
}

// The glyphs' coverage lies in their alpha; the tip itself is opaque.
Pixel blend(Pixel glyph, Pixel paper) {
  const std::uint32_t alpha = glyph >> 24;
  return rgb(mix(glyph, paper, 16, alpha), mix(glyph, paper, 8, alpha), mix(glyph, paper, 0, alpha));
}

Picture framedBox(int innerWidth, int innerHeight, int scale) {
  Picture box;
  box.width = innerWidth + 2 * (kPadding + kBorder) * scale;
  box.height = innerHeight + 2 * (kPadding + kBorder) * scale;
  box.pixels.assign(static_cast<std::size_t>(box.width * box.height), kInk);
  const int border = kBorder * scale;
  for (int y = border; y < box.height - border; ++y) {
    for (int x = border; x < box.width - border; ++x) {
      box.pixels[static_cast<std::size_t>(y * box.width + x)] = kPaper;
    }
  }
  return box;
}

void drawText(Picture& box, const SDL_Surface& text, int scale) {
  const int inset = (kPadding + kBorder) * scale;
  for (int y = 0; y < text.h; ++y) {
    const auto* row = reinterpret_cast<const Pixel*>(static_cast<const std::uint8_t*>(text.pixels) +
                                                     static_cast<std::ptrdiff_t>(y) * text.pitch);
    for (int x = 0; x < text.w; ++x) {
      Pixel& target = box.pixels[static_cast<std::size_t>((y + inset) * box.width + x + inset)];
      target = blend(row[x], target);
    }
  }
}

} // namespace

ToolTipPainter::ToolTipPainter(std::string speaker, const std::filesystem::path& fontFile)
    : speaker_(std::move(speaker)), fontFile_(fontFile) {}

TTF_Font* ToolTipPainter::font() const {
  if (!tried_) {
    tried_ = true;
    const FontLibrary* ttf = loadFontLibrary(speaker_);
    ttf_ = ttf != nullptr && ttf->init() == 0 ? ttf : nullptr;
    if (ttf_ != nullptr) {
      font_ = ttf_->openFont(utf8(fontFile_).c_str(), kFontPixels);
    }
  }
  return font_;
}

ToolTipPainter::~ToolTipPainter() {
  if (ttf_ == nullptr) {
    return;
  }
  if (font_ != nullptr) {
    ttf_->closeFont(font_);
  }
  ttf_->quit();
}

PicturePtr ToolTipPainter::paint(const std::string& text, int scale) const {
  // A font is only ever opened by a started library: both are there, or there is no tip.
  if (text.empty() || font() == nullptr || ttf_ == nullptr ||
      ttf_->setFontSize(font_, kFontPixels * scale) != 0) {
    return nullptr;
  }
  SDL_Surface* rendered = ttf_->render(font_, text.c_str(), kInkColour);
  if (rendered == nullptr) {
    return nullptr;
  }
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(rendered);
  if (argb == nullptr) {
    return nullptr;
  }
  Picture box = framedBox(argb->w, argb->h, scale);
  drawText(box, *argb, scale);
  SDL_FreeSurface(argb);
  return std::make_shared<Picture>(std::move(box));
}

} // namespace platform
