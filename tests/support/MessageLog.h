#pragma once

#include <vector>

#include "platform/qt/ProgramMessage.h"

namespace qx::test {

// Collects the message boxes the code under test asks for instead of showing
// them, for as long as it lives.
struct MessageLog {
    std::vector<MessageRequest> shown;
    ScopedMessageSink sink{[this](const MessageRequest& r) { shown.push_back(r); }};
};

}  // namespace qx::test
