// A police wail: a horn-like tone sweeping up and down twice.
#include "sounds.hpp"

#include <algorithm>
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

// A brassy, band-limited tone: harmonics fall off gently and stop below the Nyquist limit.
double horn(double phase, double freq) {
  double sum = 0;
  for (int k = 1; k * freq < 9000; ++k) {
    const double fade_out = std::min(1.0, (9000 - k * freq) / 2500);
    sum += fade_out * std::sin(2 * M_PI * k * phase) / std::pow(k, k % 2 ? 1.1 : 1.6);
  }
  return sum;
}

} // namespace

std::vector<double> synth_siren() {
  const int n = int(kSeconds * kSampleRate);
  std::vector<double> out(n);
  double phase = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    const double f = frequency(t);
    phase = std::fmod(phase + f / kSampleRate, 1.0);
    out[i] = horn(phase, f) * (0.9 + 0.1 * std::sin(2 * M_PI * 11 * t));
  }
  return out;
}

} // namespace art
