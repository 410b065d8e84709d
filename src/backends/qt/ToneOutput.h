#pragma once

#include "lesson/Tone.h"

#include <QIODevice>

#include <memory>

class QAudioSink;

namespace tavrolin::qt {

// The lesson's tone on the desktop's sound output, through Qt Multimedia:
// the sound device pulls the core's samples as it plays them.
class ToneOutput : public QIODevice {
public:
    ToneOutput();
    ~ToneOutput() override;

    // Opens the default output, silent; false where there is none.
    bool start();
    void set(double hz, double loudness) { synth_.set(hz, loudness); }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char*, qint64) override { return -1; }
    qint64 bytesAvailable() const override { return 1 << 16; }
    bool isSequential() const override { return true; }

private:
    ToneSynth synth_{44100};
    std::unique_ptr<QAudioSink> sink_;
};

} // namespace tavrolin::qt
