#pragma once
// The construction failures of the rich-text hint provider.

#include <stdexcept>
#include <string>

namespace quorvant::controls {

class ERichHintError : public std::runtime_error {
public:
    explicit ERichHintError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quorvant::controls
