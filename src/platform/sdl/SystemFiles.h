#pragma once
// The files the SDL host finds by name, as the system it runs on names them.
namespace platform::system_files {

extern const char* const kMixerLibrary; // SDL2_mixer, opened when the sound is first wanted
extern const char* const kFontLibrary;  // SDL2_ttf, opened for the first tool tip
// The tool tips' font: a full path, or one relative to the program's own folder.
extern const char* const kToolTipFont;

} // namespace platform::system_files
