#pragma once
// Colour values written in markup attributes: "#RRGGBB" or a colour name.

#include <QStringView>

#include "runtime/TColor.h"

namespace quorvant::controls {

// A value beginning with "#" gives red, green and blue from three pairs of
// hexadecimal digits (a short or malformed pair reads as 0); anything else is
// looked up by name, case-insensitively; an unknown name gives black.
runtime::TColor MarkupColor(QStringView value);

// The named colours alone; false for an unknown name.
bool MarkupColorByName(QStringView name, runtime::TColor& color);

} // namespace quorvant::controls
