// Program entry: the title, the main window, the message loop.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <memory>

#include "QuorvantVersion.h"
#include "app/TfrmMain.h"
#include "platform/LinuxPlatform.h"
#include "runtime/HtmlHelpRuntime.h"
#include "runtime/TApplication.h"

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    // The desktop ties the windows to the installed entry by this name (the
    // app id on Wayland), and every window shows the program's icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(quorvant::version::AppId));
    QIcon icon(QStringLiteral(":/images/Quorvant.ico"));
    for (const char* size : {"48", "128"})
        icon.addFile(QStringLiteral(":/icons/%1/quorvant.png").arg(QLatin1String(size)));
    QApplication::setWindowIcon(icon);
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
