#include "platform/sdl/SdlKeys.h"

#include "platform/KeyCodes.h"

#include <array>
#include <utility>

namespace platform {

namespace {

// Keys whose codes follow no range. Punctuation takes the codes a US keyboard gives it.
constexpr std::pair<SDL_Keycode, std::int16_t> kSingleKeys[] = {
    {SDLK_BACKSPACE, vk::Back},
    {SDLK_TAB, vk::Tab},
    {SDLK_RETURN, vk::Return},
    {SDLK_KP_ENTER, vk::Return},
    {SDLK_LSHIFT, vk::Shift},
    {SDLK_RSHIFT, vk::Shift},
    {SDLK_LCTRL, vk::Control},
    {SDLK_RCTRL, vk::Control},
    {SDLK_LALT, vk::Menu},
    {SDLK_RALT, vk::Menu},
    {SDLK_PAUSE, vk::Pause},
    {SDLK_ESCAPE, vk::Escape},
    {SDLK_SPACE, vk::Space},
    {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},
    {SDLK_HOME, 36},
    {SDLK_LEFT, vk::Left},
    {SDLK_UP, vk::Up},
    {SDLK_RIGHT, vk::Right},
    {SDLK_DOWN, vk::Down},
    {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},
    {SDLK_KP_MULTIPLY, vk::Multiply},
    {SDLK_KP_PLUS, vk::Add},
    {SDLK_KP_MINUS, vk::Subtract},
    {SDLK_KP_PERIOD, vk::Decimal},
    {SDLK_KP_DIVIDE, vk::Divide},
    {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},
    {SDLK_PLUS, 187}, // a layout with a '+' key of its own
    {SDLK_COMMA, 188},
    {SDLK_MINUS, vk::OemMinus},
    {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},
    {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},
    {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221},
    {SDLK_QUOTE, 222},
};

struct KeyRange {
  SDL_Keycode first, last;
  std::int16_t code;
};

constexpr std::array<KeyRange, 5> kRanges{{
    {SDLK_a, SDLK_z, vk::A},
    {SDLK_0, SDLK_9, vk::Digit0},
    {SDLK_KP_1, SDLK_KP_9, vk::Numpad0 + 1},
    {SDLK_KP_0, SDLK_KP_0, vk::Numpad0},
    {SDLK_F1, SDLK_F12, vk::F1},
}};

// With NumLock off the keypad's digit keys are the cursor keys printed under their digits, as the
// desktop the game was made for reports them: 4, 6 and 2 steer and drop like the arrows.
constexpr std::pair<SDL_Keycode, std::int16_t> kKeypadWithoutNumLock[] = {
    {SDLK_KP_0, 45},       {SDLK_KP_1, 35}, {SDLK_KP_2, vk::Down},  {SDLK_KP_3, 34},
    {SDLK_KP_4, vk::Left}, {SDLK_KP_5, 12}, {SDLK_KP_6, vk::Right}, {SDLK_KP_7, 36},
    {SDLK_KP_8, vk::Up},   {SDLK_KP_9, 33}, {SDLK_KP_PERIOD, 46},
};

template <std::size_t N>
std::int16_t lookUp(const std::pair<SDL_Keycode, std::int16_t> (&table)[N], SDL_Keycode key) {
  for (const auto& [sdl, code] : table) {
    if (sdl == key) {
      return code;
    }
  }
  return 0;
}

} // namespace

std::int16_t virtualKeyFor(SDL_Keycode key, std::uint16_t modifiers) {
  if ((modifiers & KMOD_NUM) == 0) {
    if (const std::int16_t code = lookUp(kKeypadWithoutNumLock, key)) {
      return code;
    }
  }
  for (const KeyRange& range : kRanges) {
    if (key >= range.first && key <= range.last) {
      return static_cast<std::int16_t>(range.code + (key - range.first));
    }
  }
  return lookUp(kSingleKeys, key);
}

std::int16_t virtualKeyFor(SDL_Keycode key, std::uint16_t modifiers, SDL_Scancode position) {
  const std::int16_t code = virtualKeyFor(key, modifiers);
  if (code == 0 && position >= SDL_SCANCODE_A && position <= SDL_SCANCODE_Z) {
    return static_cast<std::int16_t>(vk::A + (position - SDL_SCANCODE_A));
  }
  return code;
}

std::int16_t shiftStateFor(std::uint16_t modifiers) {
  std::int16_t shift = 0;
  if ((modifiers & KMOD_SHIFT) != 0) {
    shift |= vk::ShiftMask;
  }
  if ((modifiers & KMOD_CTRL) != 0) {
    shift |= vk::CtrlMask;
  }
  if ((modifiers & KMOD_ALT) != 0) {
    shift |= vk::AltMask;
  }
  return shift;
}

} // namespace platform
