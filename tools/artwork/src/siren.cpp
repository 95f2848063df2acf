// A police wail: a horn-like tone sweeping up and down twice.
#include "sounds.hpp"

#include <cmath>

namespace art {

namespace {

constexpr double kSeconds = 2.0;
constexpr double kLow = 620, kHigh = 1320, kCycle = 1.0;

double frequency(double t) {
  const double cycle_pos = std::fmod(t, kCycle) / kCycle;
  const double sweep = 0.5 - 0.5 * std::cos(2 * M_PI * cycle_pos);
  return kLow + (kHigh - kLow) * sweep;
}

double horn(double phase) {
  const double w = 2 * M_PI * phase;
  return std::tanh(2.2 * (std::sin(w) + 0.3 * std::sin(3 * w) + 0.12 * std::sin(5 * w)));
}

} // namespace

std::vector<double> synth_siren() {
  const int n = int(kSeconds * kSampleRate);
  std::vector<double> out(n);
  double phase = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    phase = std::fmod(phase + frequency(t) / kSampleRate, 1.0);
    out[i] = horn(phase) * (0.9 + 0.1 * std::sin(2 * M_PI * 11 * t));
  }
  return out;
}

} // namespace art
