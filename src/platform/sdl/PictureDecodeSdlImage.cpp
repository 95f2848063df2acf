// Decoding with SDL_image, which reads the game's PNG files and its one JPEG.
//
// SDL_image brings a dozen decoding libraries (PNG, JPEG, TIFF, WebP and theirs), about 1.2 MB of
// the game's memory, which it needs only while it reads its pictures, at start. So the library is
// opened for the first picture and closed once the window has them all; a picture wanted later opens
// it again.
#include "platform/Host.h"
#include "platform/sdl/PictureDecode.h"
#include "platform/sdl/Utf8Path.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_loadso.h>
#include <mutex>
#include <string>

namespace platform {

namespace {

struct Decoders {
  void* library = nullptr;
  decltype(&IMG_Init) init = nullptr;
  decltype(&IMG_Load) load = nullptr;
  decltype(&IMG_Quit) quit = nullptr;
};

std::mutex decodersGuard;
Decoders decoders;

template <class Function> void bind(Function& function, const char* name) {
  function = reinterpret_cast<Function>(SDL_LoadFunction(decoders.library, name));
  if (function == nullptr) {
    throw AssetError(std::string("the picture library ") + FROTHWICK_PICTURE_LIBRARY + " has no " + name);
  }
}

// Opened once, under the lock, rather than raced by two threads decoding.
decltype(&IMG_Load) openedDecoders(const std::filesystem::path& file) {
  const std::lock_guard lock(decodersGuard);
  if (decoders.load != nullptr) {
    return decoders.load;
  }
  decoders.library = SDL_LoadObject(FROTHWICK_PICTURE_LIBRARY);
  if (decoders.library == nullptr) {
    throw AssetError("cannot load picture " + file.string() + ": " + SDL_GetError());
  }
  try {
    bind(decoders.init, "IMG_Init");
    bind(decoders.quit, "IMG_Quit");
    bind(decoders.load, "IMG_Load");
  } catch (const AssetError&) {
    SDL_UnloadObject(decoders.library);
    decoders = {};
    throw;
  }
  decoders.init(IMG_INIT_PNG | IMG_INIT_JPG);
  return decoders.load;
}

} // namespace

Picture decodePictureFile(const std::filesystem::path& file) {
  SDL_Surface* loaded = openedDecoders(file)(utf8(file).c_str());
  if (loaded == nullptr) {
    throw AssetError("cannot load picture " + file.string() + ": " + SDL_GetError());
  }
  Picture picture;
  picture.width = loaded->w;
  picture.height = loaded->h;
  picture.pixels.resize(static_cast<std::size_t>(loaded->w * loaded->h));
  // Copied once, straight into the picture's own pixels in the game's layout, whatever the file's
  // (a palette, no alpha): no converted copy of the whole picture in between.
  SDL_Surface* target = SDL_CreateRGBSurfaceWithFormatFrom(picture.pixels.data(), loaded->w, loaded->h, 32,
                                                           loaded->w * 4, SDL_PIXELFORMAT_ARGB8888);
  const bool copied = target != nullptr && SDL_SetSurfaceBlendMode(loaded, SDL_BLENDMODE_NONE) == 0 &&
                      SDL_BlitSurface(loaded, nullptr, target, nullptr) == 0;
  SDL_FreeSurface(target);
  SDL_FreeSurface(loaded);
  if (!copied) {
    throw AssetError("cannot decode picture " + file.string() + ": " + SDL_GetError());
  }
  return picture;
}

void endPictureDecoders() {
  const std::lock_guard lock(decodersGuard);
  if (decoders.library != nullptr) {
    decoders.quit();
    SDL_UnloadObject(decoders.library);
    decoders = {};
  }
}

} // namespace platform
