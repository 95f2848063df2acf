#include "platform/sdl/PictureFile.h"

#include "platform/Host.h"
#include "platform/PictureHeader.h"
#include "platform/sdl/PictureDecode.h"

#include <SDL.h>
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace platform {

namespace {

void expectSize(const std::filesystem::path& file, PixelSize found, PixelSize wanted) {
  if (found != wanted) {
    throw AssetError("picture " + file.string() + " is " + std::to_string(found.width) + " x " +
                     std::to_string(found.height) + " pixels; the game is drawn for " +
                     std::to_string(wanted.width) + " x " + std::to_string(wanted.height));
  }
}

// Decoded files are kept, so that a test suite starting many windows decodes each file once. The
// first load of a file is given the kept picture itself and later ones a copy of their own: every
// load is a picture of its own, as the game expects, and the kept ones cost no memory of their own.
struct Kept {
  std::once_flag decoding;
  std::shared_ptr<const Picture> picture;
  bool given = false;
};

std::mutex keptGuard;

// A map's entries never move, so an entry found under the lock may be used after it is released.
Kept& kept(const std::filesystem::path& file) {
  static std::map<std::filesystem::path, Kept> decoded;
  const std::lock_guard lock(keptGuard);
  return decoded[file];
}

// Decodes the file unless it is decoded already; waits while another thread decodes it. A file that
// declares a size other than `wanted` is refused before decoding. A failure leaves the file to be
// tried again by the next load, which then says what is wrong.
void decodeOnce(Kept& entry, const std::filesystem::path& file, std::optional<PixelSize> wanted) {
  std::call_once(entry.decoding, [&] {
    if (const auto declared = declaredPictureSize(file); declared && wanted) {
      expectSize(file, *declared, *wanted);
    }
    entry.picture = std::make_shared<const Picture>(decodePictureFile(file));
  });
}

// No picture of the game is larger than its window: a file declaring more is left for a load to
// refuse, or to decode when it is truly wanted at that size.
constexpr std::int64_t kLargestPrefetch = std::int64_t{1024} * 1024;

void prefetch(const std::stop_token& stop, const std::filesystem::path& folder) {
  // Nothing may escape this thread: a folder that cannot be read to the end is read as far as it goes.
  std::error_code error;
  std::vector<std::filesystem::path> files;
  for (std::filesystem::directory_iterator item(folder, error), end; !error && item != end;
       item.increment(error)) {
    files.push_back(item->path());
  }
  std::sort(files.begin(), files.end());
  for (const auto& file : files) {
    if (stop.stop_requested()) {
      return;
    }
    const auto declared = declaredPictureSize(file);
    if (!declared || std::int64_t{declared->width} * declared->height > kLargestPrefetch) {
      continue;
    }
    try {
      decodeOnce(kept(file), file, std::nullopt);
    } catch (const AssetError&) {
      // The load of this file will meet the same fault and report it.
    }
  }
}

} // namespace

PicturePtr readPictureFile(const std::filesystem::path& file, PixelSize size) {
  Kept& entry = kept(file);
  decodeOnce(entry, file, size);
  expectSize(file, {entry.picture->width, entry.picture->height}, size);
  const std::lock_guard lock(keptGuard);
  if (!entry.given) {
    entry.given = true;
    return entry.picture;
  }
  return std::make_shared<Picture>(*entry.picture);
}

PicturePrefetch::PicturePrefetch(const std::filesystem::path& folder) {
  worker_ = std::jthread([folder](const std::stop_token& stop) {
    prefetch(stop, folder);
    // SDL keeps a thread's last error in storage of the thread's own, which only SDL's threads free.
    SDL_TLSCleanup();
  });
}

} // namespace platform
