#include "runtime/TFocusEvents.h"

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

namespace quorvant::runtime {

namespace {
// Per form, the control that last had the focus. Keyed by address; a value
// is only trusted while it is alive and still inside that form.
std::map<const QWidget*, QPointer<QWidget>>& LastFocus()
{
    static std::map<const QWidget*, QPointer<QWidget>> map;
    return map;
}

void Fire(QWidget* control, bool enter)
{
    TFocusEvents* events = control->findChild<TFocusEvents*>(QString(), Qt::FindDirectChildrenOnly);
    if (!events)
        return;
    if (enter)
        emit events->OnEnter(control);
    else
        emit events->OnExit(control);
}

// Chain from a control up to (not including) its form.
std::vector<QWidget*> Chain(QWidget* control)
{
    std::vector<QWidget*> chain;
    for (QWidget* w = control; w && !w->isWindow(); w = w->parentWidget())
        chain.push_back(w);
    return chain;
}

void FocusMoved(QWidget* now)
{
    if (!now)
        return; // the window lost the activation: no exit
    if (TFocusEvents::IsMenu(now))
        return; // menu mode: the focus comes back as it was
    QWidget* form = now->window();
    auto& last = LastFocus();
    std::erase_if(last, [](const auto& entry) { return entry.second.isNull(); });
    QPointer<QWidget> previous = last[form];
    if (previous == now)
        return; // the window came back with the same control
    last[form] = now;
    const QPointer<QWidget> target = now;

    std::vector<QWidget*> oldChain =
        previous && previous->window() == form ? Chain(previous) : std::vector<QWidget*>{};
    std::vector<QWidget*> newChain = Chain(now);
    // Drop the common containers.
    while (!oldChain.empty() && !newChain.empty() && oldChain.back() == newChain.back()) {
        oldChain.pop_back();
        newChain.pop_back();
    }
    std::vector<QPointer<QWidget>> exits(oldChain.begin(), oldChain.end());
    std::vector<QPointer<QWidget>> enters(newChain.rbegin(), newChain.rend());
    // Its focus-out may have come from a menu or a deactivation; now the move
    // is final, and its own exit work goes before OnExit.
    if (previous && previous->window() == form) {
        QEvent due(TFocusEvents::ExitDueEvent());
        QCoreApplication::sendEvent(previous, &due);
    }
    for (const auto& w : exits)
        if (w)
            Fire(w, false);
    // An exit handler may have moved the focus on; then that move entered.
    if (!target || QApplication::focusWidget() != target)
        return;
    for (const auto& w : enters)
        if (w)
            Fire(w, true);
}

void EnsureTracking()
{
    static bool connected = false;
    if (connected || !qApp)
        return;
    connected = true;
    // focusChanged is emitted after the focus-out and focus-in events.
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [](QWidget*, QWidget* now) { FocusMoved(now); });
}
} // namespace

TFocusEvents::TFocusEvents(QWidget* control) : QObject(control)
{
    EnsureTracking();
}

TFocusEvents* TFocusEvents::For(QWidget* control)
{
    if (auto* existing = control->findChild<TFocusEvents*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new TFocusEvents(control);
}

QWidget* TFocusEvents::LastFocused(const QWidget* form)
{
    EnsureTracking();
    const auto it = LastFocus().find(form);
    if (it == LastFocus().end() || !it->second || it->second->window() != form)
        return nullptr;
    return it->second;
}

bool TFocusEvents::IsMenu(const QWidget* widget)
{
    return widget && (qobject_cast<const QMenuBar*>(widget) || widget->window()->windowType() == Qt::Popup);
}

QEvent::Type TFocusEvents::ExitDueEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

QWidget* TFocusEvents::Control() const
{
    return static_cast<QWidget*>(parent());
}

} // namespace quorvant::runtime
