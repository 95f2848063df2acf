#include "Trace.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iomanip>

namespace {

enum Kind : std::size_t { kScreen, kPlay, kBoard, kWindow };

std::string screenDigest(const platform::Surface& screen) {
  std::uint64_t hash = 14695981039346656037ULL; // FNV-1a over every pixel
  for (const platform::Pixel pixel : screen.pixels()) {
    hash = (hash ^ pixel) * 1099511628211ULL;
  }
  std::ostringstream out;
  out << "screen " << std::hex << std::setw(16) << std::setfill('0') << hash;
  return out.str();
}

std::string playState(const frmMain& game) {
  std::ostringstream out;
  out << "score " << game.Score << " lives " << game.Lives << " delay " << game.StepDelay << " step "
      << game.FallStep << (game.Paused ? " paused" : "") << (game.GameOver ? " over" : "")
      << (game.EnteringName ? " naming" : "");
  return out.str();
}

// The rows that hold anything, as the kind (1..7) in each of the fifteen columns.
std::string boardContents(const frmMain& game) {
  std::string out = "board";
  for (std::size_t row = 0; row < game.Board.size(); ++row) {
    std::string cells;
    for (std::size_t column = 0; column < 15; ++column) {
      const std::int16_t value = game.Board[row][column];
      cells += value == 0 ? '.' : static_cast<char>('0' + value);
    }
    if (cells.find_first_not_of('.') != std::string::npos) {
      out += " " + std::to_string(row) + ":" + cells;
    }
  }
  return out;
}

std::string windowState(const platform::TestHost& host) {
  std::ostringstream out;
  out << "window '" << host.caption << "'" << (host.borderless ? " borderless" : "")
      << (host.minimized ? " minimized" : "") << " pointer "
      << (host.pointer == platform::MousePointer::Hand ? "hand" : "arrow") << " drags " << host.drags
      << " tips " << host.toolTips.size() << " saves " << host.store.updates << " seeded "
      << host.randomizeCalls;
  if (!host.toolTips.empty()) {
    out << " '" << host.toolTips.back() << "'";
  }
  return out.str();
}

} // namespace

Trace::Trace(platform::TestHost& host, frmMain& game) : host_(host), game_(game), start_(host.tickCount()) {
  host_.onEffect = [this](const std::string& what) { effect(what); };
}

Trace::~Trace() {
  host_.onEffect = nullptr;
}

void Trace::note(const std::string& line) {
  out_ << host_.tickCount() - start_ << ' ' << line << '\n';
}

void Trace::onChange(std::size_t kind, const std::string& now) {
  if (last_[kind] != now) {
    last_[kind] = now;
    note(now);
  }
}

void Trace::effect(const std::string& what) {
  if (what != "present") {
    note(what);
    return;
  }
  onChange(kPlay, playState(game_));
  onChange(kBoard, boardContents(game_));
  onChange(kWindow, windowState(host_));
  onChange(kScreen, screenDigest(host_.screen()));
}

void expectRecorded(const std::string& name, const std::string& trace) {
  const std::string file = std::string(FROTHWICK_TEST_DATA) + "/" + name + ".trace";
  if (std::getenv("FROTHWICK_RECORD") != nullptr) {
    std::ofstream(file) << trace;
    return;
  }
  std::ifstream in(file);
  ASSERT_TRUE(in) << file << " is missing: record it with tests/data/record.sh";
  const std::string recorded{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // The first line that differs says what happened out of turn.
  std::istringstream want(recorded), got(trace);
  std::string wantLine, gotLine;
  for (int line = 1;; ++line) {
    const bool wanted = static_cast<bool>(std::getline(want, wantLine));
    const bool happened = static_cast<bool>(std::getline(got, gotLine));
    if (!wanted && !happened) {
      return;
    }
    ASSERT_EQ(happened ? gotLine : "(trace ended)", wanted ? wantLine : "(trace ended)")
        << name << ".trace line " << line;
  }
}
