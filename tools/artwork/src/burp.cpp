// A comic burp: an irregular low glottal buzz through two throaty resonances.
#include "sounds.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace art {

namespace {

constexpr double kSeconds = 0.5;

// Two-pole resonator tuned to one formant.
class Resonator {
public:
  Resonator(double freq, double bandwidth) {
    const double r = std::exp(-M_PI * bandwidth / kSampleRate);
    a1_ = 2 * r * std::cos(2 * M_PI * freq / kSampleRate);
    a2_ = -r * r;
    gain_ = 1 - r;
  }
  double step(double in) {
    const double out = gain_ * in + a1_ * y1_ + a2_ * y2_;
    y2_ = y1_;
    y1_ = out;
    return out;
  }

private:
  double a1_, a2_, gain_, y1_ = 0, y2_ = 0;
};

// Removes the steady offset the one-sided glottal pulses leave behind.
class DcBlocker {
public:
  double step(double in) {
    out_ = in - in_ + 0.995 * out_;
    in_ = in;
    return out_;
  }

private:
  double in_ = 0, out_ = 0;
};

class Jitter {
public:
  double next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / 16777216.0 - 0.5;
  }

private:
  uint32_t state_ = 20240611u;
};

double envelope(double t) {
  const double attack = std::min(1.0, t / 0.035);
  const double release = t > 0.3 ? std::exp(-(t - 0.3) * 14) : 1.0;
  return attack * release * (1 + 0.25 * std::sin(2 * M_PI * 7 * t));
}

// Pitch sags from a gulp into a low rumble.
double pitch(double t) {
  return 62 + 38 * std::exp(-t * 6);
}

} // namespace

std::vector<double> synth_burp() {
  const int n = int(kSeconds * kSampleRate);
  std::vector<double> out(n);
  Resonator low(480, 160), high(980, 260), rasp(1900, 400);
  DcBlocker dc;
  Jitter jitter;
  double phase = 0, period_scale = 1;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / kSampleRate;
    phase += pitch(t) * period_scale / kSampleRate;
    if (phase >= 1) {
      phase -= 1;
      period_scale = 1 + 0.35 * jitter.next();
    }
    const double pulse = phase < 0.35 ? std::sin(M_PI * phase / 0.35) : 0.0;
    const double source = pulse * pulse + 0.08 * jitter.next();
    const double voice = low.step(source) * 1.6 + high.step(source) * 0.8 + rasp.step(source) * 0.35;
    out[i] = envelope(t) * dc.step(voice);
  }
  return out;
}

} // namespace art
