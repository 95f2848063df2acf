// The button column and dialog buttons: one family of brass coasters.
#include "coaster.hpp"
#include "generators.hpp"
#include "symbols.hpp"

namespace art {

namespace {

struct Button {
  const char* file_name;
  SymbolFn symbol;
  bool cut_out; // shown over the panel through transparent corners
};

constexpr Button kButtons[] = {
    {"pctNew.png", symbol_star, true},          {"pctPlay.png", symbol_play, true},
    {"pctPause.png", symbol_pause, true},       {"pctScores.png", symbol_trophy, true},
    {"pctAbout.png", symbol_info, true},        {"pctQuit.png", symbol_door, true},
    {"pctSoundOn.png", symbol_sound_on, false}, {"pctSoundOff.png", symbol_sound_off, false},
    {"pctOk.png", symbol_check, true},          {"pctClear.png", symbol_eraser, false},
    {"pctAboutText3.png", symbol_cross, true},
};

} // namespace

void add_buttons(Album& album) {
  const Surface mask = coaster_mask();
  for (const Button& b : kButtons) {
    Surface s = coaster(b.symbol);
    if (b.cut_out)
      apply_binary_mask(s, mask);
    album.add(b.file_name, std::move(s));
  }
}

} // namespace art
