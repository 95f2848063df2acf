#include "platform/sdl/PictureFile.h"

#include "platform/Host.h"
#include "platform/PictureHeader.h"

#include <SDL.h>
#include <SDL_image.h>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace platform {

namespace {

Picture decode(const std::filesystem::path& file) {
  SDL_Surface* loaded = IMG_Load(file.c_str());
  if (loaded == nullptr) {
    throw AssetError("cannot load picture " + file.string() + ": " + IMG_GetError());
  }
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(loaded);
  if (argb == nullptr) {
    throw AssetError("cannot decode picture " + file.string() + ": " + SDL_GetError());
  }
  Picture picture;
  picture.width = argb->w;
  picture.height = argb->h;
  picture.pixels.resize(static_cast<std::size_t>(argb->w * argb->h));
  for (int y = 0; y < argb->h; ++y) {
    const auto* row = reinterpret_cast<const Pixel*>(static_cast<const std::uint8_t*>(argb->pixels) +
                                                     static_cast<std::ptrdiff_t>(y) * argb->pitch);
    std::copy(row, row + argb->w, picture.pixels.begin() + static_cast<std::ptrdiff_t>(y * argb->w));
  }
  SDL_FreeSurface(argb);
  return picture;
}

void expectSize(const std::filesystem::path& file, PixelSize found, PixelSize wanted) {
  if (found != wanted) {
    throw AssetError("picture " + file.string() + " is " + std::to_string(found.width) + " x " +
                     std::to_string(found.height) + " pixels; the game is drawn for " +
                     std::to_string(wanted.width) + " x " + std::to_string(wanted.height));
  }
}

} // namespace

PicturePtr readPictureFile(const std::filesystem::path& file, PixelSize size) {
  // Decoded files are kept, so that a test suite starting many windows decodes each file once. The
  // first load of a file is given the kept picture itself and later ones a copy of their own: every
  // load is a picture of its own, as the game expects, and the kept ones cost no memory of their own.
  struct Kept {
    std::shared_ptr<const Picture> picture;
    bool given = false;
  };
  static std::map<std::filesystem::path, Kept> decoded;
  static std::mutex guard;
  const std::lock_guard lock(guard);
  Kept& kept = decoded[file];
  if (!kept.picture) {
    // A file whose header says nothing of its size is left to the decoder to refuse.
    if (const auto declared = declaredPictureSize(file)) {
      expectSize(file, *declared, size);
    }
    kept.picture = std::make_shared<const Picture>(decode(file));
  }
  expectSize(file, {kept.picture->width, kept.picture->height}, size);
  if (!kept.given) {
    kept.given = true;
    return kept.picture;
  }
  return std::make_shared<Picture>(*kept.picture);
}

} // namespace platform
