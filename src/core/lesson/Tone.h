#pragma once

#include "basics/PlottedStep.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace tavrolin {

// The tone that follows the reflection: one octave, from the lowest pitch for
// the smallest value these settings can reach to the highest for the largest,
// evenly in pitch as the ear hears it.
constexpr double lowestPitch = 220;
constexpr double highestPitch = 440;
// Soft, well below full scale, for a whole class to bear.
constexpr double toneLoudness = 0.2;
// No clicks: the loudness changes over this long, and the pitch glides to a
// new one with this time constant, so that steps blur into one sliding tone.
constexpr std::chrono::milliseconds toneFade{20};
constexpr std::chrono::milliseconds toneGlide{15};

double pitchFor(const PlottedStep& step);

// The tone as samples, for a backend whose sound device asks for them. The
// wanted pitch and loudness may be set from another thread than the one
// that renders.
class ToneSynth {
public:
    explicit ToneSynth(int sampleRate) : rate_(sampleRate) {}

    void set(double hz, double loudness)
    {
        hz_.store(hz);
        loudness_.store(loudness);
    }
    // Signed 16-bit mono samples.
    void render(std::int16_t* out, std::size_t count);
    int sampleRate() const { return rate_; }

private:
    int rate_;
    std::atomic<double> hz_{lowestPitch};
    std::atomic<double> loudness_{0};
    double phase_ = 0, hzNow_ = lowestPitch, loudnessNow_ = 0;
};

} // namespace tavrolin
