#include "platform/sound/ClipPlayer.h"

#include "platform/sound/AudioModule.h"
#include "platform/sound/SoundClips.h"
#include "platform/sound/WaveParser.h"

namespace qx {

ClipPlayer::ClipPlayer(const SoundClips* clips, QObject* parent)
    : QObject(parent), clips_(clips), useDefaultOutput_(true) {}

ClipPlayer::ClipPlayer(const SoundClips* clips, std::unique_ptr<ClipOutput> output, QObject* parent)
    : QObject(parent), clips_(clips), output_(std::move(output)), useDefaultOutput_(false) {}

ClipPlayer::~ClipPlayer() = default;

ClipOutput* ClipPlayer::output() {
    // Opening the audio system loads its libraries and waits for the sound
    // server: not before the first clip, so start-up stays quick.
    if (!output_ && useDefaultOutput_) {
        output_ = openAudioModuleOutput();
        useDefaultOutput_ = false;  // tried once: a missing module means silence
    }
    return output_.get();
}

void ClipPlayer::PlayClip(int n) {
    if (n < 1 || n > SoundClips::kCount) return;
    emit clipRequested(n);
    ClipOutput* out = output();
    if (!out) return;
    const QByteArray empty;
    const QByteArray& bytes = clips_ ? clips_->clip(n - 1) : empty;
    const WaveParseResult parsed =
        parseWave(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                            static_cast<std::size_t>(bytes.size())));
    if (!parsed.ok()) {
        // As with the platform's own call: the old clip stops, nothing new sounds.
        out->stop();
        return;
    }
    out->play(parsed.clip);
}

}  // namespace qx
