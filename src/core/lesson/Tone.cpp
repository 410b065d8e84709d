#include "lesson/Tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavrolin {

double pitchFor(const PlottedStep& step)
{
    const double span = step.largest - step.smallest;
    const double share = span > 0 ? std::clamp((step.strength - step.smallest) / span, 0.0, 1.0) : 0.0;
    return lowestPitch * std::pow(highestPitch / lowestPitch, share);
}

void ToneSynth::render(std::int16_t* out, std::size_t count)
{
    const double hz = hz_.load(), loudness = loudness_.load();
    const double fadeStep = toneLoudness / (std::chrono::duration<double>(toneFade).count() * rate_);
    const double glide = 1 - std::exp(-1 / (std::chrono::duration<double>(toneGlide).count() * rate_));
    // A tone that starts from silence starts at its pitch.
    if (loudnessNow_ == 0) hzNow_ = hz;
    for (std::size_t i = 0; i < count; ++i) {
        if (loudnessNow_ < loudness)
            loudnessNow_ = std::min(loudness, loudnessNow_ + fadeStep);
        else if (loudnessNow_ > loudness)
            loudnessNow_ = std::max(loudness, loudnessNow_ - fadeStep);
        hzNow_ += (hz - hzNow_) * glide;
        phase_ += 2 * std::numbers::pi * hzNow_ / rate_;
        if (phase_ >= 2 * std::numbers::pi) phase_ -= 2 * std::numbers::pi;
        out[i] = std::int16_t(std::lround(32767 * loudnessNow_ * std::sin(phase_)));
    }
}

} // namespace tavrolin
