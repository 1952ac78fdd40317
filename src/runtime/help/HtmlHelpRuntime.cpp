#include "runtime/help/HtmlHelpRuntime.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <string>

#include "runtime/help/HtmlHelpApi.h"
#include "runtime/help/THtmlHelpViewer.h"

namespace quorvant::runtime {

namespace {

// Handed out by HH_INITIALIZE and expected back by HH_UNINITIALIZE. The
// cookie is a 32-bit value; only those four bytes are written, so a caller
// that keeps it in a wider integer (zeroed) reads the same number.
constexpr std::uint32_t InitializeCookie = 0x51480001;

// Shows a help window asked for before its owner is on the screen (the
// welcome topic of a first run, asked for while the main window is made):
// once the owner has been shown, so that it can be the help window's owner,
// and without taking the keyboard from it.
class ShowWithOwner : public QObject {
public:
    ShowWithOwner(THtmlHelpViewer* viewer, QWidget* owner) : QObject(viewer), viewer_(viewer)
    {
        owner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            // After the owner's own show has finished (it is mapped first).
            QTimer::singleShot(0, viewer_, [viewer = viewer_] {
                viewer->setAttribute(Qt::WA_ShowWithoutActivating);
                viewer->PlaceBesideOwner();
                viewer->show();
                viewer->setAttribute(Qt::WA_ShowWithoutActivating, false);
            });
            deleteLater();
        }
        return false;
    }

private:
    THtmlHelpViewer* viewer_;
};

std::intptr_t Show(THtmlHelpViewer* viewer)
{
    QWidget* owner = viewer->parentWidget();
    if (owner && !owner->isVisible() && !viewer->isVisible()) {
        const auto children = viewer->children();
        if (std::none_of(children.begin(), children.end(),
                         [](QObject* child) { return dynamic_cast<ShowWithOwner*>(child); }))
            new ShowWithOwner(viewer, owner);
        return reinterpret_cast<std::intptr_t>(viewer);
    }
    viewer->PlaceBesideOwner();
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return reinterpret_cast<std::intptr_t>(viewer);
}

std::intptr_t Display(QWidget* caller, const std::string& request, unsigned command, std::intptr_t data)
{
    // "file.chm::/topic.htm" names a topic inside the file.
    std::string fileName = request;
    std::string topic;
    if (auto separator = request.find("::"); separator != std::string::npos) {
        fileName = request.substr(0, separator);
        topic = request.substr(separator + 2);
    }
    // A file that cannot be read shows nothing and says nothing.
    THtmlHelpViewer* viewer = THtmlHelpViewer::ForFile(caller, fileName);
    if (!viewer)
        return 0;
    const bool isNew = viewer->CurrentTopic().empty();
    bool shown;
    if (command == HH_HELP_CONTEXT)
        shown = viewer->ShowContext(static_cast<std::uint32_t>(data));
    else if (!topic.empty())
        shown = viewer->ShowTopic(topic);
    else if (data != 0)
        shown = viewer->ShowTopic(reinterpret_cast<const char*>(data));
    else
        shown = viewer->ShowDefaultTopic();
    if (!shown) {
        // An unknown topic leaves an open window as it was and opens none.
        if (isNew)
            delete viewer;
        return 0;
    }
    return Show(viewer);
}

} // namespace

std::intptr_t HtmlHelpRequest(platform::WindowHandle caller, const char* file, unsigned command,
                              std::intptr_t data)
{
    switch (command) {
    case HH_DISPLAY_TOPIC:
    case HH_HELP_CONTEXT:
        if (!file || !*file)
            return 0;
        return Display(static_cast<QWidget*>(caller), file, command, data);
    case HH_CLOSE_ALL:
        THtmlHelpViewer::CloseAll();
        return 0;
    case HH_INITIALIZE:
        if (data != 0)
            std::memcpy(reinterpret_cast<void*>(data), &InitializeCookie, sizeof InitializeCookie);
        return 0;
    case HH_UNINITIALIZE:
        THtmlHelpViewer::CloseAll();
        return 0;
    default:
        return 0;
    }
}

void RegisterHtmlHelpRuntime()
{
    void* entry = reinterpret_cast<void*>(&HtmlHelpRequest);
    platform::ThePlatform().Libraries().Register(HtmlHelpLibrary,
                                                 {{HtmlHelpEntryA, entry}, {HtmlHelpEntryW, entry}});
}

} // namespace quorvant::runtime
