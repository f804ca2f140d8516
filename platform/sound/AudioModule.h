#pragma once

#include <memory>

#include "platform/sound/ClipOutput.h"

namespace qx {

// The default audio output from the quiltrix_audio module beside the
// executable (or in ../lib/games/quiltrix/ once installed), loaded on the
// first call (Qt Multimedia and the sound server's libraries come with it).
// Null when the module is missing or gives nothing: the game then plays
// silently.
std::unique_ptr<ClipOutput> openAudioModuleOutput();

// The name of the module's one entry point: ClipOutput* (*)().
inline constexpr char kAudioModuleEntry[] = "quiltrix_create_clip_output";

}  // namespace qx
