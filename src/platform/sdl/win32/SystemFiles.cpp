#include "platform/sdl/SystemFiles.h"

namespace platform::system_files {

// Everything comes in the game's own folder, which Windows searches first for a library.
const char* const kMixerLibrary = "SDL2_mixer.dll";
const char* const kFontLibrary = "SDL2_ttf.dll";
const char* const kToolTipFont = "fonts/DejaVuSans.ttf";

} // namespace platform::system_files
