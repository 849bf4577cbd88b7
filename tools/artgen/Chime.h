// The alarm chime: a short bell of our own, written as a WAV file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

inline constexpr int kChimeRate = 11025;   // samples a second: the bell's partials stay below 5 kHz
inline constexpr double kChimeSeconds = 6.0; // shorter than the alarm's 6.5 s repeat

// The whole WAV file: RIFF/WAVE, 16-bit PCM, one channel, kChimeRate samples a second. Three
// strikes of a small bell (G5, E5, C5) that ring out and fade to silence by the end, so a repeat
// starts without a click.
std::vector<std::uint8_t> ChimeWave();

// Writes ChimeWave() to `fileName`; false when it cannot be written.
bool WriteChime(const std::string &fileName);
