#pragma once

#include <QString>
#include <stdexcept>

namespace qx {

// A form design that cannot be read or holds a value of the wrong kind. The
// program stops at start-up rather than show a half-built window.
class DesignError : public std::runtime_error {
public:
    explicit DesignError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

}  // namespace qx
