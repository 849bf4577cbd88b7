// Draws the alarm chime: bell strikes made of a few inharmonic partials with their own decays.
#include "tools/artgen/Chime.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace {

// A struck bell: partials at these multiples of the strike's pitch, each with its loudness and
// decay time (seconds to fall to 1/e). The hum below and the tierce above give the bell its colour.
struct Partial {
    double ratio;
    double gain;
    double decay;
};
constexpr Partial kPartials[] = {
    {0.5, 0.20, 2.2}, {1.0, 1.00, 1.6}, {1.19, 0.35, 1.1}, {1.5, 0.22, 0.9}, {2.0, 0.30, 0.7}, {2.51, 0.12, 0.45},
};

struct Strike {
    double at;    // seconds from the start
    double pitch; // Hz
    double gain;
};
constexpr Strike kStrikes[] = {{0.00, 783.99, 0.9}, {0.45, 659.26, 0.8}, {0.90, 523.25, 1.0}};

constexpr double kAttack = 0.004;  // seconds of the strike's rise, so it does not click
constexpr double kFadeOut = 1.5;   // seconds at the end over which the whole sound fades to zero
constexpr double kPeak = 0.55;     // of full scale, leaving headroom

double Sample(double t)
{
    double value = 0;
    for (const Strike &strike : kStrikes) {
        const double s = t - strike.at;
        if (s < 0)
            continue;
        const double rise = std::min(1.0, s / kAttack);
        for (const Partial &p : kPartials) {
            const double frequency = strike.pitch * p.ratio;
            if (frequency >= kChimeRate / 2.0)
                continue;
            value += strike.gain * p.gain * rise * std::exp(-s / p.decay) * std::sin(2 * std::numbers::pi * frequency * s);
        }
    }
    const double left = kChimeSeconds - t;
    return left < kFadeOut ? value * std::max(0.0, left) / kFadeOut : value;
}

void Put(std::vector<std::uint8_t> &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<std::uint8_t> &out, const char (&tag)[5])
{
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

std::vector<std::uint8_t> ChimeWave()
{
    const auto count = static_cast<std::size_t>(kChimeSeconds * kChimeRate);
    std::vector<double> samples(count);
    double loudest = 0;
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = Sample(static_cast<double>(i) / kChimeRate);
        loudest = std::max(loudest, std::abs(samples[i]));
    }
    const double scale = loudest > 0 ? kPeak * 32767 / loudest : 0;

    const auto dataBytes = static_cast<std::uint32_t>(count * 2);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    PutTag(out, "RIFF");
    Put(out, 36 + dataBytes, 4);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put(out, 16, 4);
    Put(out, 1, 2); // PCM
    Put(out, 1, 2); // one channel
    Put(out, kChimeRate, 4);
    Put(out, kChimeRate * 2, 4); // bytes a second
    Put(out, 2, 2);              // bytes a frame
    Put(out, 16, 2);             // bits a sample
    PutTag(out, "data");
    Put(out, dataBytes, 4);
    for (const double sample : samples)
        Put(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(sample * scale))), 2);
    return out;
}

bool WriteChime(const std::string &fileName)
{
    const std::vector<std::uint8_t> wave = ChimeWave();
    std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(wave.data()), static_cast<std::streamsize>(wave.size()));
    return static_cast<bool>(file.flush());
}
