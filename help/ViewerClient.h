#pragma once

#include <QString>
#include <optional>

#include "help/ViewerRequest.h"

namespace qx {

// Talks to the help viewer program: hands a request to the viewer already
// showing the file in that window type, or starts one and waits for it.
class ViewerClient {
public:
    struct Answer {
        bool reached = false;  // a viewer took the request
        quint64 window = 0;    // the viewer's window id, 0 when it shows none
    };

    // Only a running viewer; nothing when none serves the pair.
    static std::optional<quint64> sendToRunning(const QString& socketPath,
                                                const ViewerRequest& request);

    // Starts `program` for the pair when no viewer serves it yet.
    static Answer send(const QString& program, const QString& file, const QString& windowType,
                       const ViewerRequest& request);

    // Wait for a starting viewer (process start, file open, window up).
    static constexpr int kStartTimeoutMs = 10000;
};

}  // namespace qx
