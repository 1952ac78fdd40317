#pragma once
// Failures of the tabbed notebook.

#include <stdexcept>

namespace quorvant::controls {

// PageIndex written with an index that names no selectable page.
class EInvalidPageIndex : public std::runtime_error {
public:
    EInvalidPageIndex() : std::runtime_error("Invalid page index value") {}
};

// Tabs on an edge other than the top: this notebook draws top tabs only.
class EInvalidTabFont : public std::runtime_error {
public:
    EInvalidTabFont() : std::runtime_error("Invalid font. Non toTop oriented tabs require a True-Type font")
    {
    }
};

} // namespace quorvant::controls
