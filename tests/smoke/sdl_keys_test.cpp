// The codes the game's key handlers were written for, from SDL's keys and the places of foreign letters.
#include "platform/sdl/SdlKeys.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <span>

namespace platform {
namespace {

using KeyCode = std::pair<SDL_Keycode, std::int16_t>;

// With NumLock on: every range at both ends, the keys the game reacts to, and keys of no code.
const KeyCode kWithNumLock[] = {
    {SDLK_a, 65},         {SDLK_z, 90},       {SDLK_0, 48},          {SDLK_9, 57},      {SDLK_F1, 112},
    {SDLK_F12, 123},      {SDLK_F13, 0},      {SDLK_KP_0, 96},       {SDLK_KP_1, 97},   {SDLK_KP_9, 105},
    {SDLK_BACKSPACE, 8},  {SDLK_RETURN, 13},  {SDLK_KP_ENTER, 13},   {SDLK_PAUSE, 19},  {SDLK_ESCAPE, 27},
    {SDLK_SPACE, 32},     {SDLK_LEFT, 37},    {SDLK_RIGHT, 39},      {SDLK_DOWN, 40},   {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109}, {SDLK_EQUALS, 187}, {SDLK_PLUS, 187},      {SDLK_MINUS, 189}, {SDLK_UNKNOWN, 0},
    {SDLK_LGUI, 0},       {SDLK_MENU, 0},     {SDLK_VOLUMEUP, 0},    {SDLK_UP, 38},     {SDLK_TAB, 9},
    {SDLK_LSHIFT, 16},    {SDLK_RCTRL, 17},   {SDLK_LALT, 18},       {SDLK_F2, 113},    {SDLK_n, 78},
    {SDLK_p, 80},         {SDLK_q, 81},       {SDLK_KP_PERIOD, 110},
};
// Without NumLock the keypad's digits are the keys printed under them: they steer, and type nothing.
const KeyCode kWithoutNumLock[] = {
    {SDLK_KP_0, 45},      {SDLK_KP_2, 40},     {SDLK_KP_4, 37},     {SDLK_KP_6, 39}, {SDLK_KP_9, 33},
    {SDLK_KP_PERIOD, 46}, {SDLK_KP_ENTER, 13}, {SDLK_KP_PLUS, 107}, {SDLK_4, 52},    {SDLK_LEFT, 37},
};

TEST(SdlKeys, KeysTranslateToTheCodesTheGameHandlesWhateverShiftSays) {
  const std::pair<std::span<const KeyCode>, std::uint16_t> tables[] = {{kWithNumLock, KMOD_NUM},
                                                                       {kWithoutNumLock, KMOD_NONE}};
  for (const auto& [keys, modifiers] : tables) {
    for (const auto& [key, code] : keys) {
      EXPECT_EQ(virtualKeyFor(key, modifiers), code)
          << SDL_GetKeyName(key) << " with modifiers " << modifiers;
      EXPECT_EQ(virtualKeyFor(key, modifiers | KMOD_SHIFT), code) << SDL_GetKeyName(key) << " with Shift";
    }
  }
}

TEST(SdlKeys, ALetterKeyWhoseSymbolHasNoCodeGivesTheLetterOfItsPlace) {
  const std::tuple<SDL_Keycode, SDL_Scancode, std::int16_t> cases[] = {
      {0x444, SDL_SCANCODE_A, 'A'},      // Russian: the Cyrillic ef on the A key
      {0x3C7, SDL_SCANCODE_Z, 'Z'},      // Greek: chi on the last letter key
      {SDLK_q, SDL_SCANCODE_A, 'Q'},     // French: a Latin letter is the letter it shows
      {SDLK_COMMA, SDL_SCANCODE_M, 188}, // French: the comma on the M key stays a comma
      {0xE9, SDL_SCANCODE_1, 0},         // French: the key after the last letter key is no letter key
  };
  for (const auto& [key, place, code] : cases) {
    EXPECT_EQ(virtualKeyFor(key, KMOD_NUM, place), code) << key;
  }
}

TEST(SdlKeys, ModifiersOfEitherSideSetTheirShiftBitsAndLocksNone) {
  const std::pair<std::uint16_t, std::int16_t> cases[] = {
      {KMOD_NONE, 0},
      {KMOD_LSHIFT, 1},
      {KMOD_RSHIFT, 1},
      {KMOD_RCTRL, 2},
      {KMOD_LALT, 4},
      {KMOD_LSHIFT | KMOD_RCTRL | KMOD_RALT, 7},
      {KMOD_CAPS | KMOD_NUM | KMOD_GUI, 0},
  };
  for (const auto& [modifiers, shift] : cases) {
    EXPECT_EQ(shiftStateFor(modifiers), shift) << modifiers;
  }
}

} // namespace
} // namespace platform
