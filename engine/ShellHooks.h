#pragma once

#include <string>

#include "engine/ChangedArea.h"
#include "engine/Clip.h"

namespace qx {

enum class PlayAreaPointer { Normal, Turn };

// What the play rules need from the main window. frmMain implements it;
// SilentShell stands in where nothing is shown.
class ShellHooks {
public:
    virtual ~ShellHooks() = default;

    // Starts a sound clip without waiting; a new clip replaces the one playing.
    virtual void PlayClip(Clip clip) = 0;
    // Timer1: ticks once a second while enabled.
    virtual void SetClockEnabled(bool enabled) = 0;
    // New caption for lblElapsed.
    virtual void SetClockText(const std::string& text) = 0;
    // Shows the completion window modally; returns when it is closed.
    virtual void ShowWin() = 0;
    virtual void SetPlayAreaPointer(PlayAreaPointer pointer) = 0;
    // The busy pointer over the main window, around long operations.
    virtual void BeginBusy() = 0;
    virtual void EndBusy() = 0;
    // picScreen has new pixels in these rectangles; show them.
    virtual void PlayAreaChanged(const ChangedArea& area) = 0;
};

}  // namespace qx
