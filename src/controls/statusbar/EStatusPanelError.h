#pragma once
// Failures of the status bar's panel names and look-ups.

#include <QString>
#include <stdexcept>

namespace quorvant::controls {

class EStatusPanelError : public std::runtime_error {
public:
    explicit EStatusPanelError(const QString& message) : std::runtime_error(message.toStdString()) {}
};

} // namespace quorvant::controls
