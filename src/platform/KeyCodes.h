#pragma once
// Virtual-key codes as the game's key handlers expect them.
#include <cstdint>

namespace platform::vk {

constexpr std::int16_t Back = 8;
constexpr std::int16_t Tab = 9;
constexpr std::int16_t Return = 13;
constexpr std::int16_t Shift = 16;
constexpr std::int16_t Control = 17;
constexpr std::int16_t Menu = 18;
constexpr std::int16_t Pause = 19;
constexpr std::int16_t Escape = 27;
constexpr std::int16_t Space = 32;
constexpr std::int16_t Left = 37;
constexpr std::int16_t Up = 38;
constexpr std::int16_t Right = 39;
constexpr std::int16_t Down = 40;
constexpr std::int16_t Digit0 = 48; // to 57
constexpr std::int16_t A = 65;      // to 90
constexpr std::int16_t N = 78;
constexpr std::int16_t P = 80;
constexpr std::int16_t Q = 81;
constexpr std::int16_t Numpad0 = 96; // to 105
constexpr std::int16_t Multiply = 106;
constexpr std::int16_t Add = 107;
constexpr std::int16_t Subtract = 109;
constexpr std::int16_t Decimal = 110;
constexpr std::int16_t Divide = 111;
constexpr std::int16_t F1 = 112; // to 123
constexpr std::int16_t F2 = 113;
constexpr std::int16_t OemMinus = 189;

// Shift-state bits of a key event.
constexpr std::int16_t ShiftMask = 1;
constexpr std::int16_t CtrlMask = 2;
constexpr std::int16_t AltMask = 4;

} // namespace platform::vk
