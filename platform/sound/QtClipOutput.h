#pragma once

#include <QAudioDevice>
#include <QAudioSink>
#include <QObject>
#include <QPointer>
#include <functional>

#include "platform/sound/ClipOutput.h"

namespace qx {

// Plays clips on the default audio output through QAudioSink. A new clip
// stops the sink of the old one (deleted later) and starts a sink of its own.
// Without an audio device nothing is asked of the audio system: no sink, no
// warning per clip, no beep.
class QtClipOutput : public QObject, public ClipOutput {
    Q_OBJECT

public:
    using DeviceLookup = std::function<QAudioDevice()>;

    // `defaultDevice` names the output to play on (tests: none).
    explicit QtClipOutput(QObject* parent = nullptr, DeviceLookup defaultDevice = {});
    ~QtClipOutput() override;

    void play(const WaveClip& clip) override;
    void stop() override;

    // The sink of the clip started last, until it is stopped.
    QAudioSink* currentSink() const { return sink_; }
    // Clips handed over so far, sounded or not.
    int clipsReceived() const { return clipsReceived_; }

private:
    DeviceLookup defaultDevice_;
    QPointer<QAudioSink> sink_;
    int clipsReceived_ = 0;
};

}  // namespace qx
