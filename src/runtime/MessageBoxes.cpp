#include "runtime/MessageBoxes.h"

#include <QApplication>
#include <QWidget>

#include "runtime/TApplication.h"
#include "runtime/TForm.h"

namespace quorvant::runtime {

void ShowMessageBox(QWidget* owner, const QString& text, const QString& caption,
                    platform::MessageBoxIcon icon)
{
    // A box belongs to a window of the program (one taskbar button, kept
    // above it): the caller's, else the active one, else the main window.
    if (!owner)
        owner = QApplication::activeWindow();
    if (!owner)
        owner = Application().MainForm();
    if (owner)
        owner = owner->window();
    platform::ThePlatform().ShowMessageBox(owner, text.toStdString(), caption.toStdString(), icon);
}

void InformationBox(const QString& text, QWidget* owner)
{
    ShowMessageBox(owner, text, QStringLiteral("Information"), platform::MessageBoxIcon::Information);
}

void ErrorBox(const QString& text, QWidget* owner)
{
    const QString caption =
        Application().Title.isEmpty() ? QCoreApplication::applicationName() : Application().Title;
    ShowMessageBox(owner, text, caption, platform::MessageBoxIcon::Error);
}

} // namespace quorvant::runtime
