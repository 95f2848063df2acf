#include "sounds.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace art {

namespace {

constexpr double kPeak = 0.7071; // -3 dBFS
constexpr double kFadeSeconds = 0.012;

void normalise(std::vector<double>& s) {
  double peak = 0;
  for (double v : s)
    peak = std::max(peak, std::abs(v));
  if (peak > 0)
    for (double& v : s)
      v *= kPeak / peak;
}

void fade_ends(std::vector<double>& s) {
  const size_t n = std::min(s.size() / 2, static_cast<size_t>(kFadeSeconds * kSampleRate));
  for (size_t i = 0; i < n; ++i) {
    const double g = 0.5 - 0.5 * std::cos(M_PI * double(i) / double(n));
    s[i] *= g;
    s[s.size() - 1 - i] *= g;
  }
}

void put16(std::ofstream& out, uint16_t v) {
  out.put(char(v & 0xFF));
  out.put(char(v >> 8));
}

void put32(std::ofstream& out, uint32_t v) {
  put16(out, uint16_t(v & 0xFFFF));
  put16(out, uint16_t(v >> 16));
}

void write_header(std::ofstream& out, uint32_t data_bytes) {
  out.write("RIFF", 4);
  put32(out, 36 + data_bytes);
  out.write("WAVEfmt ", 8);
  put32(out, 16);
  put16(out, 1); // PCM
  put16(out, 1); // mono
  put32(out, kSampleRate);
  put32(out, kSampleRate * 2);
  put16(out, 2);
  put16(out, 16);
  out.write("data", 4);
  put32(out, data_bytes);
}

} // namespace

void write_wav(std::vector<double> samples, const std::filesystem::path& file) {
  normalise(samples);
  fade_ends(samples);
  std::ofstream out(file, std::ios::binary);
  if (!out)
    throw std::runtime_error("cannot write " + file.string());
  write_header(out, uint32_t(samples.size() * 2));
  for (double v : samples)
    put16(out, uint16_t(int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0))));
}

void write_sounds(const std::filesystem::path& folder) {
  write_wav(synth_burp(), folder / "burp.wav");
  write_wav(synth_siren(), folder / "siren.wav");
}

} // namespace art
