#pragma once

#include <QString>

#include <functional>

#include "platform/image/PictureLoader.h"

namespace qx {

using PictureLoadFunction =
    std::function<LoadedPicture(const QString& path, const PictureLoadOptions& options)>;

// Runs `load` on a thread of its own and waits for it in a local event loop
// that paints windows and runs timers but leaves the player's input queued.
// Once the load has taken `progressDelayMs`, `showProgress` is called with
// the percentage the loader reported, again whenever it moves on.
// A load that throws counts as an unreadable picture. When the program is
// stopped meanwhile (its event loops ended), the load is left to finish on
// its own and counts as unreadable, so the stop is not held up.
LoadedPicture LoadPictureAside(const PictureLoadFunction& load, const QString& path,
                               PictureLoadOptions options,
                               const std::function<void(int percent)>& showProgress,
                               int progressDelayMs = 500);

// A load left behind by a stop still runs: the program must end without
// tearing down what that thread may still use (the image decoders).
bool PictureLoadsLeftRunning();

}  // namespace qx
