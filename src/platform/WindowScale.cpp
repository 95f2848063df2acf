#include "platform/WindowScale.h"

#include "platform/KeyCodes.h"

#include <algorithm>
#include <charconv>
#include <iostream>
#include <utility>

namespace platform {

namespace {

// The key of the choice in the game's section of its store, and what it holds for the automatic choice.
constexpr const char* kKey = "Scale";
constexpr const char* kAutomatic = "AUTO";

// The automatic choice leaves a margin round the window; a chosen scale may fill the display.
constexpr std::int32_t kAutomaticPercent = 90;
constexpr std::int32_t kWholeDisplay = 100;

std::string storedText(const std::optional<std::int32_t>& chosen) {
  return chosen ? std::to_string(*chosen) : kAutomatic;
}

// The '=' key, which carries '+' on most keyboards, and the key a layout with a '+' of its own gives.
constexpr std::int16_t kPlusKey = 187;

} // namespace

ScaleKey scaleKeyFor(std::int16_t keyCode, std::int16_t shift) {
  if ((shift & (vk::CtrlMask | vk::AltMask)) != vk::CtrlMask) {
    return ScaleKey::None;
  }
  switch (keyCode) {
  case kPlusKey:
  case vk::Add:
    return ScaleKey::Larger;
  case vk::OemMinus:
  case vk::Subtract:
    return ScaleKey::Smaller;
  case vk::Digit0:
  case vk::Numpad0:
    return ScaleKey::Automatic;
  default:
    return ScaleKey::None;
  }
}

std::int32_t fittingScale(PixelSize client, const Rect& usable, std::int32_t percent) {
  std::int32_t scale = kLargestScale;
  while (scale > 1 && (client.width * scale * 100 > usable.w * percent ||
                       client.height * scale * 100 > usable.h * percent)) {
    --scale;
  }
  return scale;
}

std::optional<std::int32_t> parseScale(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
  std::int32_t scale = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), scale);
  if (error != std::errc{} || end != text.data() + text.size() || scale < 1 || scale > kLargestScale) {
    return std::nullopt;
  }
  return scale;
}

WindowScale::WindowScale(const GameIdentity& game, SettingsStore& store, const Rect& usable,
                         const char* forRun, std::function<void(const std::string&)> tell)
    : game_(game), store_(store), tell_(std::move(tell)),
      chosen_(parseScale(store.get(game.name, game.settingsSection, kKey, ""))) {
  const std::optional<std::int32_t> given = forRun != nullptr ? parseScale(forRun) : std::nullopt;
  // A scale that does not fit would open the window partly off the display, where its buttons can
  // be out of reach; the largest that fits is taken instead, whoever chose it.
  const std::int32_t fits = fittingScale(game.clientSize, usable, kWholeDisplay);
  if (given) {
    factor_ = std::min(*given, fits);
    if (factor_ < *given) {
      std::cerr << game.name << ": the scale " << *given << " asked for this run does not fit the display ("
                << usable.w << " x " << usable.h << " usable); the window opens at " << factor_ << "x\n";
    }
  } else if (chosen_) {
    factor_ = std::min(*chosen_, fits);
  } else {
    factor_ = fittingScale(game.clientSize, usable, kAutomaticPercent);
  }
}

bool WindowScale::takeKey(std::int16_t keyCode, std::int16_t shift, const Rect& usable) {
  switch (scaleKeyFor(keyCode, shift)) {
  case ScaleKey::None:
    return false;
  case ScaleKey::Larger:
    choose(std::min(factor_ + 1, std::max(factor_, fittingScale(game_.clientSize, usable, kWholeDisplay))),
           usable);
    break;
  case ScaleKey::Smaller:
    choose(std::max(factor_ - 1, 1), usable);
    break;
  case ScaleKey::Automatic:
    choose(std::nullopt, usable);
    break;
  }
  return true;
}

void WindowScale::choose(std::optional<std::int32_t> chosen, const Rect& usable) {
  factor_ = chosen ? *chosen : fittingScale(game_.clientSize, usable, kAutomaticPercent);
  if (storedText(chosen) == storedText(chosen_)) {
    return;
  }
  chosen_ = chosen;
  save();
}

bool WindowScale::saveIfUnsaved() {
  return !unsaved_ || save();
}

// A choice that could not be saved is told as any failed save is, and tried again on the way out.
bool WindowScale::save() {
  const std::string error = store_.update(game_.name, [this](IniDocument& document) {
    document.set(game_.settingsSection, kKey, storedText(chosen_));
  });
  unsaved_ = !error.empty();
  if (unsaved_) {
    std::cerr << game_.name << ": the window's scale was not saved: " << error << '\n';
    tell_("The window's size could not be saved to " + error + ".");
  }
  return !unsaved_;
}

} // namespace platform
