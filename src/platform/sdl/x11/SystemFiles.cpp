#include "platform/sdl/SystemFiles.h"

namespace platform::system_files {

// Debian's packages of the libraries and of the font.
const char* const kMixerLibrary = "libSDL2_mixer-2.0.so.0";
const char* const kFontLibrary = "libSDL2_ttf-2.0.so.0";
const char* const kToolTipFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

} // namespace platform::system_files
