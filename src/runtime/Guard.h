#pragma once
// Every call from Qt into user-assignable code runs through Guarded: an
// exception that escapes goes to the application's exception event with the
// sender and never unwinds through a Qt frame (signal emission, event
// delivery, timers, the idle hook).

#include <QObject>
#include <exception>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace quorvant::runtime {

// Defined in TApplication.cpp; catches everything itself.
void HandleEscapedException(QObject* sender, std::exception_ptr e) noexcept;

template <class F> void Guarded(QObject* sender, F&& f) noexcept
{
    try {
        std::forward<F>(f)();
    } catch (...) {
        HandleEscapedException(sender, std::current_exception());
    }
}

namespace detail {
// Calls a handler with the signal's arguments when it takes them, else with
// the sender (handlers named after the Parts take Sender), else with nothing.
template <class H, class... Args> void InvokeHandler(QObject* sender, H& handler, Args&&... args)
{
    if constexpr (std::is_invocable_v<H&, Args...>)
        std::invoke(handler, std::forward<Args>(args)...);
    else if constexpr (std::is_invocable_v<H&, QObject*>)
        std::invoke(handler, sender);
    else
        std::invoke(handler);
}

template <class C, class M, class... Args>
void InvokeMember(QObject* sender, C* object, M member, Args&&... args)
{
    if constexpr (std::is_invocable_v<M, C*, Args...>)
        std::invoke(member, object, std::forward<Args>(args)...);
    else if constexpr (std::is_invocable_v<M, C*, QObject*>)
        std::invoke(member, object, sender);
    else
        std::invoke(member, object);
}
// Our signals carry the Sender first; it is the sender an exception reports.
template <class... Args> QObject* ReportedSender(QObject* emitter, Args&&... args)
{
    if constexpr (sizeof...(Args) > 0) {
        auto&& first = std::get<0>(std::forward_as_tuple(args...));
        using First = std::decay_t<decltype(first)>;
        if constexpr (std::is_pointer_v<First> && std::is_convertible_v<First, QObject*>) {
            if (first)
                return first;
        }
    }
    return emitter;
}
} // namespace detail

// connect() through the guard. The handler is a callable, or a member
// function of context; context ends the connection when destroyed.
template <class Sender, class Signal, class Context, class Handler>
QMetaObject::Connection Bind(Sender* sender, Signal signal, Context* context, Handler handler)
{
    QObject* senderObject = sender;
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        return QObject::connect(sender, signal, context, [senderObject, context, handler](auto&&... args) {
            Guarded(detail::ReportedSender(senderObject, args...), [&] {
                detail::InvokeMember(senderObject, context, handler, std::forward<decltype(args)>(args)...);
            });
        });
    } else {
        return QObject::connect(
            sender, signal, context, [senderObject, handler = std::move(handler)](auto&&... args) mutable {
                Guarded(detail::ReportedSender(senderObject, args...), [&] {
                    detail::InvokeHandler(senderObject, handler, std::forward<decltype(args)>(args)...);
                });
            });
    }
}

} // namespace quorvant::runtime
