#pragma once

#include "lesson/Tone.h"

#include <windows.h>

#include <mmsystem.h>

#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

namespace tavrolin::win32 {

// The lesson's tone on the sound card, through waveOut: a thread of its own
// hands the device the core's samples, a few short buffers ahead, so that
// the tone goes on while the window waits or a question is open.
class ToneOutput {
public:
    ToneOutput() = default;
    ToneOutput(const ToneOutput&) = delete;
    ToneOutput& operator=(const ToneOutput&) = delete;
    ~ToneOutput();

    // Opens the default output, silent; false where there is none.
    bool start();
    void set(double hz, double loudness) { synth_.set(hz, loudness); }

private:
    static constexpr int rate = 44100;
    // Five buffers of 30 ms: the pitch follows within a tenth of a second.
    static constexpr std::size_t bufferSamples = rate * 30 / 1000;

    static unsigned __stdcall feed(void* self);
    void refill(WAVEHDR& header);

    ToneSynth synth_{rate};
    HWAVEOUT out_ = nullptr;
    HANDLE done_ = nullptr;
    HANDLE thread_ = nullptr;
    std::atomic<bool> stopping_{false};
    std::array<WAVEHDR, 5> headers_{};
    std::array<std::vector<std::int16_t>, 5> buffers_;
};

} // namespace tavrolin::win32
