#include "platform/sdl/LateLibrary.h"

#include <SDL_loadso.h>
#include <cstdio>

namespace platform {

LateLibrary::LateLibrary(const char* file, const char* purpose)
    : handle_(SDL_LoadObject(file)), file_(file), purpose_(purpose) {
  if (handle_ == nullptr) {
    std::fprintf(stderr, "Frothwick: %s: %s\n", purpose, SDL_GetError());
  }
}

void* LateLibrary::find(const char* name) {
  void* function = handle_ != nullptr ? SDL_LoadFunction(handle_, name) : nullptr;
  if (function == nullptr) {
    missing_ = true;
    if (handle_ != nullptr) {
      std::fprintf(stderr, "Frothwick: %s: %s has no %s\n", purpose_.c_str(), file_.c_str(), name);
    }
  }
  return function;
}

} // namespace platform
