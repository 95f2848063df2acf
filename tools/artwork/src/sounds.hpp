// The game's two sound effects, synthesised from scratch.
#pragma once

#include <filesystem>
#include <vector>

namespace art {

constexpr int kSampleRate = 22050;

std::vector<double> synth_burp();
std::vector<double> synth_siren();

// Normalises to -3 dBFS, fades both ends and writes 16-bit mono PCM.
void write_wav(std::vector<double> samples, const std::filesystem::path& file);
void write_sounds(const std::filesystem::path& folder);

} // namespace art
