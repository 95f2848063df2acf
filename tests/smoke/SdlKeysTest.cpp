#include "platform/sdl/SdlKeys.h"
#include "platform/KeyCodes.h"

#include <SDL.h>

#include <gtest/gtest.h>

namespace platform {
namespace {

struct KeyCase {
  SDL_Keycode key;
  std::int16_t code;
};

TEST(SdlKeys, KeysTranslateToTheCodesTheGameHandles) {
  const KeyCase cases[] = {
      {SDLK_LEFT, 37},       {SDLK_UP, 38},
      {SDLK_RIGHT, 39},      {SDLK_DOWN, 40},
      {SDLK_SPACE, 32},      {SDLK_a, 65},
      {SDLK_m, 77},          {SDLK_z, 90},
      {SDLK_0, 48},          {SDLK_9, 57},
      {SDLK_BACKSPACE, 8},   {SDLK_RETURN, 13},
      {SDLK_KP_ENTER, 13},   {SDLK_TAB, 9},
      {SDLK_ESCAPE, 27},     {SDLK_PAUSE, 19},
      {SDLK_LSHIFT, 16},     {SDLK_RSHIFT, 16},
      {SDLK_LCTRL, 17},      {SDLK_RCTRL, 17},
      {SDLK_LALT, 18},       {SDLK_RALT, 18},
      {SDLK_KP_0, 96},       {SDLK_KP_1, 97},
      {SDLK_KP_9, 105},      {SDLK_KP_MULTIPLY, 106},
      {SDLK_KP_PLUS, 107},   {SDLK_KP_MINUS, 109},
      {SDLK_KP_PERIOD, 110}, {SDLK_KP_DIVIDE, 111},
      {SDLK_F1, 112},        {SDLK_F12, 123},
      {SDLK_MINUS, 189},     {SDLK_SEMICOLON, 186},
      {SDLK_EQUALS, 187},    {SDLK_COMMA, 188},
      {SDLK_PERIOD, 190},    {SDLK_SLASH, 191},
      {SDLK_BACKQUOTE, 192}, {SDLK_LEFTBRACKET, 219},
      {SDLK_BACKSLASH, 220}, {SDLK_RIGHTBRACKET, 221},
      {SDLK_QUOTE, 222},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(virtualKeyFor(c.key, KMOD_NUM), c.code) << SDL_GetKeyName(c.key);
  }
}

TEST(SdlKeys, WithNumLockOffTheKeypadGivesTheKeysPrintedUnderItsDigits) {
  const KeyCase cases[] = {
      {SDLK_KP_4, 37},      {SDLK_KP_6, 39},     {SDLK_KP_2, 40},     {SDLK_KP_8, 38}, {SDLK_KP_7, 36},
      {SDLK_KP_1, 35},      {SDLK_KP_9, 33},     {SDLK_KP_3, 34},     {SDLK_KP_5, 12}, {SDLK_KP_0, 45},
      {SDLK_KP_PERIOD, 46}, {SDLK_KP_ENTER, 13}, {SDLK_KP_PLUS, 107}, {SDLK_4, 52},    {SDLK_LEFT, 37},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(virtualKeyFor(c.key, KMOD_NONE), c.code) << SDL_GetKeyName(c.key);
    EXPECT_EQ(virtualKeyFor(c.key, KMOD_SHIFT), c.code) << SDL_GetKeyName(c.key);
  }
}

TEST(SdlKeys, KeysTheGameHasNoCodeForTranslateToZero) {
  for (const SDL_Keycode key : {SDLK_UNKNOWN, SDLK_F13, SDLK_LGUI, SDLK_MENU, SDLK_VOLUMEUP, SDLK_AC_BACK}) {
    EXPECT_EQ(virtualKeyFor(key, KMOD_NUM), 0) << SDL_GetKeyName(key);
  }
}

TEST(SdlKeys, ALetterKeyWhoseSymbolHasNoCodeGivesTheLetterOfItsPlace) {
  struct PlacedKey {
    SDL_Keycode key;
    SDL_Scancode position;
    std::int16_t code;
  };
  const PlacedKey cases[] = {
      {0x444, SDL_SCANCODE_A, 'A'},      // Russian: the Cyrillic ef on the A key
      {0x3C9, SDL_SCANCODE_V, 'V'},      // Greek: omega on the V key
      {SDLK_q, SDL_SCANCODE_A, 'Q'},     // French: a Latin letter is the letter it shows
      {SDLK_COMMA, SDL_SCANCODE_M, 188}, // French: the comma on the M key stays a comma
      {0xE9, SDL_SCANCODE_2, 0},         // French: not a letter key
  };
  for (const PlacedKey& c : cases) {
    EXPECT_EQ(virtualKeyFor(c.key, KMOD_NUM, c.position), c.code) << c.key;
  }
}

TEST(SdlKeys, ModifiersOfEitherSideSetTheirShiftBits) {
  EXPECT_EQ(shiftStateFor(KMOD_NONE), 0);
  EXPECT_EQ(shiftStateFor(KMOD_LSHIFT), vk::ShiftMask);
  EXPECT_EQ(shiftStateFor(KMOD_RSHIFT), vk::ShiftMask);
  EXPECT_EQ(shiftStateFor(KMOD_RCTRL), vk::CtrlMask);
  EXPECT_EQ(shiftStateFor(KMOD_LALT), vk::AltMask);
  EXPECT_EQ(shiftStateFor(KMOD_LSHIFT | KMOD_RCTRL | KMOD_RALT), vk::ShiftMask | vk::CtrlMask | vk::AltMask);
  // Lock keys are not shift states.
  EXPECT_EQ(shiftStateFor(KMOD_CAPS | KMOD_NUM), 0);
}

} // namespace
} // namespace platform
