#pragma once

#include <string>
#include <vector>

#include "engine/ShellHooks.h"

namespace qx::testing {

// Records every call from the play rules, in order, as short words.
class FakeShell final : public ShellHooks {
public:
    std::vector<std::string> calls;
    std::string clockText = "0:00";
    std::vector<ChangedArea> repaints;

    void PlayClip(Clip clip) override {
        calls.push_back("clip" + std::to_string(clipNumber(clip)));
    }
    void SetClockEnabled(bool enabled) override {
        calls.push_back(enabled ? "clock on" : "clock off");
    }
    void SetClockText(const std::string& text) override {
        clockText = text;
        calls.push_back("clock text");
    }
    void ShowWin() override { calls.push_back("win"); }
    void SetPlayAreaPointer(PlayAreaPointer pointer) override {
        calls.push_back(pointer == PlayAreaPointer::Normal ? "pointer normal" : "pointer turn");
    }
    void BeginBusy() override { calls.push_back("busy"); }
    void EndBusy() override { calls.push_back("not busy"); }
    void PlayAreaChanged(const ChangedArea& area) override {
        repaints.push_back(area);
        calls.push_back("repaint");
    }

    void clear() {
        calls.clear();
        repaints.clear();
    }
};

}  // namespace qx::testing
