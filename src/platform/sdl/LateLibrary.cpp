#include "platform/sdl/LateLibrary.h"

#include <SDL_loadso.h>
#include <cstdio>
#include <utility>

namespace platform {

LateLibrary::LateLibrary(std::string speaker, const char* file, const char* purpose)
    : handle_(SDL_LoadObject(file)), speaker_(std::move(speaker)), file_(file), purpose_(purpose) {
  if (handle_ == nullptr) {
    std::fprintf(stderr, "%s: %s: %s\n", speaker_.c_str(), purpose, SDL_GetError());
  }
}

void* LateLibrary::find(const char* name) {
  void* function = handle_ != nullptr ? SDL_LoadFunction(handle_, name) : nullptr;
  if (function == nullptr) {
    missing_ = true;
    if (handle_ != nullptr) {
      std::fprintf(stderr, "%s: %s: %s has no %s\n", speaker_.c_str(), purpose_.c_str(), file_.c_str(), name);
    }
  }
  return function;
}

} // namespace platform
