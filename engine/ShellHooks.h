#pragma once

#include <string>

#include "engine/ChangedArea.h"

namespace qx {

enum class PlayAreaPointer { Normal, Turn };

// What the play rules need from the main window. frmMain implements it; the
// render tool and the tests have their own.
class ShellHooks {
public:
    virtual ~ShellHooks() = default;

    // Starts sound clip 1..5 without waiting; a new clip replaces the one playing.
    virtual void PlayClip(int clip) = 0;
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
