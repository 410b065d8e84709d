#include "ToneOutput.h"

#include <process.h>

namespace tavrolin::win32 {

bool ToneOutput::start()
{
    done_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    if (!done_) return false;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = rate * 2;
    if (waveOutOpen(&out_, WAVE_MAPPER, &format, DWORD_PTR(done_), 0, CALLBACK_EVENT) != MMSYSERR_NOERROR) {
        out_ = nullptr;
        return false;
    }
    for (std::size_t i = 0; i < headers_.size(); ++i) {
        buffers_[i].resize(bufferSamples);
        WAVEHDR& h = headers_[i];
        h.lpData = reinterpret_cast<LPSTR>(buffers_[i].data());
        h.dwBufferLength = DWORD(bufferSamples * sizeof(std::int16_t));
        waveOutPrepareHeader(out_, &h, sizeof h);
        refill(h);
    }
    thread_ = HANDLE(_beginthreadex(nullptr, 0, &ToneOutput::feed, this, 0, nullptr));
    if (!thread_) return false;
    // A late refill would be heard as a gap: the feeder comes before the
    // drawing, and takes next to no time.
    SetThreadPriority(thread_, THREAD_PRIORITY_TIME_CRITICAL);
    return true;
}

void ToneOutput::refill(WAVEHDR& header)
{
    synth_.render(reinterpret_cast<std::int16_t*>(header.lpData), bufferSamples);
    waveOutWrite(out_, &header, sizeof header);
}

unsigned __stdcall ToneOutput::feed(void* self)
{
    auto& tone = *static_cast<ToneOutput*>(self);
    while (WaitForSingleObject(tone.done_, INFINITE) == WAIT_OBJECT_0 && !tone.stopping_)
        for (WAVEHDR& h : tone.headers_)
            if (h.dwFlags & WHDR_DONE) tone.refill(h);
    return 0;
}

ToneOutput::~ToneOutput()
{
    if (thread_) {
        stopping_ = true;
        SetEvent(done_);
        WaitForSingleObject(thread_, INFINITE);
        CloseHandle(thread_);
    }
    if (out_) {
        waveOutReset(out_);
        for (WAVEHDR& h : headers_)
            if (h.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(out_, &h, sizeof h);
        waveOutClose(out_);
    }
    if (done_) CloseHandle(done_);
}

} // namespace tavrolin::win32
