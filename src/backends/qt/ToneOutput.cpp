#include "ToneOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

namespace tavrolin::qt {

ToneOutput::ToneOutput() = default;

ToneOutput::~ToneOutput()
{
    if (sink_) sink_->stop();
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
    open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    // A tenth of a second ahead: short enough for the pitch to follow the
    // steps, long enough for a pause's sleeps between the device's pulls.
    sink_->setBufferSize(synth_.sampleRate() / 10 * int(sizeof(std::int16_t)));
    sink_->start(this);
    if (sink_->error() == QAudio::NoError) return true;
    sink_.reset();
    close();
    return false;
}

qint64 ToneOutput::readData(char* data, qint64 maxSize)
{
    std::int16_t samples[1024];
    const std::size_t count = std::min(std::size(samples), std::size_t(maxSize) / sizeof(std::int16_t));
    synth_.render(samples, count);
    std::memcpy(data, samples, count * sizeof(std::int16_t));
    return qint64(count * sizeof(std::int16_t));
}

} // namespace tavrolin::qt
