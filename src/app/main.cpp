// Program entry: the title, the main window, the message loop.
#include <QApplication>
#include <memory>

#include "app/TfrmMain.h"
#include "platform/LinuxPlatform.h"
#include "runtime/HtmlHelpRuntime.h"
#include "runtime/TApplication.h"

int main(int argc, char** argv)
{
    QApplication qt(argc, argv);
    quorvant::platform::SetPlatform(std::make_unique<quorvant::platform::LinuxPlatform>());
    quorvant::runtime::RegisterHtmlHelpRuntime();
    auto& application = quorvant::runtime::Application();
    application.Title = QStringLiteral("Quorvant, 4.5");
    application.CreateForm<quorvant::app::TfrmMain>();
    application.Run();
    return 0;
}
