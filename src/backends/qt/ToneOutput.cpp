#include "ToneOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QIODevice>
#include <QMediaDevices>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace tavrolin::qt {

namespace {

// The synthesiser as a device that is read from.
class Samples : public QIODevice {
public:
    explicit Samples(ToneSynth& synth) : synth_(synth) {}

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const std::size_t wanted = std::size_t(maxSize) / sizeof(std::int16_t);
        std::int16_t samples[1024];
        for (std::size_t done = 0; done < wanted;) {
            const std::size_t count = std::min(std::size(samples), wanted - done);
            synth_.render(samples, count);
            std::memcpy(data + done * sizeof(std::int16_t), samples, count * sizeof(std::int16_t));
            done += count;
        }
        return qint64(wanted * sizeof(std::int16_t));
    }
    qint64 writeData(const char*, qint64) override { return -1; }
    qint64 bytesAvailable() const override { return 1 << 16; }
    bool isSequential() const override { return true; }

private:
    ToneSynth& synth_;
};

} // namespace

ToneOutput::ToneOutput() : inThread_(std::make_unique<QObject>()) { inThread_->moveToThread(&thread_); }

ToneOutput::~ToneOutput()
{
    if (thread_.isRunning()) {
        QMetaObject::invokeMethod(
            inThread_.get(),
            [this] {
                if (sink_) sink_->stop();
                delete sink_;
                delete samples_;
            },
            Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
}

bool ToneOutput::start()
{
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    QAudioFormat format;
    format.setSampleRate(synth_.sampleRate());
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return false;
    thread_.start();
    bool started = false;
    QMetaObject::invokeMethod(
        inThread_.get(),
        [&] {
            samples_ = new Samples(synth_);
            // Unbuffered: the sink's buffer is then the only one between a
            // step and its pitch.
            samples_->open(QIODevice::ReadOnly | QIODevice::Unbuffered);
            sink_ = new QAudioSink(device, format);
            // A tenth of a second ahead: the pitch follows the steps closely.
            sink_->setBufferSize(synth_.sampleRate() / 10 * int(sizeof(std::int16_t)));
            sink_->start(samples_);
            started = sink_->error() == QAudio::NoError;
        },
        Qt::BlockingQueuedConnection);
    return started;
}

} // namespace tavrolin::qt
