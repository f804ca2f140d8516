#pragma once

#include "engine/ShellHooks.h"

namespace qx {

// A shell that shows and plays nothing: games built aside and the tools.
class SilentShell final : public ShellHooks {
public:
    void PlayClip(Clip) override {}
    void SetClockEnabled(bool) override {}
    void SetClockText(const std::string&) override {}
    void ShowWin() override {}
    void SetPlayAreaPointer(PlayAreaPointer) override {}
    void BeginBusy() override {}
    void EndBusy() override {}
    void PlayAreaChanged(const ChangedArea&) override {}
};

}  // namespace qx
