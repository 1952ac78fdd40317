#pragma once
// Hands assistive technology the interfaces of the custom controls: numeric
// fields, notebook and pages, link and rich-text labels, the panel status
// bar and its panels. Each control installs it when the first one is made.

#include <QString>

class QAccessibleInterface;
class QObject;

namespace quorvant::controls {

class TControlsAccessibleFactory {
public:
    // Idempotent.
    static void Install();
    static QAccessibleInterface* Create(const QString& className, QObject* object);
};

} // namespace quorvant::controls
