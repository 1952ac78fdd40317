#pragma once
// Hands assistive technology the interfaces of the runtime's drawn controls,
// which Qt would otherwise see as nameless client areas. The controls
// install it themselves when the first one is made.

#include <QString>

class QAccessibleInterface;
class QObject;

namespace quorvant::runtime {

class TRuntimeAccessibleFactory {
public:
    // Idempotent.
    static void Install();
    static QAccessibleInterface* Create(const QString& className, QObject* object);
};

} // namespace quorvant::runtime
