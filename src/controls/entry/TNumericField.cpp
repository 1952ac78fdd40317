#include "controls/entry/TNumericField.h"

namespace quorvant::controls {

TNumericField::TNumericField(QWidget* parent) : TCustomNumericField(parent) {}

} // namespace quorvant::controls
