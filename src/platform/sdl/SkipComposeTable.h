#pragma once
// The game reads key presses, never typed text, yet on a UTF-8 desktop SDL's input method reads the
// whole table of compose sequences as SDL starts: about 10 ms, half of SDL's start-up, to turn
// sequences into text the game never asks for. While this is in force the table is an empty file.
// The keys the game gets are the same either way: a dead key or the compose key is still a key
// press, and so is each key after it. The player's own setting is back before the game starts any
// program of its own (the web browser of the banner), and must be back before a second thread could
// read the environment while it changes.
#include <optional>
#include <string>

namespace platform {

class SkipComposeTable {
public:
  SkipComposeTable();
  ~SkipComposeTable() { end(); }
  SkipComposeTable(const SkipComposeTable&) = delete;
  SkipComposeTable& operator=(const SkipComposeTable&) = delete;

  // Puts the player's own setting back; later calls do nothing.
  void end();

private:
  std::optional<std::string> players_;
  bool inForce_ = true;
};

} // namespace platform
