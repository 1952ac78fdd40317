#pragma once
// A progress range written so that no value would fit.

#include <QString>
#include <stdexcept>

namespace quorvant::controls {

class EInvalidPanelOperation : public std::runtime_error {
public:
    explicit EInvalidPanelOperation(const QString& message) : std::runtime_error(message.toStdString()) {}
};

} // namespace quorvant::controls
