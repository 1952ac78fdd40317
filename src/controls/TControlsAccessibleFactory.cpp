#include "controls/TControlsAccessibleFactory.h"

#include <QAccessible>

#include "controls/entry/TCustomNumericField.h"
#include "controls/entry/TNumericFieldAccessible.h"
#include "controls/notebook/TTabNotebook.h"
#include "controls/notebook/TTabNotebookAccessible.h"
#include "controls/notebook/TTabPage.h"
#include "controls/notebook/TTabPageAccessible.h"
#include "controls/richtext/TLinkLabel.h"
#include "controls/richtext/TLinkLabelAccessible.h"
#include "controls/richtext/TRichLabel.h"
#include "controls/richtext/TRichLabelAccessible.h"
#include "controls/statusbar/TPanelStatusBar.h"
#include "controls/statusbar/TPanelStatusBarAccessible.h"
#include "controls/statusbar/TStatusPanel.h"
#include "controls/statusbar/TStatusPanelAccessible.h"

namespace quorvant::controls {

void TControlsAccessibleFactory::Install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&TControlsAccessibleFactory::Create);
        return true;
    }();
    (void)installed;
}

namespace {
template <class T> bool Is(const QString& className)
{
    return className == QLatin1String(T::staticMetaObject.className());
}
} // namespace

// Qt asks once per class of the object's chain, most derived first, so a
// class matched by its exact name also covers classes derived from it.
QAccessibleInterface* TControlsAccessibleFactory::Create(const QString& className, QObject* object)
{
    if (!object)
        return nullptr;
    if (Is<TStatusPanel>(className))
        return new TStatusPanelAccessible(static_cast<TStatusPanel*>(object));
    if (!object->isWidgetType())
        return nullptr;
    if (Is<TCustomNumericField>(className))
        return new TNumericFieldAccessible(static_cast<TCustomNumericField*>(object));
    if (Is<TTabNotebook>(className))
        return new TTabNotebookAccessible(static_cast<TTabNotebook*>(object));
    if (Is<TTabPage>(className))
        return new TTabPageAccessible(static_cast<TTabPage*>(object));
    if (Is<TLinkLabel>(className))
        return new TLinkLabelAccessible(static_cast<TLinkLabel*>(object));
    if (Is<TRichLabel>(className))
        return new TRichLabelAccessible(static_cast<TRichLabel*>(object));
    if (Is<TPanelStatusBar>(className))
        return new TPanelStatusBarAccessible(static_cast<TPanelStatusBar*>(object));
    return nullptr;
}

} // namespace quorvant::controls
