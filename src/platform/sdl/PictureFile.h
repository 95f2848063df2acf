#pragma once
// Reads the game's PNG and JPEG files into pictures, each file decoded once.
#include "platform/Picture.h"

#include <filesystem>
#include <thread>

namespace platform {

// Throws AssetError naming the file when it is missing or cannot be decoded, or when it is not of
// the size given; the size is read from the file's header before anything is decoded. Every call
// gives a picture object of its own, even for a file read before.
PicturePtr readPictureFile(const std::filesystem::path& file, PixelSize size);

// Decodes every picture file of a folder on a thread of its own while the window loads them, so that
// on a machine of two cores two of them are decoded at a time. A load of a file the thread is
// decoding waits for it; a file the thread has not reached yet is decoded by whoever asks first. Files
// it cannot decode it leaves to the load, which says what is wrong. Destroying it stops the thread
// after the file in hand.
class PicturePrefetch {
public:
  explicit PicturePrefetch(const std::filesystem::path& folder);

private:
  std::jthread worker_;
};

} // namespace platform
