#pragma once
// Failures of the command tables and the entry controller, each its own
// class carrying its message; the entry fields' failures derive from the
// same base.

#include <stdexcept>
#include <string>

namespace quorvant::controls {

class EControlException : public std::runtime_error {
public:
    explicit EControlException(const std::string& message = "Parameter value is invalid")
        : std::runtime_error(message)
    {
    }
};

class EDuplicateCommand : public EControlException {
public:
    EDuplicateCommand() : EControlException("Duplicate command found while adding a new command to the table")
    {
    }
};

class ETableNotFound : public EControlException {
public:
    ETableNotFound() : EControlException("Command table not found or command table index out of range") {}
};

} // namespace quorvant::controls
