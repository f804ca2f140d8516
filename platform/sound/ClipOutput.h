#pragma once

#include "platform/sound/WaveParser.h"

namespace qx {

// Where ClipPlayer sends a clip. play() must return at once, stop whatever is
// still playing and start the new clip; it copies what it needs, so the clip's
// bytes may go away after the call. Failures stay silent.
class ClipOutput {
public:
    virtual ~ClipOutput() = default;
    virtual void play(const WaveClip& clip) = 0;
    virtual void stop() = 0;
};

}  // namespace qx
