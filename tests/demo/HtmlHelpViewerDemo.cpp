// Hand-run look at the help viewer: opens the program's help file on the
// first-run topic (or the file and context given).
//   HtmlHelpViewerDemo [file.chm [context]]
#include <QApplication>
#include <QDir>

#include <charconv>
#include <cstring>

#include "platform/LinuxPlatform.h"
#include "runtime/help/HtmlHelpApi.h"
#include "runtime/help/HtmlHelpRuntime.h"
#include "runtime/help/THtmlHelpViewer.h"

int main(int argc, char** argv)
{
    using namespace quorvant;
    QApplication app(argc, argv);
    platform::SetPlatform(std::make_unique<platform::LinuxPlatform>());
    const std::string file = argc > 1 ? argv[1]
                                      : QDir(QCoreApplication::applicationDirPath())
                                            .filePath("../src/app/quorvantcalc.chm")
                                            .toStdString();
    std::intptr_t context = 10000;
    if (argc > 2)
        std::from_chars(argv[2], argv[2] + std::strlen(argv[2]), context);
    if (runtime::HtmlHelpRequest(nullptr, file.c_str(), runtime::HH_HELP_CONTEXT, context) == 0)
        return 1;
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);
    return app.exec();
}
