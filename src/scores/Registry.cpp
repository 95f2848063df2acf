// The high-score table and the sound setting, kept in the settings store between runs.
#include "window/frmMain.h"

#include <charconv>
#include <iostream>

namespace {

constexpr const char* kApp = "Frothwick";
constexpr const char* kSection = "Settings";

// A stored score that is not a whole number in the 32-bit range (a hand-edited store) reads as 0.
std::int32_t ParseScore(const std::string& text) {
  std::int32_t value = 0;
  const char* first = text.data();
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc{} && end == last && first != last ? value : 0;
}

} // namespace

void frmMain::GetRegistry() {
  TraceProcedure("GetRegistry");
  platform::SettingsStore& store = host_.settings();
  for (std::size_t i = 1; i <= 10; ++i) {
    const std::string n = std::to_string(i);
    HighScoreNames[i] = store.get(kApp, kSection, "HighScoreName" + n, "");
    HighScores[i] = ParseScore(store.get(kApp, kSection, "HighScore" + n, "0"));
  }
  const bool on = store.get(kApp, kSection, "Sound", "") == "ON";
  pctSound.setPicture(on ? pctSoundOn.picture() : pctSoundOff.picture());
  TraceProcedure("EndRegistry");
}

void frmMain::SaveRegistry() {
  platform::SettingsStore& store = host_.settings();
  for (std::size_t i = 1; i <= 10; ++i) {
    const std::string n = std::to_string(i);
    store.set(kApp, kSection, "HighScoreName" + n, HighScoreNames[i]);
    store.set(kApp, kSection, "HighScore" + n, std::to_string(HighScores[i]));
  }
  store.set(kApp, kSection, "Sound", SoundIsOn() ? "ON" : "OFF");
  // The player is leaving: say why the scores could not be kept, but let the game end normally.
  const std::string error = store.flush();
  if (!error.empty()) {
    std::cerr << "Frothwick: could not save the high scores: " << error << '\n';
  }
}
