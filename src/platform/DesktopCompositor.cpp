#include "platform/DesktopCompositor.h"

#include <QGuiApplication>
#include <QString>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace quorvant::platform {

namespace {

bool X11CompositingManagerRuns()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return false;
    // The screen number of DISPLAY (":0.1" is screen 1).
    int screen = 0;
    if (const char* display = std::getenv("DISPLAY")) {
        const QString name = QString::fromLocal8Bit(display);
        const qsizetype dot = name.lastIndexOf(u'.');
        if (dot > name.lastIndexOf(u':'))
            screen = name.mid(dot + 1).toInt();
    }
    const QByteArray atomName = "_NET_WM_CM_S" + QByteArray::number(screen);
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 1, uint16_t(atomName.size()), atomName.constData());
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr),
        &std::free);
    return owner && owner->owner != XCB_WINDOW_NONE;
}

} // namespace

bool IsDesktopComposited()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return true;
    if (platform == QLatin1String("xcb"))
        return X11CompositingManagerRuns();
    return false;
}

} // namespace quorvant::platform
