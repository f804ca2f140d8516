#pragma once

#include <QAudioSink>
#include <QObject>
#include <QPointer>

#include "platform/sound/ClipOutput.h"

namespace qx {

// Plays clips on the default audio output through QAudioSink. A new clip
// stops the sink of the old one (deleted later) and starts a sink of its own.
// Without an audio device the sink simply never starts: no error, no beep.
class QtClipOutput : public QObject, public ClipOutput {
    Q_OBJECT

public:
    explicit QtClipOutput(QObject* parent = nullptr);
    ~QtClipOutput() override;

    void play(const WaveClip& clip) override;
    void stop() override;

    // The sink of the clip started last, until it is stopped.
    QAudioSink* currentSink() const { return sink_; }

private:
    QPointer<QAudioSink> sink_;
};

}  // namespace qx
