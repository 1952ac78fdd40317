#pragma once
// Failures of the entry fields, each its own class carrying its message, and
// the validation codes a field reports on exit with their messages.

#include <QString>
#include <cstdint>
#include <string>

#include "controls/keys/CommandErrors.h"

namespace quorvant::controls {

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

// Validation codes of the field family.
enum ValidationCode : std::uint16_t {
    vcOk = 0,
    vcRange = 256,
    vcInvalidNumber = 257,
    vcRequired = 258,
    vcInvalidDate = 259,
    vcInvalidTime = 260,
    vcBlanks = 261,
    vcPartial = 262,
};

// The message reported for a validation code; codes from 32768 up report
// the controller's stored text.
QString ValidationMessage(std::uint16_t code, const QString& storedText = QString());

} // namespace quorvant::controls
