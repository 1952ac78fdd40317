#pragma once
// Failures of the entry controller and the entry fields, each its own class
// carrying its message.

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

class EInvalidDataType : public EControlException {
public:
    EInvalidDataType() : EControlException("Invalid data type for this field") {}
};

class EInvalidPictureMask : public EControlException {
public:
    explicit EInvalidPictureMask(const std::string& mask) : EControlException("Invalid picture mask: " + mask)
    {
    }
};

class EEntryFieldError : public EControlException {
public:
    EEntryFieldError() : EControlException("Value is not valid for this field type") {}
};

class EInvalidRangeValue : public EControlException {
public:
    explicit EInvalidRangeValue(const std::string& message) : EControlException(message) {}
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
