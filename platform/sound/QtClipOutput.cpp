#include "platform/sound/QtClipOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include "platform/sound/PcmConvert.h"

namespace qx {
namespace {

QAudioFormat formatOf(const WaveFormat& wave) {
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(wave.sampleRate));
    format.setChannelCount(wave.channels);
    format.setSampleFormat(wave.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

SampleType sampleTypeOf(QAudioFormat::SampleFormat format) {
    switch (format) {
        case QAudioFormat::UInt8:
            return SampleType::UInt8;
        case QAudioFormat::Int32:
            return SampleType::Int32;
        case QAudioFormat::Float:
            return SampleType::Float;
        default:
            return SampleType::Int16;
    }
}

}  // namespace

QtClipOutput::QtClipOutput(QObject* parent, DeviceLookup defaultDevice)
    : QObject(parent), defaultDevice_(std::move(defaultDevice)) {
    if (!defaultDevice_) defaultDevice_ = &QMediaDevices::defaultAudioOutput;
}

QtClipOutput::~QtClipOutput() {
    stop();
}

void QtClipOutput::stop() {
    if (!sink_) return;
    QAudioSink* old = sink_;
    sink_ = nullptr;
    old->disconnect(this);
    old->stop();
    // Its buffer is its child and goes with it.
    old->deleteLater();
}

void QtClipOutput::play(const WaveClip& clip) {
    stop();
    ++clipsReceived_;
    const QAudioDevice device = defaultDevice_();
    if (device.isNull()) return;
    QAudioFormat format = formatOf(clip.format);
    QByteArray bytes(reinterpret_cast<const char*>(clip.samples.data()),
                     static_cast<qsizetype>(clip.samples.size()));
    if (!device.isFormatSupported(format)) {
        format = device.preferredFormat();
        const PcmTarget target{static_cast<std::uint32_t>(format.sampleRate()),
                               format.channelCount(), sampleTypeOf(format.sampleFormat())};
        const std::vector<std::uint8_t> converted = convertPcm(clip, target);
        bytes = QByteArray(reinterpret_cast<const char*>(converted.data()),
                           static_cast<qsizetype>(converted.size()));
    }
    auto* sink = new QAudioSink(device, format, this);
    auto* buffer = new QBuffer(sink);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    // Give the device back as soon as the clip has run out.
    connect(sink, &QAudioSink::stateChanged, this, [sink](QAudio::State state) {
        if (state == QAudio::IdleState) sink->stop();
    });
    sink_ = sink;
    sink->start(buffer);
}

}  // namespace qx
