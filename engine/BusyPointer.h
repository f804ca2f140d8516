#pragma once

#include "engine/ShellHooks.h"

namespace qx {

// The busy pointer from construction until done() or the end of the scope.
class BusyPointer {
public:
    explicit BusyPointer(ShellHooks& shell) : shell_(&shell) { shell_->BeginBusy(); }
    ~BusyPointer() { done(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    void done() {
        if (shell_) shell_->EndBusy();
        shell_ = nullptr;
    }

private:
    ShellHooks* shell_;
};

}  // namespace qx
