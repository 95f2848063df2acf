#pragma once
// A scenario's record of what the player sees and hears, in the order it happens: a line for every
// change of the picture on screen, the score and lives, the board's contents and the window's state,
// and a line for every sound, web page and message. Traces are kept under tests/data/ and compared
// whole, so an effect that comes too early, too late or not at all shows as a changed line.
#include "TestHost.h"
#include "window/frmMain.h"

#include <array>
#include <sstream>
#include <string>

class Trace {
public:
  Trace(platform::TestHost& host, frmMain& game);
  ~Trace();
  Trace(const Trace&) = delete;
  Trace& operator=(const Trace&) = delete;

  // Adds a line of the scenario's own at the present time: how the program ended, what was saved.
  void note(const std::string& line);
  std::string text() const { return out_.str(); }

private:
  void effect(const std::string& what);
  void onChange(std::size_t kind, const std::string& now);

  platform::TestHost& host_;
  frmMain& game_;
  std::uint32_t start_;
  std::array<std::string, 4> last_; // screen, play, board, window: the last line of each
  std::ostringstream out_;
};

// Compares a trace with tests/data/<name>.trace; with FROTHWICK_RECORD set, writes it there instead.
void expectRecorded(const std::string& name, const std::string& trace);
