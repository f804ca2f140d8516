#pragma once

#include <QObject>
#include <memory>

#include "platform/sound/ClipOutput.h"

namespace qx {

class SoundClips;

// Plays the game's sound clips from memory without waiting.
class ClipPlayer : public QObject {
    Q_OBJECT

public:
    // Plays through the default audio output (QtClipOutput, from the audio
    // module), opened on first use.
    explicit ClipPlayer(const SoundClips* clips, QObject* parent = nullptr);
    // Plays through `output` instead (tests, or a silent player with nullptr).
    ClipPlayer(const SoundClips* clips, std::unique_ptr<ClipOutput> output,
               QObject* parent = nullptr);
    ~ClipPlayer() override;

    // Plays SOUND<n> for n = 1..5 and returns at once; a clip still playing is
    // cut off. Other n, a clip that does not parse or a missing audio device
    // give silence, never an error.
    void PlayClip(int n);

    // Where the clips go; the default output is opened on first use.
    ClipOutput* output();

signals:
    // Emitted by every PlayClip(n) with n in 1..5, before playing starts.
    void clipRequested(int n);

private:
    const SoundClips* clips_;
    std::unique_ptr<ClipOutput> output_;
    bool useDefaultOutput_;
};

}  // namespace qx
