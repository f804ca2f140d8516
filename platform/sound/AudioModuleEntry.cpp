// The quiltrix_audio module: Qt Multimedia's output behind the plain
// ClipOutput interface the game knows.
#include "platform/sound/AudioModule.h"
#include "platform/sound/QtClipOutput.h"

extern "C" Q_DECL_EXPORT qx::ClipOutput* quiltrix_create_clip_output() {
    return new qx::QtClipOutput();
}
