// Program entry: the title, the main window, the message loop.
#include <QApplication>
#include <QFont>
#include <memory>

#include "app/TfrmMain.h"
#include "platform/LinuxPlatform.h"
#include "runtime/HtmlHelpRuntime.h"
#include "runtime/TApplication.h"

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    // Faces of the window descriptions that Linux desktops lack: the
    // metric-compatible or nearest installed face.
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    quorvant::platform::SetPlatform(std::make_unique<quorvant::platform::LinuxPlatform>());
    quorvant::runtime::RegisterHtmlHelpRuntime();
    auto& application = quorvant::runtime::Application();
    application.Title = QStringLiteral("Quorvant, 4.5");
    application.CreateForm<quorvant::app::TfrmMain>();
    application.Run();
    return 0;
}
