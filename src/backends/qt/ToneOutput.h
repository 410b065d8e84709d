#pragma once

#include "lesson/Tone.h"

#include <QThread>

#include <memory>

class QAudioSink;
class QIODevice;

namespace tavrolin::qt {

// The lesson's tone on the desktop's sound output, through Qt Multimedia:
// the sound device pulls the core's samples as it plays them, in a thread
// of its own, so that a busy window never leaves it short of samples.
class ToneOutput {
public:
    ToneOutput();
    ToneOutput(const ToneOutput&) = delete;
    ToneOutput& operator=(const ToneOutput&) = delete;
    ~ToneOutput();

    // Opens the default output, silent; false where there is none.
    bool start();
    void set(double hz, double loudness) { synth_.set(hz, loudness); }

private:
    ToneSynth synth_{44100};
    QThread thread_;
    std::unique_ptr<QObject> inThread_; // what runs in the thread is called through it
    QIODevice* samples_ = nullptr;      // these two live in the thread
    QAudioSink* sink_ = nullptr;
};

} // namespace tavrolin::qt
