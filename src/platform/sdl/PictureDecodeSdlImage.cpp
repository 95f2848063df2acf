// Decoding with SDL_image, which reads the game's PNG files and its one JPEG.
#include "platform/Host.h"
#include "platform/sdl/PictureDecode.h"
#include "platform/sdl/Utf8Path.h"

#include <SDL.h>
#include <SDL_image.h>

namespace platform {

Picture decodePictureFile(const std::filesystem::path& file) {
  SDL_Surface* loaded = IMG_Load(utf8(file).c_str());
  if (loaded == nullptr) {
    throw AssetError("cannot load picture " + file.string() + ": " + IMG_GetError());
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

// Started once, rather than raced by two threads decoding.
void startPictureDecoders() {
  IMG_Init(IMG_INIT_PNG | IMG_INIT_JPG);
}

void endPictureDecoders() {
  IMG_Quit();
}

} // namespace platform
