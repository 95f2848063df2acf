// A name from a game pad, arcade style: up and down turn the character under the cursor through the
// letters, digits and space, right or the bottom button types it, left or the right-hand button takes
// one back, and Start ends the name, each through the key that does it.
#include "platform/KeyCodes.h"
#include "window/frmMain.h"

#include <string_view>

namespace vk = platform::vk;
using platform::PadButton;

namespace {

// In the order up turns them; the space first, so that up from the bare cursor gives A.
constexpr std::string_view PadLetters = " ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

} // namespace

void frmMain::NameEntryPad(PadButton Button) {
  const auto count = static_cast<std::int16_t>(PadLetters.size());
  std::int16_t key = 0;
  switch (Button) {
  case PadButton::Up:
  case PadButton::Down: {
    const std::int16_t chosen = (PadLetter + (Button == PadButton::Up ? 1 : count - 1)) % count;
    if (chosen == 0) {
      DrawEntryCursor();
    } else {
      PaintOnScoreBoard(
          LetterPicture(static_cast<unsigned char>(PadLetters[static_cast<std::size_t>(chosen)])),
          ScoreLetterX[EntryColumn], ScoreRowY[EntryRow]);
    }
    PadLetter = chosen;
    return;
  }
  case PadButton::Right:
  case PadButton::South:
    // A letter or digit's key code is its character's code, and so is the space bar's.
    key = static_cast<unsigned char>(PadLetters[static_cast<std::size_t>(PadLetter)]);
    break;
  case PadButton::Left:
  case PadButton::East:
    key = vk::Back;
    break;
  case PadButton::Start:
    key = vk::Return;
    break;
  case PadButton::Back:
  case PadButton::North:
  case PadButton::West:
    return;
  }
  NameEntryKey(key);
}
