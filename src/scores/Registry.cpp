// The high-score table and the sound setting, kept in the settings store between runs. The table is
// saved whenever it changes and on every way out, each save laying this game's changes over the store
// as it is then, so that a game open beside this one keeps its entries too.
#include "window/frmMain.h"

#include <iostream>

namespace {

constexpr const char* kApp = kFrothwick.name;
using scores::kSection;

} // namespace

void frmMain::GetRegistry() {
  TraceProcedure("GetRegistry");
  platform::SettingsStore& store = host_.settings();
  for (std::size_t i = 1; i <= 10; ++i) {
    HighScoreNames[i] = store.get(kApp, kSection, scores::NameKey(i), "");
    HighScores[i] = scores::ParseScore(store.get(kApp, kSection, scores::ScoreKey(i), "0"));
  }
  StoredSound = store.get(kApp, kSection, "Sound", "");
  pctSound.setPicture(StoredSound == "ON" ? pctSoundOn.picture() : pctSoundOff.picture());
  StoreProblem = store.problem(kApp);
  if (!StoreProblem.empty()) {
    std::cerr << kApp << ": cannot read the high scores from " << StoreProblem
              << "; starting with an empty table and leaving that file alone\n";
  }
  TraceProcedure("EndRegistry");
}

// Said once the window is on screen, so that the player sees which window it is about.
void frmMain::AnnounceStoreProblem() {
  if (!StoreProblem.empty()) {
    host_.messageBox("The high scores cannot be read from " + StoreProblem +
                     ".\n\nThe game starts with an empty table and will leave that file alone.");
  }
}

bool frmMain::SaveRegistry(bool Leaving) {
  if (!StoreProblem.empty() && !Leaving) {
    return false; // the player was told at start-up; said again on the way out
  }
  // The entry being named has its name as typed so far; it is kept back until it is done, unless the
  // game is ending now.
  const bool named = !TableChanges.empty() && !TableChanges.back().clear && EntryRow >= 1;
  if (named) {
    TableChanges.back().name = HighScoreNames[static_cast<std::size_t>(EntryRow)];
  }
  const std::size_t ready = named && EnteringName && !Leaving ? TableChanges.size() - 1 : TableChanges.size();
  const std::vector<scores::TableChange> changes(TableChanges.begin(),
                                                 TableChanges.begin() + static_cast<std::ptrdiff_t>(ready));
  const std::string sound = SoundIsOn() ? "ON" : "OFF";
  const bool soundChanged = (sound == "ON") != (StoredSound == "ON");
  const std::string error = host_.settings().update(kApp, [&](platform::IniDocument& store) {
    scores::ApplyTableChanges(store, changes);
    if (soundChanged || !store.get(kSection, "Sound")) {
      store.set(kSection, "Sound", sound);
    }
  });
  if (error.empty()) {
    TableChanges.erase(TableChanges.begin(), TableChanges.begin() + static_cast<std::ptrdiff_t>(ready));
    StoredSound = sound;
    return true;
  }
  std::cerr << kApp << ": the high scores were not saved: " << error << '\n';
  if (StoreProblem.empty()) {
    host_.messageBox("The high scores could not be saved to " + error + ".");
  }
  return false;
}

int frmMain::SaveOnTheWayOut() {
  const bool table = SaveRegistry(true);
  const bool window = host_.saveUnsavedSettings();
  return table && window ? 0 : 1;
}
