#pragma once
// Which scale the window is shown at. The player's choice is kept in the game's own section of the
// settings store, each change laid over the store as it is then, so a game open beside this one keeps
// its own settings; without a choice the scale is the largest that leaves room on the display. A
// scale given for one run (the game's <prefix>SCALE) wins over both until the player changes it.
#include "platform/GameIdentity.h"
#include "platform/Scale.h"
#include "platform/SettingsStore.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::int32_t kLargestScale = 4;

// The player's keys for the scale: Ctrl with Plus (or =, or the keypad's Plus), Minus or 0.
enum class ScaleKey { None, Larger, Smaller, Automatic };
ScaleKey scaleKeyFor(std::int16_t keyCode, std::int16_t shift);

// The largest whole scale, 1 to kLargestScale, at which a window of the given client size fits in
// `percent` per cent of a display's usable area; 1 when even that does not fit.
std::int32_t fittingScale(PixelSize client, const Rect& usable, std::int32_t percent);

// A scale as a person may write it in the settings file or the environment: a whole number from 1
// to kLargestScale, spaces around it allowed; anything else is no scale at all.
std::optional<std::int32_t> parseScale(std::string_view text);

class WindowScale {
public:
  // The choice is kept in the game's store and section. `usable` is the usable area of the display
  // the window opens on; `forRun` the text of a scale given for this run only, or null. `tell` shows
  // the player a message: that a choice was not saved.
  WindowScale(const GameIdentity& game, SettingsStore& store, const Rect& usable, const char* forRun,
              std::function<void(const std::string&)> tell);

  std::int32_t factor() const { return factor_; }
  // Takes a scale key, changing the scale within what fits the display the window is on, and keeps
  // the player's choice; false for every other key, which is the game's.
  bool takeKey(std::int16_t keyCode, std::int16_t shift, const Rect& usable);
  // Saves the player's choice if saving it failed before; false when it still fails.
  bool saveIfUnsaved();

private:
  void choose(std::optional<std::int32_t> chosen, const Rect& usable);
  bool save();

  const GameIdentity& game_;
  SettingsStore& store_;
  std::function<void(const std::string&)> tell_;
  std::optional<std::int32_t> chosen_; // none: the automatic choice
  bool unsaved_ = false;
  std::int32_t factor_ = 1;
};

} // namespace platform
