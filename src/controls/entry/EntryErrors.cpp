#include "controls/entry/EntryErrors.h"

namespace quorvant::controls {

QString ValidationMessage(std::uint16_t code, const QString& storedText)
{
    switch (code) {
    case vcOk:
        return {};
    case vcRange:
        return QStringLiteral("Value is not within required range");
    case vcInvalidNumber:
        return QStringLiteral("Value is not valid for this field type");
    case vcRequired:
        return QStringLiteral("A value is required in this field");
    case vcInvalidDate:
        return QStringLiteral("Value is not a valid date");
    case vcInvalidTime:
        return QStringLiteral("Value is not a valid time");
    case vcBlanks:
        return QStringLiteral("This field should contain no blanks");
    case vcPartial:
        return QStringLiteral("This field should be either empty or completely full");
    default:
        return code >= 32768 ? storedText : QStringLiteral("Entry Error");
    }
}

} // namespace quorvant::controls
