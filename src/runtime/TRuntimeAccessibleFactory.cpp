#include "runtime/TRuntimeAccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMessageBox>

#include "runtime/TForm.h"
#include "runtime/TFormAccessible.h"
#include "runtime/TImage.h"
#include "runtime/TImageAccessible.h"
#include "runtime/TLabel.h"
#include "runtime/TLabelAccessible.h"
#include "runtime/TMessageBoxAccessible.h"
#include "runtime/TSpeedButton.h"
#include "runtime/TSpeedButtonAccessible.h"
#include "runtime/help/THtmlHelpViewer.h"

namespace quorvant::runtime {

void TRuntimeAccessibleFactory::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&TRuntimeAccessibleFactory::Create);
        return true;
    }();
    (void)installed;
}

// Qt asks once per class of the object's chain, most derived first; matching
// the exact class name lets a derived control with a factory of its own win.
QAccessibleInterface* TRuntimeAccessibleFactory::Create(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String(TLabel::staticMetaObject.className()))
        return new TLabelAccessible(static_cast<TLabel*>(object));
    if (className == QLatin1String(TImage::staticMetaObject.className()))
        return new TImageAccessible(static_cast<TImage*>(object));
    if (className == QLatin1String(TSpeedButton::staticMetaObject.className()))
        return new TSpeedButtonAccessible(static_cast<TSpeedButton*>(object));
    if (className == QLatin1String(TForm::staticMetaObject.className()))
        return new TFormAccessible(static_cast<TForm*>(object));
    if (className == QLatin1String(QMessageBox::staticMetaObject.className()))
        return new TMessageBoxAccessible(static_cast<QMessageBox*>(object));
    // The help viewer is a window of its own beside the main window.
    if (className == QLatin1String(THtmlHelpViewer::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

} // namespace quorvant::runtime
