// Program entry: the title, the main window, the message loop.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <cstdio>
#include <memory>
#include <string_view>

#include "QuorvantVersion.h"
#include "app/TfrmMain.h"
#include "platform/LinuxPlatform.h"
#include "runtime/TApplication.h"
#include "runtime/help/HtmlHelpRuntime.h"

namespace {

// --version and --help are answered before Qt starts, so they work without a
// display. The program takes no options of its own: anything else is ignored.
bool AnswerCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (arg == "--version") {
            std::printf("%.*s %.*s\n", int(quorvant::version::ProductName.size()),
                        quorvant::version::ProductName.data(), int(quorvant::version::DisplayVersion.size()),
                        quorvant::version::DisplayVersion.data());
            return true;
        }
        if (arg == "--help") {
            std::printf("Usage: quorvant [--help | --version]\n"
                        "Works out the annual percentage rate (APR) of a home mortgage.\n"
                        "\n"
                        "  --help     show this help and exit\n"
                        "  --version  show the version and exit\n"
                        "\n"
                        "Without options the calculator window opens; the last values are kept in\n"
                        "$XDG_CONFIG_HOME/Quorvant/quorvant.ini. See quorvant(1).\n");
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (AnswerCommandLine(argc, argv)) {
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
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
    application.Title = QStringLiteral("%1, %2.%3")
                            .arg(QString::fromUtf8(quorvant::version::ProductName))
                            .arg(quorvant::version::Major)
                            .arg(quorvant::version::Minor);
    application.CreateForm<quorvant::app::TfrmMain>();
    application.Run();
    return 0;
}
